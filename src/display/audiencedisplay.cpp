#include "display/audiencedisplay.h"

#include "display/audiencewindow.h"
#include "display/form.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace kv {

AudiencePlacement ChooseAudienceScreen(int screenCount, int boardScreen, int requested)
{
    if (screenCount <= 0 || requested < 0)
        return {};
    if (requested > 0) {
        if (requested > screenCount)
            return {};
        return { requested - 1, requested - 1 != boardScreen };
    }
    for (int screen = 0; screen < screenCount; ++screen) {
        if (screen != boardScreen)
            return { screen, true };
    }
    return { boardScreen >= 0 && boardScreen < screenCount ? boardScreen : 0, false };
}

AudienceDisplay::AudienceDisplay(Form& board, int requestedScreen, QStringList hidden, QObject* parent)
    : QObject(parent)
    , m_board(&board)
    , m_requested(requestedScreen)
    , m_hidden(std::move(hidden))
{
    connect(qApp, &QGuiApplication::screenAdded, this, [this] { Place(false); });
    connect(qApp, &QGuiApplication::screenRemoved, this, &AudienceDisplay::ScreenRemoved);
    connect(&board, &QObject::destroyed, this, &AudienceDisplay::Close);
    Place(true);
}

AudienceDisplay::~AudienceDisplay()
{
    Close();
}

void AudienceDisplay::Place(bool atStart)
{
    // A display that fills a screen of its own stays where it is.
    if (!m_board || (!atStart && m_window && m_fullScreen))
        return;
    const QList<QScreen*> screens = QGuiApplication::screens();
    const AudiencePlacement placement
        = ChooseAudienceScreen(int(screens.size()), int(screens.indexOf(m_board->screen())), m_requested);
    if (placement.Screen < 0 || (!atStart && !placement.FullScreen))
        return;
    QScreen* screen = screens.at(placement.Screen);
    if (m_window && m_screen == screen && m_fullScreen == placement.FullScreen)
        return;
    Close();
    Open(screen, placement.FullScreen);
}

void AudienceDisplay::Open(QScreen* screen, bool fullScreen)
{
    m_window = new AudienceWindow(*m_board, m_hidden);
    m_screen = screen;
    m_fullScreen = fullScreen;
    const QRect area = screen->geometry();
    if (fullScreen) {
        m_window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        m_window->setCursor(Qt::BlankCursor);
        m_window->setGeometry(area);
        m_window->winId();
        m_window->windowHandle()->setScreen(screen);
        // Not showFullScreen(): that takes the keyboard from the board.
        m_window->setWindowState(Qt::WindowFullScreen);
        m_window->show();
    } else {
        // Beside the board on the one screen: an ordinary window, half the
        // screen, that the operator places and sizes.
        const QRect available = screen->availableGeometry();
        const QSize size(available.width() / 2, available.height() / 2);
        m_window->setGeometry(QRect(available.center() - QPoint(size.width() / 2, size.height() / 2), size));
        m_window->show();
    }
}

void AudienceDisplay::Close()
{
    if (m_window) {
        m_window->CloseForGood();
        delete m_window;
    }
    m_window = nullptr;
    m_screen = nullptr;
}

void AudienceDisplay::ScreenRemoved(QScreen* screen)
{
    if (!m_window || screen != m_screen)
        return;
    // Its screen went: the board carries on alone until a screen comes back.
    Close();
    Place(false);
}

} // namespace kv
