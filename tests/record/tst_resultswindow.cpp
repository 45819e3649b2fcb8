// The Results window: what it lists, "Export...", "Open folder", Escape, and
// a second request while it is open.

#include "fakedialogs.h"
#include "record/contestlog.h"
#include "record/frmresults.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace kv;
using kv::test::FakeDialogs;

namespace {

const QDate Day(2025, 6, 1);

ContestResult Result(
    QTime ended, const QString& home, const QString& visitor, qint16 winner, const QString& how)
{
    ContestResult r;
    r.Ended = QDateTime(Day, ended);
    r.Board = QStringLiteral("Mat 1");
    r.RuleSet = QStringLiteral("IJF 2025");
    r.Home.Name = home;
    r.Visitor.Name = visitor;
    r.Winner = winner;
    r.How = how;
    r.Contest = home + visitor;
    return r;
}

void Append(const QString& folder, const ContestResult& result)
{
    ResultsFiles files(folder);
    QVERIFY(files.AppendJson(ResultJsonLine(result, nullptr)));
    QVERIFY(files.AppendCsv(CsvRow(ResultCsvFields(result))));
}

int Rows(const QTableView* grid)
{
    return grid->model()->rowCount();
}

QString Cell(const QTableView* grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

QStringList Row(const QTableView* grid, int row)
{
    QStringList cells;
    for (int column = 0; column < grid->model()->columnCount(); ++column)
        cells << Cell(grid, row, column);
    return cells;
}

} // namespace

class TestResultsWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void design_titleColumnsButtons();
    void lists_newestFirst();
    void lists_emptyAndDamaged();
    void export_writesListedContestsOldestFirst();
    void export_cancelledWritesNothing();
    void export_unwritableIsReported();
    void openFolder_opensTheResultsFolder();
    void escape_closes();
    void secondRequest_listsAgainInTheSameWindow();

private:
    QTemporaryDir* m_folder = nullptr;
    FakeDialogs* m_dialogs = nullptr;
};

void TestResultsWindow::init()
{
    m_folder = new QTemporaryDir;
    m_dialogs = new FakeDialogs;
    Append(m_folder->path(), Result(QTime(9, 2, 5), "Sato", "Müller, K.", 1, "waza-ari"));
    ContestResult golden = Result(QTime(9, 14, 0), "Lee", "Dubois", 2, "golden score");
    golden.Visitor.WazaAri = 1;
    golden.Home.Shido = 2;
    golden.RegularTime = Fixed4::FromSeconds(240);
    golden.GoldenScoreTime = Fixed4::FromRaw(725'000);
    Append(m_folder->path(), golden);
}

void TestResultsWindow::cleanup()
{
    SetFolderOpener({});
    delete ResultsWindow();
    delete m_dialogs;
    m_dialogs = nullptr;
    delete m_folder;
    m_folder = nullptr;
}

void TestResultsWindow::design_titleColumnsButtons()
{
    frmResults window;
    QCOMPARE(window.objectName(), QStringLiteral("frmResults"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Results"));
    QCOMPARE(window.cmdExport->text(), QStringLiteral("Export..."));
    QCOMPARE(window.cmdOpenFolder->text(), QStringLiteral("Open folder"));
    QCOMPARE(window.cmdExport->objectName(), QStringLiteral("cmdExport"));
    QCOMPARE(window.cmdOpenFolder->objectName(), QStringLiteral("cmdOpenFolder"));
    QCOMPARE(window.grdResults->objectName(), QStringLiteral("grdResults"));
    QCOMPARE(frmResults::ColumnTitles(),
        (QStringList { "Time", "Home", "Visitor", "Winner", "How", "Home score", "Visitor score", "Time used",
            "Rule set" }));
    for (int column = 0; column < 9; ++column)
        QCOMPARE(window.grdResults->model()->headerData(column, Qt::Horizontal).toString(),
            frmResults::ColumnTitles().at(column));
    QVERIFY(!window.isModal());
}

void TestResultsWindow::lists_newestFirst()
{
    frmResults window;
    window.Load(m_folder->path(), Day);
    QCOMPARE(Rows(window.grdResults), 2);
    QCOMPARE(Row(window.grdResults, 0),
        (QStringList { "09:14", "Lee", "Dubois", "Dubois", "golden score", "W0 Y0 S2", "W1 Y0 S0",
            "4:00 + GS 1:12", "IJF 2025" }));
    QCOMPARE(Row(window.grdResults, 1),
        (QStringList {
            "09:02", "Sato", "Müller, K.", "Sato", "waza-ari", "W0 Y0 S0", "W0 Y0 S0", "0:00", "IJF 2025" }));
    QCOMPARE(window.lblStatus->text(), QStringLiteral("2 contests on 2025-06-01"));
}

void TestResultsWindow::lists_emptyAndDamaged()
{
    frmResults window;
    window.Load(m_folder->path(), Day.addDays(1));
    QCOMPARE(Rows(window.grdResults), 0);
    QCOMPARE(window.lblStatus->text(), QStringLiteral("No contests on 2025-06-02."));

    QFile file(QDir(m_folder->path()).filePath(ResultsJsonName));
    QVERIFY(file.open(QIODevice::Append));
    file.write("{\"torn\n");
    file.close();
    Append(m_folder->path(), Result(QTime(10, 0), "Ito", "Rossi", 0, ""));
    window.Load(m_folder->path(), Day);
    QCOMPARE(Rows(window.grdResults), 3);
    QCOMPARE(Cell(window.grdResults, 0, 3), QStringLiteral("none"));
    QCOMPARE(window.lblStatus->text(), QStringLiteral("3 contests on 2025-06-01 (1 damaged line skipped)"));
}

void TestResultsWindow::export_writesListedContestsOldestFirst()
{
    frmResults window;
    window.Load(m_folder->path(), Day);
    QTemporaryDir target;
    const QString path = target.filePath(QStringLiteral("day.csv"));
    m_dialogs->saveFiles.push_back(path);
    QTest::mouseClick(window.cmdExport, Qt::LeftButton);
    QCOMPARE(m_dialogs->saveFilters, QStringList { "CSV files|*.csv" });
    QVERIFY(m_dialogs->saveStarts.at(0).endsWith(QStringLiteral("results-2025-06-01.csv")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::vector<QStringList> rows = ParseCsv(file.readAll());
    QCOMPARE(rows.size(), std::size_t(3));
    QCOMPARE(rows[0].at(0), QStringLiteral("Date"));
    QCOMPARE(rows[1].at(3), QStringLiteral("Sato"));
    QCOMPARE(rows[1].at(4), QStringLiteral("Müller, K."));
    QCOMPARE(rows[2].at(3), QStringLiteral("Lee"));
    QVERIFY(m_dialogs->warnings.isEmpty());
}

void TestResultsWindow::export_cancelledWritesNothing()
{
    frmResults window;
    window.Load(m_folder->path(), Day);
    QTemporaryDir target;
    m_dialogs->saveFiles.push_back(std::nullopt);
    QTest::mouseClick(window.cmdExport, Qt::LeftButton);
    QCOMPARE(m_dialogs->saveStarts.size(), 1);
    QVERIFY(QDir(target.path()).isEmpty());
    QVERIFY(m_dialogs->warnings.isEmpty());
}

void TestResultsWindow::export_unwritableIsReported()
{
    frmResults window;
    window.Load(m_folder->path(), Day);
    const QString path = QDir(m_folder->path()).filePath(QStringLiteral("no such folder/day.csv"));
    m_dialogs->saveFiles.push_back(path);
    window.Export();
    QCOMPARE(m_dialogs->warnings.size(), 1);
    QVERIFY2(m_dialogs->warnings.at(0).startsWith(QStringLiteral("Export|The results cannot be written to ")),
        qPrintable(m_dialogs->warnings.at(0)));
    QVERIFY(!QFile::exists(path));
}

void TestResultsWindow::openFolder_opensTheResultsFolder()
{
    QStringList opened;
    bool works = true;
    SetFolderOpener([&](const QString& folder) {
        opened << folder;
        return works;
    });
    frmResults window;
    window.Load(m_folder->path(), Day);
    QTest::mouseClick(window.cmdOpenFolder, Qt::LeftButton);
    QCOMPARE(opened, QStringList { m_folder->path() });
    QVERIFY(m_dialogs->warnings.isEmpty());
    works = false;
    QTest::mouseClick(window.cmdOpenFolder, Qt::LeftButton);
    QCOMPARE(m_dialogs->warnings.size(), 1);
    QVERIFY(m_dialogs->warnings.at(0).startsWith(QStringLiteral("Open folder|The folder ")));
}

void TestResultsWindow::escape_closes()
{
    OpenResultsWindow(m_folder->path(), Day);
    QPointer<frmResults> window = ResultsWindow();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QTest::keyClick(window.data(), Qt::Key_Escape);
    // Closing deletes the window.
    QTRY_VERIFY(!window);
    QCOMPARE(ResultsWindow(), nullptr);
}

void TestResultsWindow::secondRequest_listsAgainInTheSameWindow()
{
    OpenResultsWindow(m_folder->path(), Day);
    frmResults* first = ResultsWindow();
    QVERIFY(first);
    QCOMPARE(Rows(first->grdResults), 2);
    Append(m_folder->path(), Result(QTime(11, 0), "Later", "x", 1, "ippon"));
    OpenResultsWindow(m_folder->path(), Day);
    QCOMPARE(ResultsWindow(), first);
    QCOMPARE(Rows(first->grdResults), 3);
    QCOMPARE(Cell(first->grdResults, 0, 1), QStringLiteral("Later"));
}

QTEST_MAIN(TestResultsWindow)
#include "tst_resultswindow.moc"
