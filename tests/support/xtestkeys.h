#pragma once

// Real key presses and mouse clicks for tests and benchmarks on an X server:
// XTest, loaded at run time (the library itself does not link it), on Qt's
// own connection.

#include "xvfbserver.h"

#include <QGuiApplication>

#ifdef KORVELIN_HAVE_XVFB_SERVER
#include <QLibrary>

// Xlib last, and its macros that clash with Qt names undone.
#include <X11/Xlib.h>
#include <X11/keysym.h>
#undef Bool
#undef None
#undef Status
#undef KeyPress
#undef KeyRelease
#undef FocusIn
#undef FocusOut
#undef Success
#undef Unsorted
#undef CursorShape
#undef True
#undef False
#else
using KeySym = unsigned long;
#endif

namespace kv::test {

#ifdef KORVELIN_HAVE_XVFB_SERVER
using FakeKeyEvent = int (*)(Display*, unsigned int keycode, int isPress, unsigned long delay);

// XTest, loaded at run time: the library itself does not link it.
inline FakeKeyEvent XTestFakeKey()
{
    static const FakeKeyEvent function = [] {
        QLibrary library(QStringLiteral("Xtst"), 6);
        return reinterpret_cast<FakeKeyEvent>(library.resolve("XTestFakeKeyEvent"));
    }();
    return function;
}

using FakeButtonEvent = int (*)(Display*, unsigned int button, int isPress, unsigned long delay);
using FakeMotionEvent = int (*)(Display*, int screen, int x, int y, unsigned long delay);

inline FakeButtonEvent XTestFakeButton()
{
    static const FakeButtonEvent function = [] {
        QLibrary library(QStringLiteral("Xtst"), 6);
        return reinterpret_cast<FakeButtonEvent>(library.resolve("XTestFakeButtonEvent"));
    }();
    return function;
}

inline FakeMotionEvent XTestFakeMotion()
{
    static const FakeMotionEvent function = [] {
        QLibrary library(QStringLiteral("Xtst"), 6);
        return reinterpret_cast<FakeMotionEvent>(library.resolve("XTestFakeMotionEvent"));
    }();
    return function;
}

inline Display* QtDisplay()
{
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->display() : nullptr;
}

// Presses or releases the key that carries keysym, as the keyboard would.
inline bool SendKey(KeySym keysym, bool press)
{
    Display* display = QtDisplay();
    const FakeKeyEvent fakeKey = XTestFakeKey();
    if (display == nullptr || fakeKey == nullptr)
        return false;
    const ::KeyCode keycode = XKeysymToKeycode(display, keysym);
    if (keycode == 0)
        return false;
    fakeKey(display, keycode, press ? 1 : 0, 0); // delay 0: at once
    XFlush(display);
    return true;
}

inline bool Tap(KeySym keysym)
{
    return SendKey(keysym, true) && SendKey(keysym, false);
}

// Moves the pointer to (x, y) on the screen, as the mouse would.
inline bool MovePointer(int x, int y)
{
    Display* display = QtDisplay();
    const FakeMotionEvent fakeMotion = XTestFakeMotion();
    if (display == nullptr || fakeMotion == nullptr)
        return false;
    fakeMotion(display, -1, x, y, 0); // screen -1: the pointer's current screen
    XFlush(display);
    return true;
}

// Presses or releases a mouse button (1 left, 2 middle, 3 right) where the
// pointer is.
inline bool SendButton(unsigned int button, bool press)
{
    Display* display = QtDisplay();
    const FakeButtonEvent fakeButton = XTestFakeButton();
    if (display == nullptr || fakeButton == nullptr)
        return false;
    fakeButton(display, button, press ? 1 : 0, 0);
    XFlush(display);
    return true;
}

// A click at (x, y) on the screen.
inline bool Click(int x, int y, unsigned int button = 1)
{
    return MovePointer(x, y) && SendButton(button, true) && SendButton(button, false);
}
#else
using FakeKeyEvent = void*;
inline FakeKeyEvent XTestFakeKey()
{
    return nullptr;
}
inline bool SendKey(KeySym, bool)
{
    return false;
}
inline bool Tap(KeySym)
{
    return false;
}
inline bool MovePointer(int, int)
{
    return false;
}
inline bool SendButton(unsigned int, bool)
{
    return false;
}
inline bool Click(int, int, unsigned int = 1)
{
    return false;
}
#define XK_Shift_L 0
#define XK_s 0
#define XK_b 0
#define XK_r 0
#define XK_7 0
#define XK_equal 0
#define XK_KP_3 0
#define XK_KP_Enter 0
#define XK_KP_Add 0
#define XK_KP_Subtract 0
#define XK_Left 0
#define XK_Right 0
#define XK_Up 0
#define XK_Down 0
#endif

} // namespace kv::test
