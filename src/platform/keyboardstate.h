#pragma once

namespace kv {

// The NumLock toggle of the keyboard. Off where the platform does not let
// the program see it (e.g. without a window system).
bool NumLockIsOn();

// Makes the NumLock toggle equal wanted. When it differs, NumLock is toggled
// by a synthetic press and release of the NumLock key, which reach the
// program's focused window like the operator's own.
void SetNumLock(bool wanted);

} // namespace kv
