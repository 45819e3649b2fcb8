// The options dialog's "Rules" tab: opening from the settings, the category
// presets filling the golden-score limit, and OK writing "RuleSettings".

#include "display/dialogcontrols.h"
#include "optionsfixture.h"
#include "settings/frmoptions.h"

#include <QComboBox>
#include <QTest>

using namespace kv;
using kv::test::FakeDialogs;
using kv::test::TestStore;

class TestOptionsRules : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void tab_isTheSixth();
    void load_showsStoredRules();
    void category_fillsTheGoldenScoreLimit_data();
    void category_fillsTheGoldenScoreLimit();
    void ok_writesRuleSettings();
    void cancel_keepsTheRules();
};

void TestOptionsRules::init()
{
    BoardSettings = DefaultBoardSettings();
}

void TestOptionsRules::tab_isTheSixth()
{
    FakeDialogs dialogs;
    frmOptions options;
    QCOMPARE(options.SSTab1->Captions().value(5), QStringLiteral("Rules"));
    // The sixth tab sits in the tab strip's second row.
    QCOMPARE(options.SSTab1->RowCount(), 2);
    for (QObject* control : { static_cast<QObject*>(options.cmbRuleSet),
             static_cast<QObject*>(options.cmbCategory), static_cast<QObject*>(options.cmbGoldenScoreLimit),
             static_cast<QObject*>(options.chkScoreHolds) })
        QVERIFY(control);
    QCOMPARE(options.cmbRuleSet->List(), QStringLiteral("Classic|IJF 2018|IJF 2025"));
    QCOMPARE(options.chkScoreHolds->Caption(), QStringLiteral("Score holds automatically"));
}

void TestOptionsRules::load_showsStoredRules()
{
    FakeDialogs dialogs;
    BoardSettings.RuleSet = QStringLiteral("IJF 2018");
    BoardSettings.Category = QStringLiteral("U15");
    BoardSettings.GoldenScoreLimit = 120; // changed by hand after the preset
    BoardSettings.ScoreHolds = false;
    frmOptions options;
    options.Load();
    QCOMPARE(options.cmbRuleSet->ListIndex(), 1);
    QCOMPARE(options.cmbCategory->ListIndex(), 4);
    QCOMPARE(options.cmbGoldenScoreLimit->ListIndex(), 2);
    QVERIFY(!options.chkScoreHolds->Value());
    QVERIFY(options.chkScoreHolds->isEnabled());
    // Classic never scores holds: the choice is not offered.
    options.cmbRuleSet->SetListIndex(0);
    QVERIFY(!options.chkScoreHolds->isEnabled());
}

void TestOptionsRules::category_fillsTheGoldenScoreLimit_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("limit");
    QTest::newRow("Seniors") << 1 << "Unlimited";
    QTest::newRow("Veterans") << 5 << "Unlimited";
    QTest::newRow("Children") << 6 << "None";
}

void TestOptionsRules::category_fillsTheGoldenScoreLimit()
{
    QFETCH(int, category);
    QFETCH(QString, limit);
    FakeDialogs dialogs;
    BoardSettings.GoldenScoreLimit = 300;
    frmOptions options;
    options.Load();
    QCOMPARE(options.cmbGoldenScoreLimit->Box()->currentText(), QStringLiteral("5 minutes"));
    options.cmbCategory->SetListIndex(category);
    QCOMPARE(options.cmbGoldenScoreLimit->Box()->currentText(), limit);
}

void TestOptionsRules::ok_writesRuleSettings()
{
    TestStore store;
    FakeDialogs dialogs;
    frmOptions options;
    options.Load();
    options.cmbRuleSet->SetListIndex(2);
    options.cmbCategory->SetListIndex(6); // Children: no golden score
    options.chkScoreHolds->SetValue(false);
    options.cmdOk_Click();
    QCOMPARE(BoardSettings.RuleSet, QStringLiteral("IJF 2025"));
    QCOMPARE(BoardSettings.Category, QStringLiteral("Children"));
    QCOMPARE(BoardSettings.GoldenScoreLimit, 0);
    QVERIFY(!BoardSettings.ScoreHolds);
    QCOMPARE(store.Read("RuleSettings", "RuleSet"), QStringLiteral("IJF 2025"));
    QCOMPARE(store.Read("RuleSettings", "Category"), QStringLiteral("Children"));
    QCOMPARE(store.Read("RuleSettings", "GoldenScoreLimit"), QStringLiteral("0"));
    QCOMPARE(store.Read("RuleSettings", "ScoreHolds"), QStringLiteral("No"));
    QVERIFY(dialogs.warnings.isEmpty());
    // And read back as written.
    BoardSettings = {};
    LoadBoardSettings();
    QCOMPARE(BoardSettings.RuleSet, QStringLiteral("IJF 2025"));
    QCOMPARE(BoardSettings.GoldenScoreLimit, 0);
    QVERIFY(!BoardSettings.ScoreHolds);
}

void TestOptionsRules::cancel_keepsTheRules()
{
    TestStore store;
    FakeDialogs dialogs;
    frmOptions options;
    options.Load();
    options.cmbRuleSet->SetListIndex(1);
    options.cmdCancel_Click();
    QCOMPARE(BoardSettings.RuleSet, QStringLiteral("Classic"));
    QCOMPARE(store.Read("RuleSettings", "RuleSet"), QStringLiteral("<absent>"));
}

QTEST_MAIN(TestOptionsRules)
#include "tst_optionsrules.moc"
