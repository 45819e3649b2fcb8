// No word reaches the operator untranslated: in the test language every
// text the program itself writes comes out marked ("[...]"), so any text
// shown without going through a translation stands out here. Names, numbers,
// key letters, file paths, the product's name and the languages' own names
// are data and are shown as they are.

#include "boardfixture.h"
#include "display/dialogcontrols.h"
#include "hall/hallwindow.h"
#include "hall/matboard.h"
#include "languagefixture.h"
#include "record/frmresults.h"
#include "record/resultsfiles.h"
#include "settings/frmchoosekey.h"
#include "settings/frmoptions.h"
#include "settings/modgrabkeys.h"
#include "startup/frmsplash.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace kv;
using kv::test::Board;
using kv::test::InLanguage;

namespace {

bool IsMarked(const QString& text)
{
    // Every entry of a list or line of a wrapped button is marked on its own.
    for (const QString& part : QString(text).replace(u'\n', u' ').split(u'|')) {
        const QString trimmed = part.trimmed();
        if (!trimmed.startsWith(u'[') || !trimmed.endsWith(u']'))
            return false;
    }
    return true;
}

// Texts that are data rather than words of the program.
bool IsData(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    static const QStringList data { QStringLiteral("Korvelin"), QStringLiteral("www.brontique.net") };
    if (!word.match(text).hasMatch() || data.contains(text))
        return true;
    // A file's path.
    if (text.contains(u'/') || text.contains(u'\\'))
        return true;
    for (const Language& language : Languages()) {
        if (text == QString::fromUtf8(language.NativeName))
            return true;
    }
    return false;
}

void Check(const QString& where, const QString& text, QStringList& problems)
{
    if (text.isEmpty() || IsData(text) || IsMarked(text))
        return;
    problems << QStringLiteral("%1: \"%2\"").arg(where, text);
}

QStringList Untranslated(const Form& form)
{
    QStringList problems;
    // The splash's own caption is never shown.
    if (form.windowTitle() != QLatin1String("Korvelin") && form.objectName() != QLatin1String("frmSplash"))
        Check(form.objectName() + QStringLiteral(" title"), form.windowTitle(), problems);
    for (QObject* object : form.Controls()) {
        const QString where = form.objectName() + u'.' + object->objectName();
        if (auto* label = qobject_cast<Label*>(object))
            Check(where, label->Caption(), problems);
        else if (auto* dialogLabel = qobject_cast<DialogLabel*>(object))
            Check(where, dialogLabel->Caption(), problems);
        else if (auto* frame = qobject_cast<CaptionFrame*>(object))
            Check(where, frame->Caption(), problems);
        else if (auto* button = qobject_cast<CommandButton*>(object))
            Check(where, button->Button()->text(), problems);
        else if (auto* option = qobject_cast<OptionButton*>(object))
            Check(where, option->Caption(), problems);
        else if (auto* tabs = qobject_cast<TabControl*>(object))
            Check(where, tabs->TabCaptions(), problems);
        else if (auto* list = qobject_cast<ComboBox*>(object)) {
            for (int i = 0; i < list->Box()->count(); ++i)
                Check(where, list->Box()->itemText(i), problems);
        }
    }
    return problems;
}

} // namespace

class TestEveryTextTranslated : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { kv::test::UseTestSettingsStore(); }
    void everyWindow_speaksTheTestLanguage();
    void recordAndHall_speakTheTestLanguage();
};

void TestEveryTextTranslated::everyWindow_speaksTheTestLanguage()
{
    InLanguage pseudo(QString::fromLatin1(PseudoLanguage));
    QVERIFY(pseudo.Loaded());
    QStringList problems;

    Board board;
    board->Label18->SetVisible(true);
    problems << Untranslated(*board);

    frmSplash splash;
    splash.Load({ QStringLiteral("--not-bypass") });
    problems << Untranslated(splash);

    frmOptions options;
    options.Load();
    problems << Untranslated(options);

    ChooseKeyAction = QStringLiteral("sound the buzzer");
    ChooseKeyCurrent = 66;
    frmChooseKey chooser({ 83, 82, 66 });
    chooser.Load();
    problems << Untranslated(chooser);

    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
}

void TestEveryTextTranslated::recordAndHall_speakTheTestLanguage()
{
    InLanguage pseudo(QString::fromLatin1(PseudoLanguage));
    QVERIFY(pseudo.Loaded());
    QStringList problems;

    // The undo's notes in the board's title, after the product's name.
    Board board;
    board->ShidoHome(1);
    board->UndoLastChange();
    QCOMPARE(board->windowTitle().count(QStringLiteral(" - ")), 1);
    Check(QStringLiteral("undone note"), board->windowTitle().section(QStringLiteral(" - "), 1), problems);
    board->UndoLastChange();
    QCOMPARE(board->windowTitle().count(QStringLiteral(" - ")), 1);
    Check(QStringLiteral("nothing-to-undo note"), board->windowTitle().section(QStringLiteral(" - "), 1),
        problems);

    // The results: a contest won by decision in golden score's place, and
    // one without a winner; names and numbers are data.
    QTemporaryDir folder;
    ContestResult result;
    result.Ended = QDateTime(QDate(2025, 6, 1), QTime(10, 0));
    result.RuleSet = QStringLiteral("Classic");
    result.Winner = 1;
    result.How = QStringLiteral("golden score");
    result.Home.Ippon = true;
    result.Contest = QStringLiteral("a");
    ContestResult undecided = result;
    undecided.Winner = 0;
    undecided.How.clear();
    undecided.Contest = QStringLiteral("b");
    ResultsFiles files(folder.path());
    QVERIFY(files.AppendJson(ResultJsonLine(result, nullptr)));
    QVERIFY(files.AppendJson(ResultJsonLine(undecided, nullptr)));
    frmResults results;
    results.Load(folder.path(), QDate(2025, 6, 1));
    Check(QStringLiteral("frmResults title"), results.windowTitle(), problems);
    for (QPushButton* button : { results.cmdExport, results.cmdOpenFolder, results.cmdClose })
        Check(button->objectName(), button->text(), problems);
    Check(QStringLiteral("lblStatus"), results.lblStatus->text(), problems);
    const QAbstractItemModel* list = results.grdResults->model();
    QCOMPARE(list->rowCount(), 2);
    for (int column = 0; column < list->columnCount(); ++column)
        Check(QStringLiteral("column %1").arg(column), list->headerData(column, Qt::Horizontal).toString(),
            problems);
    // Winner ("none", the side's own name), how, score with ippon, rule set.
    for (const auto& [row, column] : { std::pair { 0, 3 }, { 1, 3 }, { 1, 4 }, { 1, 5 }, { 1, 8 } })
        Check(QStringLiteral("cell %1,%2").arg(row).arg(column), list->index(row, column).data().toString(),
            problems);

    // The hall view while its broker is away, with one mat.
    MqttOptions noBroker;
    noBroker.Host = QStringLiteral("127.0.0.1");
    noBroker.Port = 1;
    HallWindow hall(noBroker);
    for (const QString& part : hall.windowTitle().split(QStringLiteral(" - ")))
        Check(QStringLiteral("frmHall title"), part, problems);
    Check(QStringLiteral("frmHall status"), hall.StatusText().section(u':', 0, 0), problems);
    hall.Take("korvelin/mat/3/online", "false");
    QVERIFY(hall.Mat(3));
    hall.Mat(3)->lblGoldenScore->SetVisible(true);
    problems << Untranslated(*hall.Mat(3));

    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
}

QTEST_MAIN(TestEveryTextTranslated)
#include "tst_everytexttranslated.moc"
