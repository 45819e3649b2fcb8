#include "record/savewhole.h"

namespace kv {

// Windows has no call that swaps two names in one step: each save of a
// RepeatedSave is a SaveWhole there.
SwapSave SaveBySwapping(const QString&, const QString&, const QByteArray&, QString*)
{
    return SwapSave::Unsupported;
}

} // namespace kv
