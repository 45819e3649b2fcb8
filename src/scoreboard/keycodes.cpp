#include "scoreboard/keycodes.h"

namespace kv {

qint16 KeyCodeToAsci(qint16 keyCode, qint16 clearKey)
{
    if (keyCode == 32)
        return 32;
    if (keyCode == 13)
        return 13;
    if (keyCode == clearKey)
        return 0;
    if (keyCode == 187 || keyCode == 107)
        return 43;
    if (keyCode == 189 || keyCode == 109)
        return 45;
    if (keyCode >= 96 && keyCode <= 105)
        return static_cast<qint16>(keyCode - 96 + 48);
    if (keyCode >= 48 && keyCode <= 57)
        return keyCode;
    if (keyCode == 110 || keyCode == 190)
        return 46;
    return -1;
}

} // namespace kv
