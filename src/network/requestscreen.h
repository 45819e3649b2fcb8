#pragma once

// The first look at a request before the HTTP server reads it: the board
// serves a handful of small read-only resources, so a request head that is
// too long, not shaped like HTTP/1.x, asks for anything but GET or HEAD, or
// carries a body is answered at once and never reaches the server. The bytes
// are only measured and split at their separators; the HTTP server parses
// what passes.

#include <QByteArray>
#include <QByteArrayView>

namespace kv {

struct RequestLimits
{
    // The request line (method, target, version) and the whole head.
    qsizetype MaxRequestLine = 2048;
    qsizetype MaxHead = 8192;
};

enum class ScreenVerdict
{
    Incomplete, // the head has not ended yet: wait for more
    Pass,
    BadRequest, // 400
    TooLarge, // 413
    MethodNotAllowed, // 405
};

ScreenVerdict ScreenRequestHead(QByteArrayView received, const RequestLimits& limits = {});

// The status line and headers of a refusal, with an empty body, to be sent
// before the connection is closed.
QByteArray RefusalResponse(int status);

} // namespace kv
