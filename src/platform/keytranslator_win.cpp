#include "platform/keytranslator.h"

namespace kv {

// Windows gives layout-aware virtual-key codes itself: no symbols needed.
KeySymbolLookup PlatformKeySymbols()
{
    return {};
}

} // namespace kv
