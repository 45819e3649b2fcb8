#pragma once

#include <functional>

namespace kv {

// The help window is reached through this one entry point (the splash
// screen's Help button, the scoreboard's F1). The opener shows the window
// modeless, creating it on first use.
void SetHelpWindowOpener(std::function<void()> opener);
// Shows the help window; false (and nothing shown) while none is installed.
bool ShowHelpWindow();

} // namespace kv
