#pragma once

#include <QWidget>

#include <functional>

namespace kv {

// Runs `action` once, from the event loop, right after the first paint of
// `window` has been handled: work the first frame does not need waits for
// it. Nothing runs if the window goes first.
void AfterFirstPaint(QWidget& window, std::function<void()> action);

} // namespace kv
