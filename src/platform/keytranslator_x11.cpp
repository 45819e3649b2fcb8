#include "platform/keytranslator.h"
#include "platform/x11display.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace kv {

namespace {

KeySymbols SymbolsOf(quint32 keycode)
{
    Display* display = X11Display();
    if (display == nullptr || keycode < 8 || keycode > 255)
        return {};
    // The active group of the layout, and the key's two levels in it, read
    // from the server each time so that a layout switch is followed at once.
    int group = 0;
    XkbStateRec state {};
    if (XkbGetState(display, XkbUseCoreKbd, &state) == 0)
        group = state.group;
    int perKey = 0;
    KeySym* symbols = XGetKeyboardMapping(display, static_cast<KeyCode>(keycode), 1, &perKey);
    if (symbols == nullptr)
        return {};
    // The core map lists group 1 levels 1 and 2, then group 2 levels 1 and 2.
    const int first = group == 1 && perKey >= 4 ? 2 : 0;
    KeySymbols result;
    if (perKey > first)
        result.Unshifted = static_cast<quint32>(symbols[first]);
    if (perKey > first + 1)
        result.Shifted = static_cast<quint32>(symbols[first + 1]);
    XFree(symbols);
    return result;
}

} // namespace

KeySymbolLookup PlatformKeySymbols()
{
    return [](quint32 keycode) { return SymbolsOf(keycode); };
}

} // namespace kv
