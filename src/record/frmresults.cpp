#include "record/frmresults.h"

#include "settings/commondialogs.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace kv {

namespace {

QPointer<frmResults> g_results;

std::function<bool(const QString&)>& Opener()
{
    static std::function<bool(const QString&)> opener;
    return opener;
}

QString SideScore(const SideResult& side)
{
    QString text = QStringLiteral("W%1 Y%2 S%3").arg(side.WazaAri).arg(side.Yuko).arg(side.Shido);
    return side.Ippon ? QStringLiteral("ippon ") + text : text;
}

QString TimeUsed(const ContestResult& result)
{
    const QString regular = MinutesSeconds(result.RegularTime);
    if (result.GoldenScoreTime <= Fixed4())
        return regular;
    return QStringLiteral("%1 + GS %2").arg(regular, MinutesSeconds(result.GoldenScoreTime));
}

QString WinnerText(const ContestResult& result)
{
    if (result.Winner == 0)
        return QStringLiteral("none");
    const QString name = result.WinnerName();
    return name.isEmpty() ? SideName(result.Winner) : name;
}

} // namespace

// The listed contests as the view asks for them, one row each.
class frmResults::Model final : public QAbstractTableModel
{
public:
    explicit Model(QObject* parent)
        : QAbstractTableModel(parent)
        , m_titles(ColumnTitles())
    { }

    void Set(const std::vector<ContestResult>* results)
    {
        beginResetModel();
        m_results = results;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || !m_results ? 0 : static_cast<int>(m_results->size());
    }

    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_titles.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid() || !m_results || index.row() >= rowCount())
            return {};
        const ContestResult& r = (*m_results)[static_cast<std::size_t>(index.row())];
        switch (index.column()) {
        case 0:
            return r.Ended.time().toString(QStringLiteral("HH:mm"));
        case 1:
            return r.Home.Name;
        case 2:
            return r.Visitor.Name;
        case 3:
            return WinnerText(r);
        case 4:
            return r.How;
        case 5:
            return SideScore(r.Home);
        case 6:
            return SideScore(r.Visitor);
        case 7:
            return TimeUsed(r);
        case 8:
            return r.RuleSet;
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0
            || section >= m_titles.size())
            return {};
        return m_titles.at(section);
    }

private:
    QStringList m_titles;
    const std::vector<ContestResult>* m_results = nullptr;
};

void SetFolderOpener(std::function<bool(const QString& folder)> opener)
{
    Opener() = std::move(opener);
}

bool OpenFolder(const QString& folder)
{
    if (Opener())
        return Opener()(folder);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

QStringList frmResults::ColumnTitles()
{
    return { QStringLiteral("Time"), QStringLiteral("Home"), QStringLiteral("Visitor"),
        QStringLiteral("Winner"), QStringLiteral("How"), QStringLiteral("Home score"),
        QStringLiteral("Visitor score"), QStringLiteral("Time used"), QStringLiteral("Rule set") };
}

frmResults::frmResults(QWidget* parent)
    : Form(parent)
    , grdResults(new QTableView(this))
    , lblStatus(new QLabel(this))
    , cmdExport(new QPushButton(QStringLiteral("Export..."), this))
    , cmdOpenFolder(new QPushButton(QStringLiteral("Open folder"), this))
    , cmdClose(new QPushButton(QStringLiteral("Close"), this))
    , m_model(new Model(this))
{
    setObjectName(QStringLiteral("frmResults"));
    setWindowTitle(QStringLiteral("Results"));
    grdResults->setObjectName(QStringLiteral("grdResults"));
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    cmdExport->setObjectName(QStringLiteral("cmdExport"));
    cmdOpenFolder->setObjectName(QStringLiteral("cmdOpenFolder"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    grdResults->setModel(m_model);
    grdResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdResults->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdResults->setSelectionMode(QAbstractItemView::SingleSelection);
    grdResults->setWordWrap(false);
    grdResults->verticalHeader()->setVisible(false);
    grdResults->horizontalHeader()->setStretchLastSection(true);
    // Columns are sized to the texts of the first rows: a long day opens as
    // fast as a short one.
    grdResults->horizontalHeader()->setResizeContentsPrecision(50);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblStatus, 1);
    buttons->addWidget(cmdExport);
    buttons->addWidget(cmdOpenFolder);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdResults, 1);
    layout->addLayout(buttons);

    connect(cmdExport, &QPushButton::clicked, this, &frmResults::Export);
    connect(cmdOpenFolder, &QPushButton::clicked, this, &frmResults::ShowFolder);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    SetClientSize(DesignWidth, DesignHeight);
}

void frmResults::Load(const QString& folder, QDate day)
{
    m_folder = folder;
    m_day = day;
    m_listing = ReadResults(QDir(folder).filePath(ResultsJsonName), day);
    Fill();
}

void frmResults::Fill()
{
    const std::vector<ContestResult>& results = m_listing.Results;
    m_model->Set(&results);
    grdResults->resizeColumnsToContents();

    QString status;
    if (!m_listing.Error.isEmpty())
        status = QStringLiteral("The results cannot be read: %1").arg(m_listing.Error);
    else if (results.empty())
        status = QStringLiteral("No contests on %1.").arg(m_day.toString(Qt::ISODate));
    else
        status = QStringLiteral("%1 %2 on %3")
                     .arg(results.size())
                     .arg(results.size() == 1 ? QStringLiteral("contest") : QStringLiteral("contests"),
                         m_day.toString(Qt::ISODate));
    if (m_listing.Damaged > 0)
        status += QStringLiteral(" (%1 damaged %2 skipped)")
                      .arg(m_listing.Damaged)
                      .arg(m_listing.Damaged == 1 ? QStringLiteral("line") : QStringLiteral("lines"));
    lblStatus->setText(status);
}

void frmResults::Export()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name = QStringLiteral("results-%1.csv").arg(m_day.toString(Qt::ISODate));
    const QString start = QDir(documents.isEmpty() ? m_folder : documents).filePath(name);
    const std::optional<QString> chosen
        = Dialogs().ChooseSaveFile(this, QStringLiteral("CSV files|*.csv"), start);
    if (!chosen)
        return;
    std::vector<ContestResult> oldestFirst(m_listing.Results.rbegin(), m_listing.Results.rend());
    QString error;
    if (!WriteResultsCsv(*chosen, oldestFirst, &error))
        Dialogs().ShowWarning(this, QStringLiteral("Export"),
            QStringLiteral("The results cannot be written to %1: %2").arg(*chosen, error));
}

void frmResults::ShowFolder()
{
    // The folder exists before the first result, so the operator sees where
    // the results will go.
    QDir().mkpath(m_folder);
    if (!OpenFolder(m_folder))
        Dialogs().ShowWarning(this, QStringLiteral("Open folder"),
            QStringLiteral("The folder %1 cannot be opened.").arg(QDir::toNativeSeparators(m_folder)));
}

void frmResults::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    Form::keyPressEvent(event);
}

void OpenResultsWindow(const QString& folder, QDate day)
{
    if (g_results) {
        g_results->Load(folder, day);
        if (g_results->windowState() & Qt::WindowMinimized)
            g_results->setWindowState(g_results->windowState() & ~Qt::WindowMinimized);
        g_results->show();
        g_results->raise();
        g_results->activateWindow();
        return;
    }
    const QWidget* owner = QApplication::activeWindow();
    auto* results = new frmResults;
    results->setAttribute(Qt::WA_DeleteOnClose);
    results->Load(folder, day);
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect place(QPoint(0, 0), results->size().boundedTo(screen->availableGeometry().size()));
        const QRect available = screen->availableGeometry();
        place.moveCenter(owner ? owner->frameGeometry().center() : available.center());
        place.moveLeft(std::clamp(place.left(), available.left(), available.right() + 1 - place.width()));
        place.moveTop(std::clamp(place.top(), available.top(), available.bottom() + 1 - place.height()));
        results->resize(place.size());
        results->move(place.topLeft());
    }
    g_results = results;
    results->show();
    results->raise();
    results->activateWindow();
}

frmResults* ResultsWindow()
{
    return g_results;
}

} // namespace kv
