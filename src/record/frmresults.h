#pragma once

#include "display/form.h"
#include "record/resultsfiles.h"

#include <QDate>

#include <functional>

class QLabel;
class QPushButton;
class QTableView;

namespace kv {

// Opens a folder in the system's file manager; false when it cannot. Tests
// put their own; an empty opener restores the system's.
void SetFolderOpener(std::function<bool(const QString& folder)> opener);
bool OpenFolder(const QString& folder);

// The day's results: the contests of one day, newest first, read from the
// results of a folder. Modeless; the board goes on while it is open.
class frmResults final : public Form
{
    Q_OBJECT

public:
    static constexpr double DesignWidth = 13500; // client area, twips
    static constexpr double DesignHeight = 6600;

    // The list's columns.
    static QStringList ColumnTitles();

    explicit frmResults(QWidget* parent = nullptr);

    // Lists the results of folder for day.
    void Load(const QString& folder, QDate day = QDate::currentDate());
    const QString& Folder() const { return m_folder; }
    const ResultsListing& Listing() const { return m_listing; }

    // "Export...": the listed contests, oldest first, as a CSV file where
    // the operator chooses.
    void Export();
    // "Open folder": the results' folder in the file manager.
    void ShowFolder();

    // The list; its model holds one row per contest, a text per cell.
    QTableView* grdResults;
    QLabel* lblStatus;
    QPushButton* cmdExport;
    QPushButton* cmdOpenFolder;
    QPushButton* cmdClose;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    class Model;
    void Fill();

    Model* m_model;
    QString m_folder;
    QDate m_day;
    ResultsListing m_listing;
};

// Shows the results of day in folder, modeless, centred on the window the
// request came from; created on first use, listed afresh on every request.
void OpenResultsWindow(const QString& folder, QDate day = QDate::currentDate());
// The open results window, or null.
frmResults* ResultsWindow();

} // namespace kv
