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

// The top-level window (a child of the root) that holds `window`, or 0.
inline ::Window TopLevelOf(Display* display, ::Window window)
{
    const ::Window rootWindow = DefaultRootWindow(display);
    while (window != 0 && window != rootWindow) {
        ::Window root = 0;
        ::Window parent = 0;
        ::Window* children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display, window, &root, &parent, &children, &count) == 0)
            return 0;
        if (children != nullptr)
            XFree(children);
        if (parent == rootWindow)
            return window;
        window = parent;
    }
    return 0;
}

// The top-level window that has the keyboard, or 0.
inline ::Window FocusedTopLevel(Display* display)
{
    ::Window focus = 0;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    return focus > 1 ? TopLevelOf(display, focus) : 0; // 0 None, 1 PointerRoot
}

// True when `window` is the viewable top-level window in front of all others
// and has the keyboard: what an operator's click into it gives.
inline bool InFrontWithKeyboard(Display* display, ::Window window)
{
    const std::vector<::Window> viewable = ViewableTopLevelWindows(display);
    return !viewable.empty() && viewable.back() == window && FocusedTopLevel(display) == window;
}

} // namespace kv::test
