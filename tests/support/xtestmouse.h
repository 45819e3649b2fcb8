#pragma once

// Real mouse clicks for tests on an X server: XTest, loaded at run time (the
// library itself does not link it), on Qt's own connection.

#include "xtestkeys.h"

#include <QPoint>

namespace kv::test {

#ifdef KORVELIN_HAVE_XVFB_SERVER
using FakeMotionEvent = int (*)(Display*, int screen, int x, int y, unsigned long delay);
using FakeButtonEvent = int (*)(Display*, unsigned int button, int isPress, unsigned long delay);

template <typename F> F XTestFunction(const char* name)
{
    QLibrary library(QStringLiteral("Xtst"), 6);
    return reinterpret_cast<F>(library.resolve(name));
}

// Moves the pointer to a point of the root window and presses and releases
// the button there (1 left, 2 middle, 3 right) count times, with no pause.
inline bool ClickAt(QPoint global, unsigned int button = 1, int count = 1)
{
    static const auto motion = XTestFunction<FakeMotionEvent>("XTestFakeMotionEvent");
    static const auto press = XTestFunction<FakeButtonEvent>("XTestFakeButtonEvent");
    Display* display = QtDisplay();
    if (display == nullptr || motion == nullptr || press == nullptr)
        return false;
    motion(display, -1, global.x(), global.y(), 0);
    for (int i = 0; i < count; ++i) {
        press(display, button, 1, 0);
        press(display, button, 0, 0);
    }
    XFlush(display);
    return true;
}
#else
inline bool ClickAt(QPoint, unsigned int = 1, int = 1)
{
    return false;
}
#endif

} // namespace kv::test
