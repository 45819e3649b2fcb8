#pragma once

// The top-level windows of an X display, for tests and benchmarks that watch
// a program from outside. X11 builds only; brings in Xlib and its macros.

#include <X11/Xlib.h>

#include <vector>

namespace kv::test {

// The viewable top-level windows of the display, bottom first; empty when
// the tree cannot be read.
inline std::vector<::Window> ViewableTopLevelWindows(Display* display)
{
    std::vector<::Window> viewable;
    ::Window root = 0;
    ::Window parent = 0;
    ::Window* children = nullptr;
    unsigned int count = 0;
    if (display == nullptr
        || XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0)
        return viewable;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes {};
        if (XGetWindowAttributes(display, children[i], &attributes) != 0
            && attributes.map_state == IsViewable)
            viewable.push_back(children[i]);
    }
    if (children != nullptr)
        XFree(children);
    return viewable;
}

} // namespace kv::test
