// The language changes on a running board with the options dialog's OK:
// the board, the audience window, the help window, the splash, the results
// and the hall view speak the new language at once, the contest and what the
// windows show go on untouched, and the settings store holds the same bytes
// after a change and back.

#include "../settings/optionsfixture.h"
#include "boardfixture.h"
#include "display/audiencewindow.h"
#include "display/dialogcontrols.h"
#include "hall/hallwindow.h"
#include "hall/matboard.h"
#include "hall/matmessage.h"
#include "help/frmhelp.h"
#include "languagefixture.h"
#include "record/frmresults.h"
#include "record/resultsfiles.h"
#include "settings/frmoptions.h"
#include "settings/optionsdialog.h"
#include "startup/frmsplash.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
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

// A day's results in folder: a waza-ari win and an undecided contest.
void WriteResults(const QString& folder)
{
    ResultsFiles files(folder);
    ContestResult won;
    won.Ended = QDateTime(QDate(2025, 6, 1), QTime(9, 2));
    won.RuleSet = QStringLiteral("Classic");
    won.Home.Name = QStringLiteral("Sato");
    won.Visitor.Name = QStringLiteral("Dubois");
    won.Winner = 2;
    won.How = QStringLiteral("decision");
    won.Contest = QStringLiteral("a");
    ContestResult open = won;
    open.Ended = QDateTime(QDate(2025, 6, 1), QTime(9, 20));
    open.Winner = 0;
    open.How.clear();
    open.Contest = QStringLiteral("b");
    for (const ContestResult& result : { won, open })
        QVERIFY(files.AppendJson(ResultJsonLine(result, nullptr)));
}

QString Cell(const frmResults& window, int row, int column)
{
    return window.grdResults->model()->index(row, column).data().toString();
}

QString Header(const frmResults& window, int column)
{
    return window.grdResults->model()->headerData(column, Qt::Horizontal).toString();
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
    void undoNote_speaksTheLanguage_data();
    void undoNote_speaksTheLanguage();
    void results_followTheLanguage_listKept();
    void hall_followsTheLanguage_matsKept();
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

void TestLanguageSwitch::undoNote_speaksTheLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("undone");
    QTest::addColumn<QString>("nothing");
    QTest::newRow("de") << "de"
                        << "Korvelin - zurückgenommen: Shido Gast"
                        << "Korvelin - nichts zurückzunehmen";
    QTest::newRow("fr") << "fr"
                        << "Korvelin - annulé : shido Visiteur"
                        << "Korvelin - rien à annuler";
    // The side comes first where the language puts it first.
    QTest::newRow("ja")
        << "ja"
        << "Korvelin - \u53d6\u308a\u6d88\u3057: \u30d3\u30b8\u30bf\u30fc\u306e\u6307\u5c0e"
        << "Korvelin - \u53d6\u308a\u6d88\u305b\u308b\u64cd\u4f5c\u306f\u3042\u308a\u307e\u305b\u3093";
}

void TestLanguageSwitch::undoNote_speaksTheLanguage()
{
    QFETCH(QString, code);
    QFETCH(QString, undone);
    QFETCH(QString, nothing);
    Board board;
    kv::test::InLanguage language(code);
    QVERIFY(language.Loaded());
    board->ShidoVisitor(1);
    board->UndoLastChange();
    QCOMPARE(board->windowTitle(), undone);
    QCOMPARE(board->PenaltySV, qint16(0));
    board->UndoLastChange();
    QCOMPARE(board->windowTitle(), nothing);
}

void TestLanguageSwitch::results_followTheLanguage_listKept()
{
    QTemporaryDir folder;
    WriteResults(folder.path());
    frmResults window;
    window.Load(folder.path(), QDate(2025, 6, 1));
    QCOMPARE(window.lblStatus->text(), QStringLiteral("2 contests on 2025-06-01"));
    QCOMPARE(Cell(window, 0, 3), QStringLiteral("none"));
    QCOMPARE(Cell(window, 1, 4), QStringLiteral("decision"));

    QVERIFY(ApplyLanguage(QStringLiteral("de"), kv::test::BuiltTranslationsFolder()));
    QCoreApplication::processEvents();
    QCOMPARE(window.windowTitle(), QStringLiteral("Ergebnisse"));
    QCOMPARE(window.cmdExport->text(), QStringLiteral("Exportieren..."));
    QCOMPARE(window.cmdOpenFolder->text(), QStringLiteral("Ordner öffnen"));
    QCOMPARE(window.cmdClose->text(), QStringLiteral("Schließen"));
    QCOMPARE(Header(window, 1), QStringLiteral("Heim"));
    QCOMPARE(Header(window, 3), QStringLiteral("Sieger"));
    QCOMPARE(Header(window, 8), QStringLiteral("Regelwerk"));
    QCOMPARE(window.lblStatus->text(), QStringLiteral("2 Kämpfe am 2025-06-01"));
    // The list is the same; its words are German, its names as typed.
    QCOMPARE(window.grdResults->model()->rowCount(), 2);
    QCOMPARE(Cell(window, 0, 3), QStringLiteral("keiner"));
    QCOMPARE(Cell(window, 1, 1), QStringLiteral("Sato"));
    QCOMPARE(Cell(window, 1, 3), QStringLiteral("Dubois"));
    QCOMPARE(Cell(window, 1, 4), QStringLiteral("Entscheid"));
    QCOMPARE(Cell(window, 1, 8), QStringLiteral("Klassisch"));

    QVERIFY(ApplyLanguage(QStringLiteral("en")));
    QCoreApplication::processEvents();
    QCOMPARE(window.windowTitle(), QStringLiteral("Results"));
    QCOMPARE(Header(window, 3), QStringLiteral("Winner"));
    QCOMPARE(Cell(window, 1, 4), QStringLiteral("decision"));
    QCOMPARE(Cell(window, 1, 8), QStringLiteral("Classic"));
}

void TestLanguageSwitch::hall_followsTheLanguage_matsKept()
{
    MqttOptions noBroker;
    noBroker.Host = QStringLiteral("127.0.0.1");
    noBroker.Port = 1;
    HallWindow hall(noBroker);
    QSignalSpy wordsChanged(&hall, &HallWindow::WordsChanged);
    QCOMPARE(hall.windowTitle(), QStringLiteral("Korvelin hall - broker offline"));
    hall.Take("korvelin/mat/3/state",
        R"({"version":1,"rule_set":"IJF 2025","clock":{"shown":"1:00","seconds":60,"running":false,"golden_score":true},
"home":{"name":"Tanaka","ippon":false,"waza_ari":1,"yuko":0,"shido":0,"medical":0,"winner":false,"hold":0,"hold_running":false},
"visitor":{"name":"Müller","ippon":false,"waza_ari":0,"yuko":0,"shido":1,"medical":0,"winner":false,"hold":0,"hold_running":false}})");
    hall.Take("korvelin/mat/3/online", "false");
    MatBoard* mat = hall.Mat(3);
    QVERIFY(mat);

    QVERIFY(ApplyLanguage(QStringLiteral("de"), kv::test::BuiltTranslationsFolder()));
    QCoreApplication::processEvents();
    QCOMPARE(hall.windowTitle(), QStringLiteral("Korvelin – Hallenansicht - Broker offline"));
    QCOMPARE(wordsChanged.count(), 1);
    QCOMPARE(hall.StatusText(), QStringLiteral("Broker offline: 127.0.0.1:1"));
    QCOMPARE(mat->lblMat->Caption(), QStringLiteral("MATTE 3"));
    QCOMPARE(mat->lblOffline->Caption(), QStringLiteral("offline"));
    // The names and the clock the mat sent stay.
    QCOMPARE(mat->lblHomeName->Caption(), QStringLiteral("Tanaka"));
    QCOMPARE(mat->lblVisitorName->Caption(), QStringLiteral("Müller"));
    QCOMPARE(mat->tledPeriod->DisplayText(), QStringLiteral("1:00"));
    QVERIFY(!mat->lblOffline->isHidden());
    // The hall page's words follow; the mats' state for other programs does not change.
    const QJsonObject page = QJsonDocument::fromJson(hall.WordsJson()).object();
    QCOMPARE(page.value("lost").toString(), QStringLiteral("Verbindung unterbrochen"));
    QCOMPARE(page.value("words").toObject().value("mat").toString(), QStringLiteral("MATTE %1"));
    QCOMPARE(
        page.value("words").toObject().value("broker_offline").toString(), QStringLiteral("Broker offline"));
    QCOMPARE(
        page.value("words").toObject().value("waiting").toString(), QStringLiteral("Warten auf die Matten"));
    QVERIFY(hall.HallJson().contains("\"mats\":[{\"mat\":3,\"online\":false"));

    QVERIFY(ApplyLanguage(QStringLiteral("ja"), kv::test::BuiltTranslationsFolder()));
    QCoreApplication::processEvents();
    QCOMPARE(mat->lblMat->Caption(), QStringLiteral("\u7b2c3\u8a66\u5408\u5834"));
    QCOMPARE(mat->lblOffline->Caption(), QStringLiteral("\u672a\u63a5\u7d9a"));
    QCOMPARE(mat->lblHomeName->Caption(), QStringLiteral("Tanaka"));

    QVERIFY(ApplyLanguage(QStringLiteral("en")));
    QCoreApplication::processEvents();
    QCOMPARE(hall.windowTitle(), QStringLiteral("Korvelin hall - broker offline"));
    QCOMPARE(mat->lblMat->Caption(), QStringLiteral("MAT 3"));
    QCOMPARE(mat->lblHomeName->Caption(), QStringLiteral("Tanaka"));
}

QTEST_MAIN(TestLanguageSwitch)
#include "tst_languageswitch.moc"
