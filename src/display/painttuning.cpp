#include "display/painttuning.h"

#include <QByteArray>
#include <QtGlobal>

namespace kv {

namespace {
void SetUnlessSet(const char* name, const QByteArray& value)
{
    if (!qEnvironmentVariableIsSet(name))
        qputenv(name, value);
}
} // namespace

void TunePainting()
{
    SetUnlessSet("QT_MAX_CACHED_GLYPH_SIZE", QByteArray::number(CachedGlyphLimit));
    SetUnlessSet("QT_NO_FAST_MOVE", "1");
}

} // namespace kv
