#pragma once

#include <functional>

namespace kv {

// The options dialog is reached through this one entry point, so that the
// forms that open it (the splash screen, the scoreboard's F2) do not depend
// on the dialog itself. The runner shows the dialog modal and returns when
// it has been closed.
void SetOptionsDialogRunner(std::function<void()> runner);
// Runs the dialog; false (and nothing shown) while no dialog is installed.
bool RunOptionsDialog();

// Whether a contest is under way, asked by the dialog before it changes the
// rule set. The scoreboard installs it; with none installed no contest is.
void SetContestUnderWayCheck(std::function<bool()> check);
bool ContestUnderWay();

} // namespace kv
