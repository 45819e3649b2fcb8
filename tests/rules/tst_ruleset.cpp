// The rule table and its decisions, without a board: hold scores at each
// threshold, the decision on scores when time runs out, the stored names.

#include "rules/ruleset.h"

#include <QTest>

using namespace kv;

Q_DECLARE_METATYPE(kv::HoldAward)

class TestRuleSet : public QObject
{
    Q_OBJECT

private slots:
    void holdScore_data();
    void holdScore();
    void leaderOnScores_data();
    void leaderOnScores();
    void storedNames_data();
    void storedNames();
    void categoryPresets();
    void goldenScoreLimits();
};

void TestRuleSet::holdScore_data()
{
    QTest::addColumn<QString>("ruleSet");
    QTest::addColumn<double>("held");
    QTest::addColumn<bool>("hasWazaAri");
    QTest::addColumn<HoldAward>("award");
    const auto rows = [](const char* set, std::initializer_list<HoldAward> plain,
                          std::initializer_list<HoldAward> afterWazaAri) {
        const double times[] = { 4.9, 5.0, 9.9, 10.0, 19.9, 20.0 };
        int i = 0;
        for (const HoldAward award : plain) {
            QTest::addRow("%s %.1f s", set, times[i])
                << QString::fromLatin1(set) << times[i] << false << award;
            ++i;
        }
        i = 0;
        for (const HoldAward award : afterWazaAri) {
            QTest::addRow("%s %.1f s after a waza-ari", set, times[i])
                << QString::fromLatin1(set) << times[i] << true << award;
            ++i;
        }
    };
    using A = HoldAward;
    // Classic never scores a hold: the operator does.
    rows("Classic", { A::None, A::None, A::None, A::None, A::None, A::None },
        { A::None, A::None, A::None, A::None, A::None, A::None });
    rows("IJF 2018", { A::None, A::None, A::None, A::WazaAri, A::WazaAri, A::Ippon },
        { A::None, A::None, A::None, A::Ippon, A::Ippon, A::Ippon });
    rows("IJF 2025", { A::None, A::Yuko, A::Yuko, A::WazaAri, A::WazaAri, A::Ippon },
        { A::None, A::Yuko, A::Yuko, A::Ippon, A::Ippon, A::Ippon });
    QTest::newRow("IJF 2025 4.9999 s") << "IJF 2025" << 4.9999 << false << A::None;
    QTest::newRow("IJF 2025 a hold of 0 s") << "IJF 2025" << 0.0 << false << A::None;
}

void TestRuleSet::holdScore()
{
    QFETCH(QString, ruleSet);
    QFETCH(double, held);
    QFETCH(bool, hasWazaAri);
    QFETCH(HoldAward, award);
    QCOMPARE(HoldScore(RuleSetNamed(ruleSet), Fixed4::FromDouble(held), hasWazaAri), award);
}

void TestRuleSet::leaderOnScores_data()
{
    QTest::addColumn<QString>("ruleSet");
    QTest::addColumn<int>("homeW");
    QTest::addColumn<int>("homeY");
    QTest::addColumn<int>("visitorW");
    QTest::addColumn<int>("visitorY");
    QTest::addColumn<int>("leader");
    QTest::newRow("2018 level at nothing") << "IJF 2018" << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("2018 Home a waza-ari ahead") << "IJF 2018" << 1 << 0 << 0 << 0 << 1;
    QTest::newRow("2018 Visitor a waza-ari ahead") << "IJF 2018" << 0 << 0 << 1 << 0 << 2;
    QTest::newRow("2018 yuko do not count") << "IJF 2018" << 1 << 3 << 1 << 0 << 0;
    QTest::newRow("2025 level at one waza-ari each") << "IJF 2025" << 1 << 0 << 1 << 0 << 0;
    QTest::newRow("2025 equal waza-ari, Home a yuko ahead") << "IJF 2025" << 1 << 2 << 1 << 1 << 1;
    QTest::newRow("2025 equal waza-ari, Visitor a yuko ahead") << "IJF 2025" << 0 << 0 << 0 << 1 << 2;
    QTest::newRow("2025 yuko never outweigh a waza-ari") << "IJF 2025" << 0 << 9 << 1 << 0 << 2;
    QTest::newRow("2025 level on both") << "IJF 2025" << 1 << 2 << 1 << 2 << 0;
}

void TestRuleSet::leaderOnScores()
{
    QFETCH(QString, ruleSet);
    QFETCH(int, homeW);
    QFETCH(int, homeY);
    QFETCH(int, visitorW);
    QFETCH(int, visitorY);
    QFETCH(int, leader);
    QCOMPARE(LeaderOnScores(RuleSetNamed(ruleSet), { homeW, homeY }, { visitorW, visitorY }), leader);
}

void TestRuleSet::storedNames_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QString>("name");
    QTest::newRow("Classic") << "Classic" << true << "Classic";
    QTest::newRow("IJF 2018") << "IJF 2018" << true << "IJF 2018";
    QTest::newRow("IJF 2025") << "IJF 2025" << true << "IJF 2025";
    QTest::newRow("empty") << "" << false << "Classic";
    QTest::newRow("other case") << "ijf 2025" << false << "Classic";
    QTest::newRow("future set") << "IJF 2029" << false << "Classic";
}

void TestRuleSet::storedNames()
{
    QFETCH(QString, stored);
    QFETCH(bool, known);
    QFETCH(QString, name);
    QCOMPARE(ParseRuleSet(stored).has_value(), known);
    QCOMPARE(QString::fromLatin1(RuleSetNamed(stored).Name), name);
}

void TestRuleSet::categoryPresets()
{
    struct Expected
    {
        const char* name;
        int length;
        int limit;
    };
    const Expected expected[] = { { "Seniors", 240, -1 }, { "U21", 240, -1 }, { "U18", 240, -1 },
        { "U15", 180, -1 }, { "Veterans", 180, -1 }, { "Children", 120, 0 } };
    for (const Expected& e : expected) {
        const std::optional<CategoryPreset> preset = CategoryNamed(QString::fromLatin1(e.name));
        QVERIFY2(preset, e.name);
        QCOMPARE(preset->LengthSeconds, e.length);
        QCOMPARE(preset->GoldenScoreLimit, e.limit);
    }
    QVERIFY(!CategoryNamed(QString()));
    QVERIFY(!CategoryNamed(QStringLiteral("Masters")));
}

void TestRuleSet::goldenScoreLimits()
{
    for (const int limit : { -1, 0, 60, 120, 180, 240, 300 })
        QVERIFY2(IsGoldenScoreLimit(limit), qPrintable(QString::number(limit)));
    for (const int limit : { -2, 1, 59, 360, 600 })
        QVERIFY2(!IsGoldenScoreLimit(limit), qPrintable(QString::number(limit)));
}

QTEST_GUILESS_MAIN(TestRuleSet)
#include "tst_ruleset.moc"
