#include "help/frmhelp.h"

#include "display/twips.h"
#include "language/language.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace kv {

namespace {

QPointer<frmHelp> g_help;

int PixelsUp(double twips)
{
    return static_cast<int>(std::ceil(twips / TwipsPerPixel - 1e-9));
}

} // namespace

QString HelpFileName()
{
    return QStringLiteral("korvelinhelpfile.rtf");
}

QString HelpFileName(const QString& language)
{
    if (language.isEmpty() || language == QLatin1String(SourceLanguage))
        return HelpFileName();
    return QStringLiteral("korvelinhelpfile.%1.rtf").arg(language);
}

QString HelpFilePath(const QString& programFolder)
{
    return programFolder + QDir::separator() + HelpFileName();
}

QString HelpFilePathFor(const QString& programFolder, const QString& language)
{
    const QString path = programFolder + QDir::separator() + HelpFileName(language);
    return QFileInfo(path).isFile() ? path : HelpFilePath(programFolder);
}

QString MissingHelpText()
{
    return frmHelp::tr("Help file has been moved from its normal location.  Please reinstall the program.");
}

QString UnreadableHelpText()
{
    return frmHelp::tr("Help file cannot be read.  Please reinstall the program.");
}

HelpLayout HelpWindowLayout(double windowWidth, double windowHeight)
{
    HelpLayout layout {};
    layout.WindowHeight = std::max(windowHeight, frmHelp::MinimumHeight);
    layout.WindowWidth = std::max(windowWidth, frmHelp::MinimumWidth);
    layout.BoxWidth = layout.WindowWidth - 240;
    layout.BoxHeight = layout.WindowHeight - 420;
    layout.RightMargin = layout.BoxWidth - 450;
    return layout;
}

QRect HelpWindowPlace(const QRect& owner, const QSize& size, const QRect& available)
{
    QRect place(QPoint(0, 0), available.isValid() ? size.boundedTo(available.size()) : size);
    place.moveCenter(owner.isValid() ? owner.center() : available.center());
    if (available.isValid()) {
        place.moveLeft(std::clamp(place.left(), available.left(), available.right() + 1 - place.width()));
        place.moveTop(std::clamp(place.top(), available.top(), available.bottom() + 1 - place.height()));
    }
    return place;
}

frmHelp::frmHelp(QWidget* parent)
    : Form(parent)
    , m_rtbHelp(new QTextEdit(this))
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Korvelin Help"));
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(true);

    m_rtbHelp->setObjectName(QStringLiteral("rtbHelp"));
    m_rtbHelp->setReadOnly(true);
    // Read-only: text can be selected and copied; the keys scroll, no caret shows.
    m_rtbHelp->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_rtbHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_rtbHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_rtbHelp->setLineWrapMode(QTextEdit::FixedPixelWidth);
    m_rtbHelp->move(TwipsToPixelEdge(BoxLeft), 0);
    SetClientSize(DesignWidth, DesignHeight);
    Resize();
}

void frmHelp::Load(const QString& programFolder)
{
    m_programFolder = programFolder;
    m_loaded = true;
    m_readResult = {};
    const QString path = HelpFilePathFor(programFolder, CurrentLanguage());
    const QFileInfo info(path);
    // Anything but a file there (nothing, a folder) means the file has gone.
    if (!info.isFile()) {
        m_rtbHelp->setPlainText(MissingHelpText());
        return;
    }
    QFile file(path);
    if (info.size() > MaxHelpFileBytes || !file.open(QIODevice::ReadOnly)) {
        m_rtbHelp->setPlainText(UnreadableHelpText());
        return;
    }
    const QByteArray data = file.read(MaxHelpFileBytes);
    auto* document = new QTextDocument(m_rtbHelp);
    document->setDefaultFont(m_rtbHelp->font());
    m_readResult = ReadRtf(data, *document);
    if (!m_readResult.IsRtf) {
        delete document;
        m_rtbHelp->setPlainText(UnreadableHelpText());
        return;
    }
    m_rtbHelp->setDocument(document);
}

void frmHelp::Retranslate()
{
    Form::Retranslate();
    setWindowTitle(tr("Korvelin Help"));
    if (m_loaded)
        Load(m_programFolder);
}

void frmHelp::Resize()
{
    if (windowState() & Qt::WindowMinimized)
        return;
    // Outer sizes: the frame the window system adds, if any, counts.
    const QSize frameExtra = frameGeometry().size() - size();
    setMinimumSize(std::max(1, PixelsUp(MinimumWidth) - frameExtra.width()),
        std::max(1, PixelsUp(MinimumHeight) - frameExtra.height()));
    const HelpLayout layout = HelpWindowLayout(Width(), Height());
    if (layout.WindowWidth > Width() || layout.WindowHeight > Height())
        resize(std::max(width(), PixelsUp(layout.WindowWidth) - frameExtra.width()),
            std::max(height(), PixelsUp(layout.WindowHeight) - frameExtra.height()));
    // The box follows the size the window has now.
    const HelpLayout now = HelpWindowLayout(Width(), Height());
    m_rtbHelp->resize(
        std::max(1, TwipsToPixelEdge(now.BoxWidth)), std::max(1, TwipsToPixelEdge(now.BoxHeight)));
    m_rightMargin = now.RightMargin;
    m_rtbHelp->setLineWrapColumnOrWidth(std::max(1, TwipsToPixelEdge(now.RightMargin)));
    m_rtbHelp->viewport()->update();
}

void frmHelp::resizeEvent(QResizeEvent* event)
{
    Form::resizeEvent(event);
    Resize();
}

void frmHelp::changeEvent(QEvent* event)
{
    Form::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Resize();
}

void frmHelp::keyPressEvent(QKeyEvent* event)
{
    // Escape puts the guide away, as it does any reading window.
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    Form::keyPressEvent(event);
}

void OpenHelpWindow(const QString& programFolder)
{
    if (g_help) {
        if (g_help->windowState() & Qt::WindowMinimized)
            g_help->setWindowState(g_help->windowState() & ~Qt::WindowMinimized);
        g_help->show();
        g_help->raise();
        g_help->activateWindow();
        return;
    }
    // The window the request came from: the splash or the board.
    const QWidget* owner = QApplication::activeWindow();
    auto* help = new frmHelp;
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->Load(programFolder);
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    const QRect place = HelpWindowPlace(owner ? owner->frameGeometry() : available, help->size(), available);
    if (place.isValid()) {
        help->resize(place.size());
        help->move(place.topLeft());
    }
    g_help = help;
    help->show();
    help->raise();
    help->activateWindow();
}

frmHelp* HelpWindow()
{
    return g_help;
}

} // namespace kv
