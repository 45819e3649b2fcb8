// The day's results: how a contest's end is recorded, the CSV quoting, the
// two files on disk (damaged, torn, unwritable) and reading a day back.

#include "record/contestlog.h"
#include "record/resultsfiles.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace kv;

Q_DECLARE_METATYPE(kv::ScoredState)

namespace {

ScoredState State(const std::function<void(ScoredState&)>& change)
{
    ScoredState s;
    change(s);
    return s;
}

ContestResult Result(const QTime& ended, const QString& home, const QString& visitor, const QString& contest)
{
    ContestResult r;
    r.Ended = QDateTime(QDate(2025, 6, 1), ended);
    r.Board = QStringLiteral("Mat 2");
    r.RuleSet = QStringLiteral("Classic");
    r.Home.Name = home;
    r.Visitor.Name = visitor;
    r.Home.Ippon = true;
    r.Visitor.Yuko = 1;
    r.Visitor.Shido = 2;
    r.Winner = 1;
    r.How = how::Ippon;
    r.RegularTime = Fixed4::FromRaw(1'003'000); // 100.3 s
    r.Contest = contest;
    return r;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList Names(const ResultsListing& listing)
{
    QStringList names;
    for (const ContestResult& result : listing.Results)
        names << result.Home.Name;
    return names;
}

} // namespace

class TestResults : public QObject
{
    Q_OBJECT

private slots:
    void decide_data();
    void decide();

    void csvField_data();
    void csvField();
    void csv_everyTextRoundTrips();
    void csv_resultRow();
    void csv_resultRoundTrips();

    void jsonLine_resultAndLogRoundTrip();
    void jsonLine_damagedRefused_data();
    void jsonLine_damagedRefused();

    void files_firstAppendWritesHeader();
    void files_damagedJsonLinesSkippedAndNextAppendWhole();
    void files_damagedCsvEndClosedBeforeNextRow();
    void read_onlyTheDayNewestFirst();
    void read_correctedResultShowsOnce();
    void read_longLinesAcrossBlocks();
    void read_overLongLineSkipped();

    void writer_unwritableReportedOnceAndKept();
};

void TestResults::decide_data()
{
    QTest::addColumn<ScoredState>("state");
    QTest::addColumn<int>("hansokuShido");
    QTest::addColumn<bool>("goldenScore");
    QTest::addColumn<int>("winner");
    QTest::addColumn<QString>("how");

    QTest::newRow("ippon Home") << State([](auto& s) { s.Ippon = 1; }) << 4 << false << 1 << "ippon";
    QTest::newRow("two waza-ari made ippon Visitor") << State([](auto& s) {
        s.Ippon = 2;
        s.YHome = 1;
    }) << 4 << false << 2 << "ippon";
    QTest::newRow("fourth shido (Classic) Visitor") << State([](auto& s) {
        s.Ippon = 1;
        s.PenaltySV = 4;
        s.YHome = 0;
    }) << 4 << false << 1 << "hansoku-make";
    QTest::newRow("third shido (IJF) Home") << State([](auto& s) {
        s.Ippon = 2;
        s.Winner = 2;
        s.PenaltySH = 3;
    }) << 3 << false << 2 << "hansoku-make";
    QTest::newRow("third shido is no hansoku-make in Classic") << State([](auto& s) {
        s.Ippon = 2;
        s.PenaltySH = 3;
    }) << 4 << false << 2 << "ippon";
    QTest::newRow("waza-ari ahead at the end of time") << State([](auto& s) {
        s.WHome = 1;
        s.YVisitor = 3;
        s.Winner = 1;
    }) << 3 << false << 1 << "waza-ari";
    QTest::newRow("yuko ahead at the end of time") << State([](auto& s) {
        s.WHome = 1;
        s.WVisitor = 1;
        s.YVisitor = 2;
        s.YHome = 1;
        s.Winner = 2;
    }) << 3 << false << 2 << "yuko";
    QTest::newRow("waza-ari in golden score") << State([](auto& s) {
        s.WVisitor = 1;
        s.Winner = 2;
        s.GoldenScore = true;
    }) << 3 << true << 2 << "golden score";
    QTest::newRow("yuko in golden score") << State([](auto& s) {
        s.YHome = 1;
        s.Winner = 1;
        s.GoldenScore = true;
    }) << 3 << true << 1 << "golden score";
    QTest::newRow("ippon in golden score") << State([](auto& s) {
        s.Ippon = 1;
        s.Winner = 1;
        s.GoldenScore = true;
    }) << 3 << true << 1 << "ippon";
    QTest::newRow("decision after the golden-score limit") << State([](auto& s) {
        s.WHome = 1;
        s.WVisitor = 1;
        s.Winner = 2;
        s.GoldenScore = true;
    }) << 3 << true << 2 << "decision";
    QTest::newRow("shido never decide: decision") << State([](auto& s) {
        s.PenaltySV = 2;
        s.Winner = 1;
    }) << 3 << false << 1 << "decision";
    QTest::newRow("winner behind in the scores: decision") << State([](auto& s) {
        s.YHome = 2;
        s.Winner = 2;
    }) << 4 << false << 2 << "decision";
    QTest::newRow("blank display counts as 0") << State([](auto& s) {
        s.WHome = -1;
        s.YHome = 1;
        s.Winner = 1;
    }) << 3 << false << 1 << "yuko";
    QTest::newRow("reset after scoring: no winner")
        << State([](auto& s) { s.WHome = 1; }) << 4 << false << 0 << "";
    QTest::newRow("both hansoku-make: no winner") << State([](auto& s) {
        s.PenaltySH = 3;
        s.PenaltySV = 3;
    }) << 3 << false << 0 << "";
}

void TestResults::decide()
{
    QFETCH(ScoredState, state);
    QFETCH(int, hansokuShido);
    QFETCH(bool, goldenScore);
    QFETCH(int, winner);
    QFETCH(QString, how);
    QCOMPARE(DecideWinner(state), winner);
    QCOMPARE(DecideHow(state, DecideWinner(state), static_cast<qint16>(hansokuShido), goldenScore), how);

    // The record of that ending reads back the same from both files.
    QTemporaryDir folder;
    ContestResult result
        = Result(QTime(12, 0), QStringLiteral("H"), QStringLiteral("V"), QStringLiteral("c"));
    result.Winner = static_cast<qint16>(winner);
    result.How = how;
    ResultsFiles files(folder.path());
    QVERIFY(files.AppendCsv(CsvRow(ResultCsvFields(result))));
    QVERIFY(files.AppendJson(ResultJsonLine(result, nullptr)));
    const ResultsListing listing = ReadResults(files.JsonPath(), QDate(2025, 6, 1));
    QCOMPARE(listing.Results.size(), std::size_t(1));
    QCOMPARE(listing.Results[0].Winner, winner);
    QCOMPARE(listing.Results[0].How, how);
    const std::vector<QStringList> rows = ParseCsv(ReadAll(files.CsvPath()));
    QCOMPARE(rows.size(), std::size_t(2));
    QCOMPARE(rows[1].at(6), QString(winner == 1 ? "Home" : (winner == 2 ? "Visitor" : "")));
    QCOMPARE(rows[1].at(8), how);
}

void TestResults::csvField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("plain") << "Tanaka" << QByteArray("Tanaka");
    QTest::newRow("empty") << "" << QByteArray("");
    QTest::newRow("comma") << "Smith, John" << QByteArray("\"Smith, John\"");
    QTest::newRow("quote") << "O\"Brien" << QByteArray("\"O\"\"Brien\"");
    QTest::newRow("line feed") << "Two\nlines" << QByteArray("\"Two\nlines\"");
    QTest::newRow("CR LF") << "Two\r\nlines" << QByteArray("\"Two\r\nlines\"");
    QTest::newRow("leading blank") << " Kim" << QByteArray("\" Kim\"");
    QTest::newRow("trailing blank") << "Kim " << QByteArray("\"Kim \"");
    QTest::newRow("Japanese") << "山田 太郎"
                              << QByteArray("\xE5\xB1\xB1\xE7\x94\xB0 \xE5\xA4\xAA\xE9\x83\x8E");
    QTest::newRow("formula") << "=1+2" << QByteArray("'=1+2");
    QTest::newRow("minus") << "-Kim" << QByteArray("'-Kim");
    QTest::newRow("plus") << "+7" << QByteArray("'+7");
    QTest::newRow("at") << "@dojo" << QByteArray("'@dojo");
    QTest::newRow("apostrophe") << "'Ali" << QByteArray("''Ali");
    QTest::newRow("formula with comma") << "=SUM(A1,A2)" << QByteArray("\"'=SUM(A1,A2)\"");
}

void TestResults::csvField()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, field);
    QCOMPARE(CsvField(text), field);
    const std::vector<QStringList> rows = ParseCsv(CsvRow({ text }));
    QCOMPARE(rows.size(), std::size_t(1));
    QCOMPARE(rows[0], QStringList { text });
}

void TestResults::csv_everyTextRoundTrips()
{
    const QStringList texts { QStringLiteral("Smith, J."), QStringLiteral("\"Big\" Ben"),
        QStringLiteral("line one\nline two"), QStringLiteral("a\r\nb\rc"), QStringLiteral("Ōno Shōhei"),
        QStringLiteral("Teddy Riner 🥋"), QStringLiteral("محمد علي"), QStringLiteral("Иванов"),
        QStringLiteral("김민종"), QStringLiteral("=HYPERLINK(\"x\")"), QStringLiteral("''"), QString(),
        QStringLiteral(","), QStringLiteral("\""), QStringLiteral(" ") };
    const QByteArray text = "\xEF\xBB\xBF" + CsvRow(texts) + CsvRow(texts);
    const std::vector<QStringList> rows = ParseCsv(text);
    QCOMPARE(rows.size(), std::size_t(2));
    QCOMPARE(rows[0], texts);
    QCOMPARE(rows[1], texts);
    // Rows ended by a bare line feed read the same.
    QCOMPARE(ParseCsv(CsvRow({ QStringLiteral("x") }).chopped(2) + "\n" + CsvRow({ QStringLiteral("y") })),
        (std::vector<QStringList> { { QStringLiteral("x") }, { QStringLiteral("y") } }));
}

void TestResults::csv_resultRow()
{
    ContestResult r = Result(QTime(14, 5, 9), QStringLiteral("Smith, J."), QStringLiteral("Ōno \"Big\""),
        QStringLiteral("2025-06-01T14:01:00.000+02:00"));
    r.GoldenScoreTime = Fixed4::FromRaw(125'000);
    QCOMPARE(CsvRow(ResultCsvHeader()),
        QByteArray(
            "Date,Time,Board,Home,Visitor,RuleSet,Winner,WinnerName,How,HomeIppon,HomeWazaAri,HomeYuko,"
            "HomeShido,VisitorIppon,VisitorWazaAri,VisitorYuko,VisitorShido,RegularSeconds,"
            "GoldenScoreSeconds,Contest\r\n"));
    QCOMPARE(CsvRow(ResultCsvFields(r)),
        QByteArray("2025-06-01,14:05:09,Mat 2,\"Smith, J.\",\"\xC5\x8Cno \"\"Big\"\"\",Classic,Home,"
                   "\"Smith, J.\",ippon,1,0,0,0,0,0,1,2,100.3,12.5,2025-06-01T14:01:00.000+02:00\r\n"));
}

void TestResults::csv_resultRoundTrips()
{
    ContestResult r = Result(QTime(14, 5, 9), QStringLiteral("Line\nbreak, \"and\" more"),
        QStringLiteral("-山田"), QStringLiteral("2025-06-01T14:01:00.000+02:00"));
    r.Board = QStringLiteral("=Mat, 1");
    r.RuleSet = QStringLiteral("IJF 2025");
    r.Visitor.WazaAri = 9;
    r.Home.Shido = 4;
    const std::vector<QStringList> rows = ParseCsv(CsvRow(ResultCsvFields(r)));
    QCOMPARE(rows.size(), std::size_t(1));
    const std::optional<ContestResult> back = ResultFromCsvFields(rows[0]);
    QVERIFY(back.has_value());
    QCOMPARE(back->Home.Name, r.Home.Name);
    QCOMPARE(back->Visitor.Name, r.Visitor.Name);
    QCOMPARE(back->Board, r.Board);
    QVERIFY(*back == r);
    // A row of another length is not a result.
    QVERIFY(!ResultFromCsvFields(rows[0].mid(1)).has_value());
}

void TestResults::jsonLine_resultAndLogRoundTrip()
{
    ContestLog log(QDateTime(QDate(2025, 6, 1), QTime(14, 1)));
    ContestEvent event;
    event.Kind = EventKind::Shido;
    event.Side = 2;
    event.Change = 1;
    event.Before = ScoredState();
    log.Append(event);
    // A name that spells the log's own marker stays a name.
    const ContestResult r = Result(
        QTime(14, 5, 9), QStringLiteral(",\"Log\":"), QStringLiteral("Ōno\n\"Big\""), log.ContestId());
    const QByteArray line = ResultJsonLine(r, &log);
    QVERIFY(!line.contains('\n'));
    QVERIFY(line.endsWith(",\"Log\":" + log.JsonText() + "}"));
    const std::optional<ContestResult> back = ParseResultLine(line);
    QVERIFY(back.has_value());
    QVERIFY(*back == r);
    QCOMPARE(back->Home.Name, QStringLiteral(",\"Log\":"));
    QVERIFY(ParseResultLine(ResultJsonLine(r, nullptr)) == back);
}

void TestResults::jsonLine_damagedRefused_data()
{
    QTest::addColumn<QByteArray>("line");
    const QByteArray good = ResultJsonLine(Result(QTime(9, 0), "A", "B", "c"), nullptr);
    QTest::newRow("torn") << good.left(good.size() / 2);
    QTest::newRow("not JSON") << QByteArray("hello, world");
    QTest::newRow("NUL bytes") << QByteArray(40, '\0');
    QTest::newRow("other JSON") << QByteArray(R"({"Format":"something else"})");
    QTest::newRow("shido 7") << QByteArray(good).replace("\"HomeShido\":0", "\"HomeShido\":7");
    QTest::newRow("count as text") << QByteArray(good).replace("\"HomeYuko\":0", "\"HomeYuko\":\"0\"");
    QTest::newRow("no date") << QByteArray(good).replace("\"Date\"", "\"Datum\"");
}

void TestResults::jsonLine_damagedRefused()
{
    QFETCH(QByteArray, line);
    QVERIFY(!ParseResultLine(line).has_value());
}

void TestResults::files_firstAppendWritesHeader()
{
    QTemporaryDir folder;
    ResultsFiles files(folder.filePath(QStringLiteral("new/sub")));
    const ContestResult r = Result(QTime(9, 0), "A", "B", "c");
    QVERIFY(files.AppendCsv(CsvRow(ResultCsvFields(r))));
    QVERIFY(files.AppendCsv(CsvRow(ResultCsvFields(r))));
    const QByteArray csv = ReadAll(files.CsvPath());
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"
                           "Date,Time,Board,"));
    QCOMPARE(csv.count("Date,Time"), 1);
    QCOMPARE(ParseCsv(csv).size(), std::size_t(3));
    QVERIFY(files.AppendJson(ResultJsonLine(r, nullptr)));
    QCOMPARE(ReadAll(files.JsonPath()), ResultJsonLine(r, nullptr) + "\n");
}

void TestResults::files_damagedJsonLinesSkippedAndNextAppendWhole()
{
    QTemporaryDir folder;
    ResultsFiles files(folder.path());
    const QByteArray first = ResultJsonLine(Result(QTime(9, 0), "First", "x", "1"), nullptr);
    const QByteArray torn = ResultJsonLine(Result(QTime(9, 30), "Torn", "x", "2"), nullptr).left(60);
    // A good line, rubbish, zeros a power cut left, and a line torn off.
    WriteAll(files.JsonPath(), first + "\n{not json\n" + QByteArray(16, '\0') + "\n" + torn);
    QVERIFY(files.AppendJson(ResultJsonLine(Result(QTime(10, 0), "Next", "x", "3"), nullptr)));
    const QByteArray text = ReadAll(files.JsonPath());
    QVERIFY(
        text.endsWith(torn + "\n" + ResultJsonLine(Result(QTime(10, 0), "Next", "x", "3"), nullptr) + "\n"));
    const ResultsListing listing = ReadResults(files.JsonPath(), QDate(2025, 6, 1));
    QCOMPARE(Names(listing), (QStringList { "Next", "First" }));
    QCOMPARE(listing.Damaged, 3);
    QVERIFY(listing.Error.isEmpty());
}

void TestResults::files_damagedCsvEndClosedBeforeNextRow()
{
    QTemporaryDir folder;
    ResultsFiles files(folder.path());
    const ContestResult r = Result(QTime(9, 0), "Smith, J.", "B", "c");
    QVERIFY(files.AppendCsv(CsvRow(ResultCsvFields(r))));
    // Someone's edit left rubbish and an open quote at the end.
    QByteArray csv = ReadAll(files.CsvPath());
    csv += "rubbish;;\r\n2025-06-01,\"Half a na";
    WriteAll(files.CsvPath(), csv);
    QVERIFY(files.AppendCsv(CsvRow(ResultCsvFields(r))));
    const std::vector<QStringList> rows = ParseCsv(ReadAll(files.CsvPath()));
    QCOMPARE(rows.size(), std::size_t(5));
    QCOMPARE(rows[1], ResultCsvFields(r));
    QCOMPARE(rows[4], ResultCsvFields(r));
}

void TestResults::read_onlyTheDayNewestFirst()
{
    QTemporaryDir folder;
    ResultsFiles files(folder.path());
    ContestResult yesterday = Result(QTime(20, 0), "Yesterday", "x", "y");
    yesterday.Ended = yesterday.Ended.addDays(-1);
    QVERIFY(files.AppendJson(ResultJsonLine(yesterday, nullptr)));
    QVERIFY(files.AppendJson(ResultJsonLine(Result(QTime(9, 0), "Nine", "x", "a"), nullptr)));
    QVERIFY(files.AppendJson(ResultJsonLine(Result(QTime(9, 7), "Nine seven", "x", "b"), nullptr)));
    QVERIFY(files.AppendJson(ResultJsonLine(Result(QTime(11, 0), "Eleven", "x", "c"), nullptr)));
    QCOMPARE(Names(ReadResults(files.JsonPath(), QDate(2025, 6, 1))),
        (QStringList { "Eleven", "Nine seven", "Nine" }));
    QCOMPARE(Names(ReadResults(files.JsonPath(), QDate(2025, 5, 31))), QStringList { "Yesterday" });
    QVERIFY(ReadResults(files.JsonPath(), QDate(2025, 6, 2)).Results.empty());
    // No file yet: nothing, and no error.
    const ResultsListing none = ReadResults(folder.filePath(QStringLiteral("none.jsonl")), QDate(2025, 6, 1));
    QVERIFY(none.Results.empty());
    QVERIFY(none.Error.isEmpty());
}

void TestResults::read_correctedResultShowsOnce()
{
    QTemporaryDir folder;
    ResultsFiles files(folder.path());
    ContestResult first = Result(QTime(9, 0), "Home wins", "x", "contest-1");
    QVERIFY(files.AppendJson(ResultJsonLine(first, nullptr)));
    QVERIFY(files.AppendJson(ResultJsonLine(Result(QTime(9, 5), "Other", "x", "contest-2"), nullptr)));
    ContestResult corrected = first;
    corrected.Ended = corrected.Ended.addSecs(600);
    corrected.Home.Name = QStringLiteral("Corrected");
    QVERIFY(files.AppendJson(ResultJsonLine(corrected, nullptr)));
    QCOMPARE(Names(ReadResults(files.JsonPath(), QDate(2025, 6, 1))), (QStringList { "Corrected", "Other" }));
}

void TestResults::read_longLinesAcrossBlocks()
{
    QTemporaryDir folder;
    ResultsFiles files(folder.path());
    // Logs of a full log's size make lines longer than a read block.
    QStringList expected;
    for (int contest = 0; contest < 4; ++contest) {
        ContestLog log(QDateTime(QDate(2025, 6, 1), QTime(9, contest)));
        for (qsizetype i = 0; i < ContestLog::MaxEvents; ++i) {
            ContestEvent event;
            event.Kind = EventKind::Medical;
            event.Side = 1;
            event.Before = ScoredState();
            log.Append(event);
        }
        const QString name = QStringLiteral("Long %1").arg(contest);
        QVERIFY(
            files.AppendJson(ResultJsonLine(Result(QTime(10, contest), name, "x", log.ContestId()), &log)));
        QVERIFY(files.AppendJson(ResultJsonLine(
            Result(QTime(10, contest, 30), QStringLiteral("Short %1").arg(contest), "x", name), nullptr)));
        expected.prepend(name);
        expected.prepend(QStringLiteral("Short %1").arg(contest));
    }
    QVERIFY(QFileInfo(files.JsonPath()).size() > 4 * 256 * 1024);
    const ResultsListing listing = ReadResults(files.JsonPath(), QDate(2025, 6, 1));
    QCOMPARE(Names(listing), expected);
    QCOMPARE(listing.Damaged, 0);
}

void TestResults::read_overLongLineSkipped()
{
    QTemporaryDir folder;
    ResultsFiles files(folder.path());
    QVERIFY(files.AppendJson(ResultJsonLine(Result(QTime(9, 0), "Before", "x", "a"), nullptr)));
    QVERIFY(files.AppendJson(QByteArray(17 * 1024 * 1024, 'x')));
    QVERIFY(files.AppendJson(ResultJsonLine(Result(QTime(9, 5), "After", "x", "b"), nullptr)));
    const ResultsListing listing = ReadResults(files.JsonPath(), QDate(2025, 6, 1));
    QCOMPARE(Names(listing), (QStringList { "After", "Before" }));
    QCOMPARE(listing.Damaged, 1);
}

void TestResults::writer_unwritableReportedOnceAndKept()
{
    QTemporaryDir base;
    // The data folder's place is taken by a file: nothing can be written.
    const QString folder = base.filePath(QStringLiteral("data"));
    WriteAll(folder, "not a folder");
    ResultsWriter writer(folder);
    QSignalSpy failing(&writer, &ResultsWriter::FailingChanged);
    QSignalSpy written(&writer, &ResultsWriter::Written);
    writer.Append(Result(QTime(9, 0), "One", "x", "1"), nullptr);
    writer.Flush();
    writer.Append(Result(QTime(9, 5), "Two", "x", "2"), nullptr);
    writer.Flush();
    QCOMPARE(failing.size(), 1);
    QCOMPARE(failing.at(0).at(0).toBool(), true);
    QVERIFY(failing.at(0).at(1).toString().contains(QStringLiteral("results.jsonl")));
    QVERIFY(writer.Failing());
    QCOMPARE(written.size(), 0);

    // Once the folder can be made, the waiting results go first.
    QVERIFY(QFile::remove(folder));
    writer.Append(Result(QTime(9, 10), "Three", "x", "3"), nullptr);
    writer.Flush();
    QCOMPARE(failing.size(), 2);
    QCOMPARE(failing.at(1).at(0).toBool(), false);
    QVERIFY(!writer.Failing());
    QVERIFY(written.size() >= 1);
    QCOMPARE(Names(ReadResults(QDir(folder).filePath(ResultsJsonName), QDate(2025, 6, 1))),
        (QStringList { "Three", "Two", "One" }));
    QCOMPARE(ParseCsv(ReadAll(QDir(folder).filePath(ResultsCsvName))).size(), std::size_t(4));
}

QTEST_GUILESS_MAIN(TestResults)
#include "tst_results.moc"
