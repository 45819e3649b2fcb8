#include "settings/optionsdialog.h"

namespace kv {

namespace {
std::function<void()>& Runner()
{
    static std::function<void()> runner;
    return runner;
}

std::function<bool()>& UnderWayCheck()
{
    static std::function<bool()> check;
    return check;
}
} // namespace

void SetContestUnderWayCheck(std::function<bool()> check)
{
    UnderWayCheck() = std::move(check);
}

bool ContestUnderWay()
{
    return UnderWayCheck() && UnderWayCheck()();
}

void SetOptionsDialogRunner(std::function<void()> runner)
{
    Runner() = std::move(runner);
}

bool RunOptionsDialog()
{
    if (!Runner())
        return false;
    Runner()();
    return true;
}

} // namespace kv
