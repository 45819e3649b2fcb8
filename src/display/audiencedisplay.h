#pragma once

#include "display/audiencewindow.h"

#include <QObject>
#include <QPointer>
#include <QScreen>
#include <QStringList>

namespace kv {

class Form;

// Where the audience display goes: a screen (index into the screen list, -1
// for none) and whether it fills it borderless.
struct AudiencePlacement
{
    int Screen = -1;
    bool FullScreen = false;
    bool operator==(const AudiencePlacement&) const = default;
};

// requested: 0 for the first screen that does not hold the board, N >= 1 for
// the Nth screen. A screen of its own is filled; the board's own screen gets
// an ordinary window. A screen that is not there gives none.
AudiencePlacement ChooseAudienceScreen(int screenCount, int boardScreen, int requested);

// Keeps the audience display of a board on its screen: opens it, closes it
// when its screen goes, brings it back (or moves it from the board's screen)
// when a screen of its own appears.
class AudienceDisplay final : public QObject
{
    Q_OBJECT

public:
    AudienceDisplay(Form& board, int requestedScreen, QStringList hidden, QObject* parent = nullptr);
    ~AudienceDisplay() override;

    // The open window, or null while there is no screen for it.
    AudienceWindow* Window() const { return m_window; }
    QScreen* Screen() const { return m_screen; }

private:
    // At start any placement goes; later only a screen of its own.
    void Place(bool atStart);
    void Open(QScreen* screen, bool fullScreen);
    void Close();
    void ScreenRemoved(QScreen* screen);

    QPointer<Form> m_board;
    int m_requested;
    QStringList m_hidden;
    QPointer<AudienceWindow> m_window;
    QPointer<QScreen> m_screen;
    bool m_fullScreen = false;
};

} // namespace kv
