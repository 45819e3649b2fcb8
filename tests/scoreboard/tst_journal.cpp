// The contest journal: its text, its file, the writer's pace, the restore at
// load, bad journals and the close box.

#include "boardfixture.h"
#include "fakedialogs.h"
#include "scoreboard/contestjournal.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace kv;
using kv::test::Board;
using kv::test::FakeDialogs;

Q_DECLARE_METATYPE(kv::ContestSnapshot)

namespace {

ContestSnapshot With(const std::function<void(ContestSnapshot&)>& change)
{
    ContestSnapshot s;
    change(s);
    return s;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A valid journal text with one field replaced by raw JSON text.
QByteArray Edited(const QByteArray& key, const QByteArray& rawValue)
{
    ContestSnapshot s;
    s.PenaltySH = 1;
    QByteArray text = JournalText(s);
    const QRegularExpression field(QStringLiteral("\"%1\": [^,\\n]*").arg(QString::fromLatin1(key)));
    QString edited = QString::fromUtf8(text);
    if (rawValue.isNull())
        edited.replace(
            QRegularExpression(QStringLiteral("\\s*\"%1\": [^,\\n]*,").arg(QString::fromLatin1(key))),
            QString());
    else
        edited.replace(
            field, QStringLiteral("\"%1\": %2").arg(QString::fromLatin1(key), QString::fromLatin1(rawValue)));
    return edited.toUtf8();
}

} // namespace

class TestJournal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void roundTrip_data();
    void roundTrip();
    void restoredBoard_showsTheContest();
    void badJournal_data();
    void badJournal();
    void journalWithoutRules_isClassicInRegularTime();
    void restoredGoldenScore_goesOnCountingUp();
    void badJournal_neverOverwritesAnEarlierOne();
    void startState_leavesNoJournal_data();
    void startState_leavesNoJournal();
    void writer_writesChangesAndRunningClockOncePerSecond();
    // Before any board has really closed: a close ends the event loops, and
    // the question box would return at once after that.
    void closeQuestion_isYesNoWithNoTheDefault();
    void closeBox_data();
    void closeBox();
    void unwritableFolder_reportedOnceBoardGoesOn();
    void standardPath_inAppLocalData();

private:
    QString JournalFile() const { return m_folder->filePath(QStringLiteral("contest.json")); }

    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestJournal::initTestCase()
{
    kv::test::UseTestSettingsStore();
}

void TestJournal::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    UseContestJournal(JournalFile());
}

void TestJournal::cleanup()
{
    UseContestJournal(QString());
    m_folder.reset();
}

void TestJournal::roundTrip_data()
{
    QTest::addColumn<ContestSnapshot>("snapshot");
    QTest::newRow("PeriodLength") << With([](auto& s) { s.PeriodLength = Fixed4::FromRaw(2405000); });
    QTest::newRow("PeriodTime") << With([](auto& s) { s.PeriodTime = Fixed4::FromRaw(934567); });
    QTest::newRow("HoldHomeTime") << With([](auto& s) { s.HoldHomeTime = Fixed4::FromRaw(123456); });
    QTest::newRow("HoldVisitorTime") << With([](auto& s) { s.HoldVisitorTime = Fixed4::FromRaw(1199999); });
    QTest::newRow("PeriodRunning") << With([](auto& s) { s.PeriodRunning = true; });
    QTest::newRow("HoldHomeRunning") << With([](auto& s) { s.HoldHomeRunning = true; });
    QTest::newRow("HoldVisitorRunning") << With([](auto& s) { s.HoldVisitorRunning = true; });
    QTest::newRow("TimePin") << With([](auto& s) { s.TimePin = 39; });
    QTest::newRow("WHome") << With([](auto& s) { s.WHome = 1; });
    QTest::newRow("YHome blank") << With([](auto& s) { s.YHome = -1; });
    QTest::newRow("WVisitor") << With([](auto& s) { s.WVisitor = 1; });
    QTest::newRow("YVisitor") << With([](auto& s) { s.YVisitor = 9; });
    QTest::newRow("PenaltySH") << With([](auto& s) { s.PenaltySH = 3; });
    QTest::newRow("PenaltySV") << With([](auto& s) { s.PenaltySV = 4; });
    QTest::newRow("MedHome") << With([](auto& s) { s.MedHome = 2; });
    QTest::newRow("MedVisitor") << With([](auto& s) { s.MedVisitor = 1; });
    QTest::newRow("Ippon") << With([](auto& s) { s.Ippon = 2; });
    QTest::newRow("Winner") << With([](auto& s) { s.Winner = 1; });
    QTest::newRow("PlayedBuzzerPeriod") << With([](auto& s) {
        s.PeriodTime = Fixed4();
        s.PlayedBuzzerPeriod = true;
    });
    QTest::newRow("DelayPlayBuzzerPeriod") << With([](auto& s) {
        s.PeriodTime = Fixed4();
        s.HoldHomeTime = Fixed4::FromSeconds(12);
        s.TimePin = 37;
        s.DelayPlayBuzzerPeriod = true;
    });
    QTest::newRow("RuleSet") << With([](auto& s) {
        s.RuleSet = QStringLiteral("IJF 2025");
        s.PenaltySH = 2;
    });
    QTest::newRow("GoldenScore past the longest contest length") << With([](auto& s) {
        s.RuleSet = QStringLiteral("IJF 2018");
        s.GoldenScore = true;
        s.PeriodTime = Fixed4::FromRaw(7005000);
        s.Winner = 2;
    });
}

void TestJournal::roundTrip()
{
    QFETCH(ContestSnapshot, snapshot);

    // The text, the file, and the board restored from the file.
    const JournalReading reading = ParseJournal(JournalText(snapshot));
    QCOMPARE(int(reading.What), int(JournalReading::Kind::Contest));
    QVERIFY(reading.Snapshot == snapshot);

    ContestJournal journal(JournalFile());
    QVERIFY(journal.Write(snapshot));
    const std::optional<ContestSnapshot> read = journal.ReadForRestore();
    if (IsStartState(snapshot)) {
        QVERIFY(!read);
        return;
    }
    QVERIFY(read);
    QVERIFY(*read == snapshot);

    Board board;
    ContestSnapshot expected = snapshot;
    expected.PeriodRunning = expected.HoldHomeRunning = expected.HoldVisitorRunning = false;
    QVERIFY(board->Journal()->TakeSnapshot() == expected);
    QCOMPARE(board->windowTitle(), JournalKeeper::RestoredTitle);
    QVERIFY(!board->tkPeriod->Running());
}

void TestJournal::restoredBoard_showsTheContest()
{
    {
        // A contest under way; the board goes without closing, as in a crash.
        Board board;
        QTest::keyClick(board->tledPeriod, Qt::Key_S);
        QVERIFY(board->tkPeriod->Running());
        board.Advance(30'000);
        QTest::keyClick(board->tledPeriod, Qt::Key_Left);
        board.Advance(7'300);
        board->ShidoVisitor(1);
        board->ShidoVisitor(1); // a yuko for Home
        board->picMedHome->setFocus();
        QTest::keyClick(board->picMedHome, Qt::Key_Plus);
        board->Journal()->Update();
        board->Journal()->Flush();
        QVERIFY(QFile::exists(JournalFile()));
    }
    Board board;
    QCOMPARE(board->windowTitle(), JournalKeeper::RestoredTitle);
    QVERIFY(!board->tkPeriod->Running());
    QVERIFY(!board->tkHoldHome->Running());
    QCOMPARE(board->tledPeriod->Caption(), 83.0f); // 120 - 37.3 s, shown rounded up
    QCOMPARE(board->nledHoldHome->Value(), 7);
    QCOMPARE(board->nledYHome->Value(), 1);
    QCOMPARE(board->PenaltySV, qint16(2));
    QCOMPARE(board->MedHome, qint16(1));
    QCOMPARE(board->TimePin, 37);
    // Derived as usual: the marks are painted from the restored fields.
    QCOMPARE(board->shpVisitorS[2]->FillColor(), BoardSettings.HoldColor);
    QCOMPARE(board->shpVisitorS[3]->FillColor(), BoardSettings.FormBack);
    QCOMPARE(board->lblMedHome[0]->ForeColor(), BoardSettings.HoldColor);

    // The operator goes on with the start/stop key: the hold resumes too.
    QTest::keyClick(board->tledPeriod, Qt::Key_S);
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin"));
    QVERIFY(board->tkPeriod->Running());
    QVERIFY(board->tkHoldHome->Running());
}

void TestJournal::badJournal_data()
{
    using Kind = JournalReading::Kind;
    ContestSnapshot contest;
    contest.PenaltySH = 2;
    const QByteArray valid = JournalText(contest);
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::newRow("empty") << QByteArray() << int(Kind::Damaged);
    QTest::newRow("truncated") << valid.left(valid.size() / 2) << int(Kind::Damaged);
    QTest::newRow("binary junk") << QByteArray("\x00\xff\x13garbage", 10) << int(Kind::Damaged);
    QTest::newRow("json array") << QByteArray("[1, 2]") << int(Kind::Damaged);
    QTest::newRow("other format") << Edited("Format", "\"Other\"") << int(Kind::Damaged);
    QTest::newRow("no version") << Edited("Version", QByteArray()) << int(Kind::Damaged);
    QTest::newRow("field missing") << Edited("PenaltySV", QByteArray()) << int(Kind::Damaged);
    QTest::newRow("field mistyped") << Edited("PenaltySH", "\"2\"") << int(Kind::Damaged);
    QTest::newRow("fraction for a count") << Edited("MedHome", "1.5") << int(Kind::Damaged);
    QTest::newRow("too large") << valid + QByteArray(JournalMaxBytes, ' ') << int(Kind::Damaged);
    QTest::newRow("future version") << Edited("Version", "2") << int(Kind::FutureVersion);
    QTest::newRow("PenaltySH 5") << Edited("PenaltySH", "5") << int(Kind::OutOfRange);
    QTest::newRow("MedVisitor 3") << Edited("MedVisitor", "3") << int(Kind::OutOfRange);
    QTest::newRow("Ippon -1") << Edited("Ippon", "-1") << int(Kind::OutOfRange);
    QTest::newRow("TimePin 41") << Edited("TimePin", "41") << int(Kind::OutOfRange);
    QTest::newRow("nledWHome 10") << Edited("nledWHome", "10") << int(Kind::OutOfRange);
    QTest::newRow("PeriodLength 600") << Edited("PeriodLength", "600") << int(Kind::OutOfRange);
    QTest::newRow("tkPeriod negative") << Edited("tkPeriod", "-1") << int(Kind::OutOfRange);
    QTest::newRow("tkHoldHome huge") << Edited("tkHoldHome", "1e300") << int(Kind::OutOfRange);
    QTest::newRow("RuleSet unknown") << Edited("RuleSet", "\"IJF 2099\"") << int(Kind::OutOfRange);
    QTest::newRow("RuleSet a number") << Edited("RuleSet", "2025") << int(Kind::Damaged);
    QTest::newRow("GoldenScore a number") << Edited("GoldenScore", "1") << int(Kind::Damaged);
    QTest::newRow("tkPeriod 600 in regular time") << Edited("tkPeriod", "600") << int(Kind::OutOfRange);
}

void TestJournal::journalWithoutRules_isClassicInRegularTime()
{
    // A journal as the board wrote it before it knew rule sets.
    const QByteArray older = R"({
    "DelayPlayBuzzerPeriod": false,
    "Format": "Korvelin contest journal",
    "Ippon": 0,
    "MedHome": 0,
    "MedVisitor": 0,
    "PenaltySH": 1,
    "PenaltySV": 0,
    "PeriodLength": 240,
    "PlayedBuzzerPeriod": false,
    "Saved": "2025-03-01T10:00:00Z",
    "TimePin": 38,
    "Version": 1,
    "Winner": 0,
    "nledWHome": 1,
    "nledWVisitor": 0,
    "nledYHome": 0,
    "nledYVisitor": 2,
    "tkHoldHome": 0,
    "tkHoldHomeRunning": false,
    "tkHoldVisitor": 0,
    "tkHoldVisitorRunning": false,
    "tkPeriod": 100.5,
    "tkPeriodRunning": true
}
)";
    const JournalReading reading = ParseJournal(older);
    QCOMPARE(int(reading.What), int(JournalReading::Kind::Contest));
    QCOMPARE(reading.Snapshot.RuleSet, QStringLiteral("Classic"));
    QVERIFY(!reading.Snapshot.GoldenScore);

    // Restored on a board set to IJF 2025, the contest goes on as Classic.
    QVERIFY(WriteAll(JournalFile(), older));
    kv::test::FakeClock clock;
    kv::test::FakeWavePlayer player;
    BoardSettings = DefaultBoardSettings();
    BoardSettings.RuleSet = QStringLiteral("IJF 2025");
    frmScoreboard form;
    form.Load();
    QCOMPARE(BoardSettings.RuleSet, QStringLiteral("Classic"));
    QVERIFY(!form.GoldenScore);
    QCOMPARE(form.tledPeriod->Caption(), 101.0f);
    QVERIFY(form.shpHomeS[4]->Visible());
    QCOMPARE(form.nledYVisitor->Value(), 2);
}

void TestJournal::restoredGoldenScore_goesOnCountingUp()
{
    ContestSnapshot s;
    s.RuleSet = QStringLiteral("IJF 2025");
    s.GoldenScore = true;
    s.PeriodLength = Fixed4::FromSeconds(240);
    s.PeriodTime = Fixed4::FromSeconds(75);
    s.PeriodRunning = true;
    s.WHome = 1;
    s.WVisitor = 1;
    QVERIFY(ContestJournal(JournalFile()).Write(s));
    Board board;
    QCOMPARE(BoardSettings.RuleSet, QStringLiteral("IJF 2025"));
    QVERIFY(board->GoldenScore);
    QCOMPARE(board->Label25->Caption(), QStringLiteral("GOLDEN SCORE"));
    QCOMPARE(board->tledPeriod->Caption(), 75.0f);
    QVERIFY(!board->tkPeriod->Running());
    QTest::keyClick(board->tledPeriod, Qt::Key_S);
    board.Advance(2'000);
    QCOMPARE(board->tledPeriod->Caption(), 77.0f);
    // The first score still decides.
    board->nledYVisitor->setFocus();
    QTest::keyClick(board->nledYVisitor, Qt::Key_1);
    QCOMPARE(board->Winner, qint16(2));
    QVERIFY(!board->tkPeriod->Running());
}

void TestJournal::badJournal()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    QCOMPARE(int(ParseJournal(bytes).What), kind);

    QVERIFY(WriteAll(JournalFile(), bytes));
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("^Korvelin: contest journal .* kept as ")));
    Board board;

    // The board starts fresh, and the bad file is kept aside as it was.
    QVERIFY(board->Journal()->TakeSnapshot() == ContestSnapshot());
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin"));
    QVERIFY(!QFile::exists(JournalFile()));
    const QStringList aside = QDir(m_folder->path()).entryList({ QStringLiteral("contest-bad-*.json") });
    QCOMPARE(aside.size(), 1);
    QCOMPARE(ReadAll(m_folder->filePath(aside.first())), bytes);
}

void TestJournal::badJournal_neverOverwritesAnEarlierOne()
{
    const QString first = ContestJournal::AsideName(JournalFile());
    QVERIFY(WriteAll(first, "earlier"));
    const QString second = ContestJournal::AsideName(JournalFile());
    QVERIFY(second != first);
    QVERIFY(!QFile::exists(second));
}

void TestJournal::startState_leavesNoJournal_data()
{
    QTest::addColumn<bool>("resetAfterContest");
    QTest::newRow("after load") << false;
    QTest::newRow("after reset, typed length kept") << true;
}

void TestJournal::startState_leavesNoJournal()
{
    QFETCH(bool, resetAfterContest);
    Board board;
    if (resetAfterContest) {
        for (const auto key : { Qt::Key_3, Qt::Key_Return })
            QTest::keyClick(board->tledPeriod, key);
        QCOMPARE(PeriodLength, Fixed4::FromSeconds(180));
        board->ShidoHome(1);
        board->Journal()->Update();
        board->Journal()->Flush();
        QVERIFY(QFile::exists(JournalFile()));
        QTest::keyClick(board->tledPeriod, Qt::Key_R);
    }
    board.Advance(50);
    board->Journal()->Update();
    board->Journal()->Flush();
    QVERIFY(!QFile::exists(JournalFile()));
    QVERIFY(IsStartState(board->Journal()->TakeSnapshot()));
}

void TestJournal::writer_writesChangesAndRunningClockOncePerSecond()
{
    Board board;
    JournalKeeper* keeper = board->Journal();
    const auto tick = [&](int ticks) {
        for (int i = 0; i < ticks; ++i) {
            board.Advance(50);
            keeper->Update();
        }
    };
    board->ShidoHome(1);
    tick(1);
    QCOMPARE(keeper->Writes(), 1);
    tick(100); // five idle seconds
    QCOMPARE(keeper->Writes(), 1);

    QTest::keyClick(board->tledPeriod, Qt::Key_S);
    tick(1);
    QCOMPARE(keeper->Writes(), 2);
    tick(200); // ten running seconds
    QCOMPARE(keeper->Writes(), 12);
    keeper->Flush();
    const std::optional<ContestSnapshot> kept = ContestJournal(JournalFile()).ReadForRestore();
    QVERIFY(kept);
    QVERIFY(board->tkPeriod->Time() - kept->PeriodTime < Fixed4::FromSeconds(1));
    QVERIFY(kept->PeriodRunning);

    QTest::keyClick(board->tledPeriod, Qt::Key_S);
    tick(1);
    QCOMPARE(keeper->Writes(), 13);
    keeper->Flush();
    QVERIFY(!ContestJournal(JournalFile()).ReadForRestore()->PeriodRunning);
}

void TestJournal::closeBox_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("kept");
    QTest::newRow("running, no: stays open") << true << false << true << false << true;
    QTest::newRow("running, yes: closes, contest kept") << true << true << true << true << true;
    QTest::newRow("stopped: closes unasked, next run fresh") << false << true << false << true << false;
}

void TestJournal::closeBox()
{
    QFETCH(bool, running);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(bool, closed);
    QFETCH(bool, kept);
    FakeDialogs dialogs;
    dialogs.yesNo = { answer };
    Board board;
    board->ShidoVisitor(1);
    if (running)
        QTest::keyClick(board->tledPeriod, Qt::Key_S);
    board.Advance(50);
    board->Journal()->Update();
    board->Journal()->Flush();
    QVERIFY(QFile::exists(JournalFile()));

    QCOMPARE(board->close(), closed);
    QCOMPARE(dialogs.questions,
        asked ? QStringList { QStringLiteral("Close Korvelin|") + JournalKeeper::CloseQuestionText }
              : QStringList());
    QCOMPARE(board->isVisible(), !closed);
    const std::optional<ContestSnapshot> next = ContestJournal(JournalFile()).ReadForRestore();
    QCOMPARE(next.has_value(), kept);
    if (kept) {
        QCOMPARE(next->PenaltySV, qint16(1));
        QCOMPARE(next->PeriodRunning, running);
    }
}

void TestJournal::closeQuestion_isYesNoWithNoTheDefault()
{
    Board board;
    QTest::keyClick(board->tledPeriod, Qt::Key_S);
    QString text;
    bool noIsDefault = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QMessageBox* box = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* shown = qobject_cast<QMessageBox*>(window); shown && shown->isVisible())
                box = shown;
        if (box == nullptr)
            return;
        answer.stop();
        text = box->text();
        noIsDefault = box->defaultButton() == box->button(QMessageBox::No)
            && box->button(QMessageBox::Yes) != nullptr && box->icon() == QMessageBox::Question;
        QTest::keyClick(box, Qt::Key_Return); // the default answer
    });
    answer.start(10);
    QVERIFY(!board->close());
    QCOMPARE(text, QStringLiteral("A contest is running. Close Korvelin anyway?"));
    QVERIFY(noIsDefault);
    QVERIFY(board->isVisible());
    QVERIFY(board->tkPeriod->Running());
}

void TestJournal::unwritableFolder_reportedOnceBoardGoesOn()
{
    // A file where the folder should be: no write can succeed, even for root.
    QVERIFY(WriteAll(m_folder->filePath(QStringLiteral("blocked")), "not a folder"));
    UseContestJournal(m_folder->filePath(QStringLiteral("blocked/contest.json")));
    Board board;
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("^Korvelin: the contest cannot be saved")));
    board->ShidoHome(1);
    board->Journal()->Update();
    board->Journal()->Flush();
    QCOMPARE(board->windowTitle(), JournalKeeper::FailedTitle);

    QTest::failOnWarning(QRegularExpression(QStringLiteral("cannot be saved")));
    board->ShidoHome(1);
    board->Journal()->Update();
    board->Journal()->Flush();
    QTest::keyClick(board->tledPeriod, Qt::Key_S);
    board.Advance(1'000);
    board->Journal()->Update();
    board->Journal()->Flush();
    QVERIFY(board->tkPeriod->Running());
    QCOMPARE(board->PenaltySH, qint16(2));
    QCOMPARE(board->windowTitle(), JournalKeeper::FailedTitle);

    // The folder comes back: the next write succeeds and the title with it.
    QVERIFY(QFile::remove(m_folder->filePath(QStringLiteral("blocked"))));
    board.Advance(1'000);
    board->Journal()->Update();
    board->Journal()->Flush();
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin"));
    QVERIFY(QFile::exists(m_folder->filePath(QStringLiteral("blocked/contest.json"))));
}

void TestJournal::standardPath_inAppLocalData()
{
    QStandardPaths::setTestModeEnabled(true);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QCOMPARE(StandardJournalPath(), QDir(folder).filePath(QStringLiteral("contest.json")));
}

QTEST_MAIN(TestJournal)
#include "tst_journal.moc"
