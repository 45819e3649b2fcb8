#pragma once

// The X connection of the running application, for the X11 parts
// (*_x11.cpp) only: it brings in Xlib and its macros.

#include <QGuiApplication>

#include <X11/Xlib.h>

namespace kv {

// The application's X display, or null when it does not run on xcb.
inline Display* X11Display()
{
    if (qGuiApp == nullptr || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->display() : nullptr;
}

} // namespace kv
