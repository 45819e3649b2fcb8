#include "settings/optionsdialog.h"

namespace kv {

namespace {
std::function<void()>& Runner()
{
    static std::function<void()> runner;
    return runner;
}
} // namespace

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
