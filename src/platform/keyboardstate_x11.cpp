#include "platform/keyboardstate.h"
#include "platform/x11display.h"

#include <QGuiApplication>
#include <QLibrary>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace kv {

namespace {

// The modifier bit NumLock locks (Mod2 on nearly every keymap).
unsigned int NumLockMask(Display* display)
{
    const unsigned int mask = XkbKeysymToModifiers(display, XK_Num_Lock);
    return mask != 0 ? mask : Mod2Mask;
}

// XTestFakeKeyEvent, looked up at run time so the program needs the XTest
// library only when it is there to use.
using FakeKeyEvent = int (*)(Display*, unsigned int keycode, Bool isPress, unsigned long delay);

FakeKeyEvent XTestFakeKey()
{
    static const FakeKeyEvent function = [] {
        QLibrary library(QStringLiteral("Xtst"), 6);
        return reinterpret_cast<FakeKeyEvent>(library.resolve("XTestFakeKeyEvent"));
    }();
    return function;
}

} // namespace

bool NumLockIsOn()
{
    Display* display = X11Display();
    if (display == nullptr)
        return false;
    XkbStateRec state {};
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return false;
    return (state.locked_mods & NumLockMask(display)) != 0;
}

void SetNumLock(bool wanted)
{
    Display* display = X11Display();
    if (display == nullptr || NumLockIsOn() == wanted)
        return;
    const KeyCode keycode = XKeysymToKeycode(display, XK_Num_Lock);
    const FakeKeyEvent fakeKey = XTestFakeKey();
    if (keycode != 0 && fakeKey != nullptr) {
        fakeKey(display, keycode, True, CurrentTime);
        fakeKey(display, keycode, False, CurrentTime);
    } else {
        // No NumLock key or no XTest: set the lock directly. No key event
        // arrives then, which changes nothing since the state is already right.
        const unsigned int mask = NumLockMask(display);
        XkbLockModifiers(display, XkbUseCoreKbd, mask, wanted ? mask : 0);
    }
    XFlush(display);
}

} // namespace kv
