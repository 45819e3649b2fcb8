#pragma once

#include <QtGlobal>

namespace kv {

// The character code a key stands for in typed number entry: 32 Space,
// 13 Enter, 0 the clear key, 43 "+", 45 "-", 48..57 digits (main keyboard and
// keypad), 46 "."; -1 for any other key. Space and Enter win over a clear key
// set to the same code.
qint16 KeyCodeToAsci(qint16 keyCode, qint16 clearKey);

} // namespace kv
