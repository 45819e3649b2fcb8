// The language changes on a running board with the options dialog's OK:
// the board, the audience window, the help window and the splash speak the
// new language at once, the contest goes on untouched, and the settings
// store holds the same bytes after a change and back.

#include "../settings/optionsfixture.h"
#include "boardfixture.h"
#include "display/audiencewindow.h"
#include "display/dialogcontrols.h"
#include "help/frmhelp.h"
#include "languagefixture.h"
#include "settings/frmoptions.h"
#include "settings/optionsdialog.h"
#include "startup/frmsplash.h"

#include <QFile>
#include <QTest>
#include <QTextEdit>

using namespace kv;
using kv::test::Board;
using kv::test::FakeDialogs;
using kv::test::TestStore;

namespace {

QByteArray StoreBytes(const TestStore& store)
{
    QFile file(store.Folder() + QStringLiteral("/korvelin.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no store>");
}

// F2 on the board, the language chosen by its setting in the dialog, OK.
void ChooseLanguage(Board& board, const QString& setting)
{
    kv::test::WhenModal<frmOptions>([setting](frmOptions& options) {
        options.cmbLanguage->SetListIndex(LanguageListIndex(setting));
        options.cmdOk_Click();
    });
    board->AllKeyCode(113);
    QCoreApplication::processEvents();
}

} // namespace

class TestLanguageSwitch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        SetTranslationsFolderForTesting(kv::test::BuiltTranslationsFolder());
        SetOptionsDialogRunner(&ShowOptionsDialog);
    }
    void cleanup() { ApplyLanguage(QString::fromLatin1(SourceLanguage)); }

    void runningBoard_switchesLanguage_contestKept();
    void store_sameBytesAfterChangeAndBack();
    void splash_speaksTheNewLanguage();
};

void TestLanguageSwitch::runningBoard_switchesLanguage_contestKept()
{
    TestStore store;
    FakeDialogs dialogs;
    Board board;
    BoardSettings.TitleText = QStringLiteral("Regional Cup");
    board->UpdateLabels();
    AudienceWindow audience(*board, {});
    OpenHelpWindow(kv::test::BuiltProgramFolder());
    QVERIFY(HelpWindow());
    // A contest under way: a waza-ari for Home, a shido for Visitor.
    board->nledWHome->SetValue(1);
    board->ShidoVisitor(1);

    ChooseLanguage(board, QStringLiteral("de"));
    QCOMPARE(CurrentLanguage(), QStringLiteral("de"));
    QCOMPARE(board->Label25->Caption(), QStringLiteral("KAMPFZEIT"));
    QCOMPARE(board->Label18->Caption(), QStringLiteral("SIEGER"));
    QCOMPARE(board->lblHomeName->Caption(), QStringLiteral("Heim"));
    QCOMPARE(board->lblVisitorName->Caption(), QStringLiteral("Gast"));
    QCOMPARE(board->lblTitle->Caption(), QStringLiteral("Regional Cup"));
    QCOMPARE(audience.windowTitle(), QStringLiteral("Korvelin \u2013 Zuschaueranzeige"));
    QCOMPARE(HelpWindow()->windowTitle(), QStringLiteral("Korvelin \u2013 Hilfe"));
    QVERIFY2(HelpWindow()->rtbHelp()->toPlainText().contains(QStringLiteral("Anzeigetafel")),
        "the help window shows the German guide");
    QCOMPARE(board->nledWHome->Value(), 1);
    QCOMPARE(board->PenaltySV, qint16(1));
    // The settings keep the names' English defaults.
    QCOMPARE(store.Read("TextSettings", "HomeText"), QStringLiteral("Home"));
    QCOMPARE(store.Read("TextSettings", "VisitorText"), QStringLiteral("Visitor"));
    QCOMPARE(store.Read("TextSettings", "Language"), QStringLiteral("de"));

    ChooseLanguage(board, QStringLiteral("ja"));
    QCOMPARE(board->Label25->Caption(), QStringLiteral("\u8a66\u5408\u6642\u9593"));
    QCOMPARE(board->lblHomeName->Caption(), QStringLiteral("\u30db\u30fc\u30e0"));
    QCOMPARE(HelpWindow()->windowTitle(), QStringLiteral("Korvelin \u30d8\u30eb\u30d7"));

    ChooseLanguage(board, QStringLiteral("en"));
    QCOMPARE(CurrentLanguage(), QStringLiteral("en"));
    QCOMPARE(board->Label25->Caption(), QStringLiteral("CONTEST TIME"));
    QCOMPARE(board->Label17->Caption(), QStringLiteral("WINNER"));
    QCOMPARE(board->lblHomeName->Caption(), QStringLiteral("Home"));
    QCOMPARE(board->lblVisitorName->Caption(), QStringLiteral("Visitor"));
    QCOMPARE(audience.windowTitle(), QStringLiteral("Korvelin audience display"));
    QCOMPARE(HelpWindow()->windowTitle(), QStringLiteral("Korvelin Help"));
    QCOMPARE(board->nledWHome->Value(), 1);
    HelpWindow()->close();
    audience.CloseForGood();
}

void TestLanguageSwitch::store_sameBytesAfterChangeAndBack()
{
    TestStore store;
    FakeDialogs dialogs;
    Board board;
    ChooseLanguage(board, QStringLiteral("System"));
    const QByteArray before = StoreBytes(store);
    QVERIFY(before.contains("Language=System"));
    ChooseLanguage(board, QStringLiteral("fr"));
    QVERIFY(StoreBytes(store) != before);
    ChooseLanguage(board, QStringLiteral("System"));
    QCOMPARE(StoreBytes(store), before);

    // The same with names of the operator's own and the Japanese dialog.
    BoardSettings.HomeText = QStringLiteral("Judokai Ajax");
    ChooseLanguage(board, QStringLiteral("en"));
    const QByteArray english = StoreBytes(store);
    ChooseLanguage(board, QStringLiteral("ja"));
    ChooseLanguage(board, QStringLiteral("ja"));
    ChooseLanguage(board, QStringLiteral("en"));
    QCOMPARE(StoreBytes(store), english);
    QCOMPARE(board->lblHomeName->Caption(), QStringLiteral("Judokai Ajax"));
}

void TestLanguageSwitch::splash_speaksTheNewLanguage()
{
    frmSplash splash;
    splash.show();
    QVERIFY(ApplyLanguage(QStringLiteral("it"), kv::test::BuiltTranslationsFolder()));
    QCoreApplication::processEvents();
    QCOMPARE(splash.ControlAs<CommandButton>(QStringLiteral("cmdHelp"))->Caption(), QStringLiteral("&Guida"));
    QCOMPARE(
        splash.ControlAs<Label>(QStringLiteral("lblVersion"))->Caption(), QStringLiteral("Versione 1.0.2"));
    QCOMPARE(splash.ControlAs<Label>(QStringLiteral("lblClick"))->Caption(),
        QStringLiteral("Clic per continuare."));
    QVERIFY(ApplyLanguage(QStringLiteral("en")));
    QCoreApplication::processEvents();
    QCOMPARE(splash.ControlAs<CommandButton>(QStringLiteral("cmdHelp"))->Caption(), QStringLiteral("&Help"));
    QCOMPARE(
        splash.ControlAs<Label>(QStringLiteral("lblVersion"))->Caption(), QStringLiteral("Version 1.0.2"));
}

QTEST_MAIN(TestLanguageSwitch)
#include "tst_languageswitch.moc"
