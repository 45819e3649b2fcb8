#pragma once

#include "display/form.h"

#include <QStringList>

namespace kv {

class frmScoreboard;

// "Version 1.0.2" from the build's own version number.
QString VersionText();
// True when the argument text (the command line without the program name)
// is exactly "bypass".
bool IsBypass(const QStringList& arguments);
// The splash form's top-left corner in twips on a screen of the given size.
QPointF SplashPosition(double screenWidthTwips, double screenHeightTwips, double formWidthTwips);

// The program's first window: places itself, shows the version, has the
// settings loaded and waits for a click that opens the scoreboard.
class frmSplash final : public Form
{
    Q_OBJECT

public:
    static constexpr double DesignWidth = 6240;
    static constexpr double DesignHeight = 3210;

    explicit frmSplash(QWidget* parent = nullptr);

    // The load step. arguments: the command line without the program name.
    // Returns true when the splash was bypassed and the scoreboard is open.
    bool Load(const QStringList& arguments);
    // Closes the splash and shows the scoreboard.
    void GoScore();
    // The load step of a bypassed splash without the splash itself, which
    // would never be seen: has the settings loaded and shows the scoreboard.
    static frmScoreboard* Bypass();

    // The scoreboard, once GoScore has opened it.
    static frmScoreboard* Scoreboard();

    // The design captions and the version in the language now in effect.
    void Retranslate() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ConnectHandlers();
    static void ShowScoreboard();

    bool m_pressed = false;
};

} // namespace kv
