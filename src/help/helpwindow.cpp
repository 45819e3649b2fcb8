#include "help/helpwindow.h"

namespace kv {

namespace {
std::function<void()>& Opener()
{
    static std::function<void()> opener;
    return opener;
}
} // namespace

void SetHelpWindowOpener(std::function<void()> opener)
{
    Opener() = std::move(opener);
}

bool ShowHelpWindow()
{
    if (!Opener())
        return false;
    Opener()();
    return true;
}

} // namespace kv
