#include "platform/keyboardstate.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace kv {

namespace {

constexpr BYTE NumLockVirtualKey = VK_NUMLOCK; // 144
constexpr BYTE NumLockScanCode = 0x45;

} // namespace

bool NumLockIsOn()
{
    BYTE state[256] = {};
    if (!GetKeyboardState(state))
        return false;
    return state[NumLockVirtualKey] != 0;
}

void SetNumLock(bool wanted)
{
    if (NumLockIsOn() == wanted)
        return;
    keybd_event(NumLockVirtualKey, NumLockScanCode, KEYEVENTF_EXTENDEDKEY, 0);
    keybd_event(NumLockVirtualKey, NumLockScanCode, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
}

} // namespace kv
