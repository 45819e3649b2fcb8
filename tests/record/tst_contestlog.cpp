// The contest's events and its log: how a change of the scores is named,
// the undo bookkeeping, the log's limit and its JSON round trip.

#include "record/contestlog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

ContestEvent Change(EventKind kind, qint16 side, const ScoredState& before)
{
    ContestEvent event;
    event.Kind = kind;
    event.Side = side;
    event.Change = 1;
    event.Before = before;
    return event;
}

ContestEvent Plain(EventKind kind)
{
    ContestEvent event;
    event.Kind = kind;
    return event;
}

QJsonObject Parsed(const QByteArray& json)
{
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        qWarning("%s", qPrintable(error.errorString()));
    return document.object();
}

} // namespace

class TestContestLog : public QObject
{
    Q_OBJECT

private slots:
    void describeChange_data();
    void describeChange();
    void describeChange_nothingChanged();
    void eventText_data();
    void eventText();

    void append_numbersAndStamps();
    void undo_takesBackNewestChangeFirst();
    void undo_newChangeAfterUndoComesFirst();
    void limit_dropsOldestAndTheirUndo();

    void json_roundTripsEveryField();
    void json_followsEachNewEventAndTheLimit();
    void json_badEventsAreLeftOutTheRestKept();
    void json_notALog();
    void scoredState_outOfRangeRefused_data();
    void scoredState_outOfRangeRefused();
};

void TestContestLog::describeChange_data()
{
    QTest::addColumn<ScoredState>("before");
    QTest::addColumn<ScoredState>("after");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("change");
    QTest::addColumn<int>("count"); // -99: none

    const ScoredState start;
    QTest::newRow("first shido Home")
        << start << State([](auto& s) { s.PenaltySH = 1; }) << "Shido" << 1 << 1 << 1;
    QTest::newRow("second shido Visitor with the yuko it gives") << State(
        [](auto& s) { s.PenaltySV = 1; }) << State([](auto& s) {
        s.PenaltySV = 2;
        s.YHome = 1;
    }) << "Shido" << 2 << 1 << 2;
    QTest::newRow("fourth shido Home: ippon to Visitor") << State([](auto& s) {
        s.PenaltySH = 3;
        s.WVisitor = 1;
    }) << State([](auto& s) {
        s.PenaltySH = 4;
        s.Ippon = 2;
    }) << "Shido" << 1 << 1 << 4;
    QTest::newRow("shido taken back") << State([](auto& s) { s.PenaltySV = 2; })
                                      << State([](auto& s) { s.PenaltySV = 1; }) << "Shido" << 2 << -1 << 1;
    QTest::newRow("waza-ari Home typed")
        << start << State([](auto& s) { s.WHome = 1; }) << "WazaAri" << 1 << 1 << 1;
    QTest::newRow("second waza-ari Visitor becomes ippon")
        << State([](auto& s) { s.WVisitor = 1; }) << State([](auto& s) { s.Ippon = 2; }) << "WazaAri" << 2
        << 1 << 2;
    QTest::newRow("yuko Visitor taken away")
        << State([](auto& s) { s.YVisitor = 3; }) << State([](auto& s) { s.YVisitor = 2; }) << "Yuko" << 2
        << -1 << 2;
    QTest::newRow("score ending golden score names the score") << State(
        [](auto& s) { s.GoldenScore = true; }) << State([](auto& s) {
        s.GoldenScore = true;
        s.WHome = 1;
        s.Winner = 1;
    }) << "WazaAri" << 1 << 1 << 1;
    QTest::newRow("ippon Home") << start << State([](auto& s) { s.Ippon = 1; }) << "Ippon" << 1 << 1 << -99;
    QTest::newRow("ippon moved to Visitor")
        << State([](auto& s) { s.Ippon = 1; }) << State([](auto& s) { s.Ippon = 2; }) << "Ippon" << 2 << 1
        << -99;
    QTest::newRow("ippon taken from Visitor")
        << State([](auto& s) { s.Ippon = 2; }) << start << "Ippon" << 2 << -1 << -99;
    QTest::newRow("winner Home") << start << State([](auto& s) { s.Winner = 1; }) << "Winner" << 1 << 1
                                 << -99;
    QTest::newRow("medical Visitor") << start << State([](auto& s) { s.MedVisitor = 1; }) << "Medical" << 2
                                     << 1 << 1;
    QTest::newRow("golden score starts")
        << start << State([](auto& s) { s.GoldenScore = true; }) << "GoldenScore" << 0 << 1 << -99;
    QTest::newRow("typed contest length")
        << start << State([](auto& s) { s.PeriodLength = Fixed4::FromSeconds(180); }) << "ContestLength" << 0
        << 0 << -99;
}

void TestContestLog::describeChange()
{
    QFETCH(ScoredState, before);
    QFETCH(ScoredState, after);
    QFETCH(QString, kind);
    QFETCH(int, side);
    QFETCH(int, change);
    QFETCH(int, count);
    const std::optional<ContestEvent> event = DescribeChange(before, after);
    QVERIFY(event.has_value());
    QCOMPARE(EventKindName(event->Kind), kind);
    QCOMPARE(event->Side, side);
    QCOMPARE(event->Change, change);
    QCOMPARE(event->Count.value_or(-99), count);
}

void TestContestLog::describeChange_nothingChanged()
{
    const ScoredState s = State([](auto& s) {
        s.WHome = 1;
        s.PenaltySV = 2;
    });
    QVERIFY(!DescribeChange(s, s).has_value());
}

void TestContestLog::eventText_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("side");
    QTest::addColumn<QString>("text");
    QTest::newRow("shido Visitor") << int(EventKind::Shido) << 2 << "shido Visitor";
    QTest::newRow("waza-ari Home") << int(EventKind::WazaAri) << 1 << "waza-ari Home";
    QTest::newRow("yuko Home") << int(EventKind::Yuko) << 1 << "yuko Home";
    QTest::newRow("ippon Visitor") << int(EventKind::Ippon) << 2 << "ippon Visitor";
    QTest::newRow("medical Home") << int(EventKind::Medical) << 1 << "medical Home";
    QTest::newRow("winner Visitor") << int(EventKind::Winner) << 2 << "winner Visitor";
    QTest::newRow("golden score") << int(EventKind::GoldenScore) << 0 << "golden score";
    QTest::newRow("contest length") << int(EventKind::ContestLength) << 0 << "contest length";
    QTest::newRow("toketa Home") << int(EventKind::HoldEnded) << 1 << "toketa Home";
}

void TestContestLog::eventText()
{
    QFETCH(int, kind);
    QFETCH(int, side);
    QFETCH(QString, text);
    ContestEvent event;
    event.Kind = EventKind(kind);
    event.Side = static_cast<qint16>(side);
    QCOMPARE(EventText(event), text);
}

void TestContestLog::append_numbersAndStamps()
{
    ContestLog log(QDateTime(QDate(2025, 6, 1), QTime(10, 0)));
    const QDateTime before = QDateTime::currentDateTime();
    QCOMPARE(log.Append(Plain(EventKind::ClockStarted)).Seq, 1);
    ContestEvent timed = Plain(EventKind::ClockStopped);
    timed.Wall = QDateTime(QDate(2025, 6, 1), QTime(10, 1, 2, 345));
    QCOMPARE(log.Append(timed).Seq, 2);
    QCOMPARE(log.Append(Plain(EventKind::Reset)).Seq, 3);
    QCOMPARE(log.Events().size(), std::size_t(3));
    QVERIFY(log.Events()[0].Wall >= before);
    QCOMPARE(log.Events()[1].Wall, QDateTime(QDate(2025, 6, 1), QTime(10, 1, 2, 345)));
    QCOMPARE(log.NextUndo(), nullptr);
    // Two contests begun in the same millisecond still have names of their own.
    const ContestLog other(QDateTime(QDate(2025, 6, 1), QTime(10, 0)));
    QVERIFY(log.ContestId().startsWith(QStringLiteral("2025-06-01T10:00:00.000")));
    QVERIFY(other.ContestId() != log.ContestId());
}

void TestContestLog::undo_takesBackNewestChangeFirst()
{
    ContestLog log;
    const ScoredState start;
    const ScoredState oneShido = State([](auto& s) { s.PenaltySV = 1; });
    log.Append(Plain(EventKind::ClockStarted));
    const qint64 shido = log.Append(Change(EventKind::Shido, 2, start)).Seq;
    const qint64 wazaAri = log.Append(Change(EventKind::WazaAri, 1, oneShido)).Seq;
    log.Append(Plain(EventKind::ClockStopped));
    QCOMPARE(log.UndoDepth(), 2);
    QVERIFY(log.NextUndo());
    QCOMPARE(log.NextUndo()->Seq, wazaAri);
    QCOMPARE(*log.NextUndo()->Before, oneShido);

    ContestEvent undo = Plain(EventKind::Undo);
    undo.Undoes = wazaAri;
    log.Append(undo);
    QVERIFY(log.NextUndo());
    QCOMPARE(log.NextUndo()->Seq, shido);
    undo.Undoes = shido;
    log.Append(undo);
    QCOMPARE(log.NextUndo(), nullptr);
    QCOMPARE(log.UndoDepth(), 0);
    QCOMPARE(log.Events().size(), std::size_t(6));
}

void TestContestLog::undo_newChangeAfterUndoComesFirst()
{
    ContestLog log;
    const qint64 first = log.Append(Change(EventKind::Yuko, 1, ScoredState())).Seq;
    const qint64 second = log.Append(Change(EventKind::Yuko, 1, ScoredState())).Seq;
    ContestEvent undo = Plain(EventKind::Undo);
    undo.Undoes = second;
    log.Append(undo);
    const qint64 third = log.Append(Change(EventKind::Medical, 2, ScoredState())).Seq;
    QCOMPARE(log.NextUndo()->Seq, third);
    undo.Undoes = third;
    log.Append(undo);
    QCOMPARE(log.NextUndo()->Seq, first);
}

void TestContestLog::limit_dropsOldestAndTheirUndo()
{
    ContestLog log;
    for (qsizetype i = 0; i < ContestLog::MaxEvents + 10; ++i)
        log.Append(Change(EventKind::Medical, 1, ScoredState()));
    QCOMPARE(static_cast<qsizetype>(log.Events().size()), ContestLog::MaxEvents);
    QCOMPARE(log.Dropped(), 10);
    QCOMPARE(log.Events().front().Seq, 11);
    QCOMPARE(log.UndoDepth(), ContestLog::MaxEvents);
    QCOMPARE(log.NextUndo()->Seq, ContestLog::MaxEvents + 10);
}

void TestContestLog::json_followsEachNewEventAndTheLimit()
{
    // The text is kept between events: a new one, or one dropped at the
    // limit, must show in the next text.
    ContestLog log(QDateTime(QDate(2025, 6, 1), QTime(9, 30)));
    QCOMPARE(Parsed(log.JsonText()).value(QStringLiteral("Events")).toArray().size(), 0);
    log.Append(Change(EventKind::Medical, 1, ScoredState()));
    QCOMPARE(Parsed(log.JsonText()).value(QStringLiteral("Events")).toArray().size(), 1);
    for (qsizetype i = 1; i < ContestLog::MaxEvents + 3; ++i) {
        log.Append(Change(EventKind::Medical, 1, ScoredState()));
        if (i == ContestLog::MaxEvents - 1)
            QCOMPARE(Parsed(log.JsonText()).value(QStringLiteral("Dropped")).toInteger(), 0);
    }
    const QJsonObject object = Parsed(log.JsonText());
    QCOMPARE(object.value(QStringLiteral("Dropped")).toInteger(), 3);
    const QJsonArray events = object.value(QStringLiteral("Events")).toArray();
    QCOMPARE(events.size(), ContestLog::MaxEvents);
    QCOMPARE(events.last().toObject().value(QStringLiteral("Seq")).toInteger(), ContestLog::MaxEvents + 3);
}

void TestContestLog::json_roundTripsEveryField()
{
    ContestLog log(QDateTime(QDate(2025, 6, 1), QTime(9, 30, 0, 125)));
    ContestEvent hold = Plain(EventKind::HoldEnded);
    hold.Side = 2;
    hold.Clock = Fixed4::FromRaw(1'234'567);
    hold.Seconds = Fixed4::FromRaw(123'400);
    log.Append(hold);
    ContestEvent shido = Change(EventKind::Shido, 1, State([](auto& s) {
        s.PenaltySH = 1;
        s.WVisitor = -1;
        s.MedHome = 2;
        s.PeriodLength = Fixed4::FromRaw(2'405'000);
        s.GoldenScore = true;
    }));
    shido.Count = 2;
    log.Append(shido);
    ContestEvent undo = Plain(EventKind::Undo);
    undo.Side = 1;
    undo.Change = -1;
    undo.Undoes = 2;
    log.Append(undo);
    ContestEvent length = Change(EventKind::ContestLength, 0, ScoredState());
    length.Change = 0;
    length.Seconds = Fixed4::FromSeconds(240);
    log.Append(length);

    const QByteArray json = log.JsonText();
    const ContestLog::Reading reading = ContestLog::FromJson(Parsed(json));
    QVERIFY(reading.IsLog);
    QCOMPARE(reading.Damaged, 0);
    QCOMPARE(reading.Log.Started(), QDateTime(QDate(2025, 6, 1), QTime(9, 30, 0, 125)));
    QCOMPARE(reading.Log.ContestId(), log.ContestId());
    QCOMPARE(reading.Log.Events().size(), log.Events().size());
    for (std::size_t i = 0; i < log.Events().size(); ++i)
        QVERIFY2(reading.Log.Events()[i] == log.Events()[i], qPrintable(QString::number(i)));
    // The shido was undone: only the typed length is left to take back.
    QCOMPARE(reading.Log.UndoDepth(), 1);
    QCOMPARE(reading.Log.NextUndo()->Seq, 4);
    QCOMPARE(reading.Log.JsonText(), json);
    // A hold's seconds and a side as the file writes them.
    QVERIFY(json.contains(R"("Kind":"HoldEnded")"));
    QVERIFY(json.contains(R"("Seconds":12.34)"));
    QVERIFY(json.contains(R"("Side":"Visitor")"));
}

void TestContestLog::json_badEventsAreLeftOutTheRestKept()
{
    ContestLog log(QDateTime(QDate(2025, 6, 1), QTime(9, 30)));
    log.Append(Change(EventKind::Yuko, 1, ScoredState()));
    log.Append(Plain(EventKind::ClockStarted));
    log.Append(Change(EventKind::Yuko, 2, ScoredState()));
    QJsonObject object = Parsed(log.JsonText());
    QJsonArray events = object.value(QStringLiteral("Events")).toArray();
    QJsonObject unknownKind = events.at(1).toObject();
    unknownKind.insert(QStringLiteral("Kind"), QStringLiteral("Teleport"));
    events.replace(1, unknownKind);
    QJsonObject badBefore = events.at(2).toObject();
    QJsonObject state = badBefore.value(QStringLiteral("Before")).toObject();
    state.insert(QStringLiteral("PenaltySH"), 7);
    badBefore.insert(QStringLiteral("Before"), state);
    events.replace(2, badBefore);
    events.append(events.at(0)); // a Seq that does not rise
    events.append(QStringLiteral("not an event"));
    object.insert(QStringLiteral("Events"), events);

    const ContestLog::Reading reading = ContestLog::FromJson(object);
    QVERIFY(reading.IsLog);
    QCOMPARE(reading.Damaged, 4);
    QCOMPARE(reading.Log.Events().size(), std::size_t(1));
    QCOMPARE(reading.Log.NextUndo()->Seq, 1);
    // The next event goes on from the numbers already used.
    ContestLog continued = reading.Log;
    QCOMPARE(continued.Append(Plain(EventKind::Reset)).Seq, 2);
}

void TestContestLog::json_notALog()
{
    QVERIFY(!ContestLog::FromJson(QJsonObject()).IsLog);
    QVERIFY(!ContestLog::FromJson(Parsed(R"({"Started":"yesterday","Events":[]})")).IsLog);
    QVERIFY(
        !ContestLog::FromJson(Parsed(R"({"Started":"2025-06-01T10:00:00.000+02:00","Events":{}})")).IsLog);
}

void TestContestLog::scoredState_outOfRangeRefused_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("waza-ari 9") << "nledWHome" << QJsonValue(9) << true;
    QTest::newRow("waza-ari 10") << "nledWHome" << QJsonValue(10) << false;
    QTest::newRow("yuko blank -1") << "nledYVisitor" << QJsonValue(-1) << true;
    QTest::newRow("yuko -2") << "nledYVisitor" << QJsonValue(-2) << false;
    QTest::newRow("shido 5") << "PenaltySV" << QJsonValue(5) << false;
    QTest::newRow("medical 3") << "MedHome" << QJsonValue(3) << false;
    QTest::newRow("ippon 3") << "Ippon" << QJsonValue(3) << false;
    QTest::newRow("winner as text") << "Winner" << QJsonValue(QStringLiteral("1")) << false;
    QTest::newRow("half a shido") << "PenaltySH" << QJsonValue(1.5) << false;
    QTest::newRow("length 9:59") << "PeriodLength" << QJsonValue(599) << true;
    QTest::newRow("length 10:00") << "PeriodLength" << QJsonValue(600) << false;
    QTest::newRow("golden score as number") << "GoldenScore" << QJsonValue(1) << false;
}

void TestContestLog::scoredState_outOfRangeRefused()
{
    QFETCH(QString, key);
    QFETCH(QJsonValue, value);
    QFETCH(bool, accepted);
    QJsonObject object = ScoredStateToJson(ScoredState());
    object.insert(key, value);
    QCOMPARE(ScoredStateFromJson(object).has_value(), accepted);
}

QTEST_GUILESS_MAIN(TestContestLog)
#include "tst_contestlog.moc"
