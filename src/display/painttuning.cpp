#include "display/painttuning.h"

#include <QByteArray>
#include <QtGlobal>

namespace kv {

void TunePainting()
{
    if (!qEnvironmentVariableIsSet("QT_NO_FAST_MOVE"))
        qputenv("QT_NO_FAST_MOVE", QByteArray("1"));
}

} // namespace kv
