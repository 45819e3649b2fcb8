#include "network/requestscreen.h"

#include <QList>

namespace kv {

namespace {

bool IsTokenChar(char c)
{
    // RFC 9110 token characters.
    static constexpr QByteArrayView Specials = "!#$%&'*+-.^_`|~";
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || Specials.contains(c);
}

bool IsToken(QByteArrayView text)
{
    if (text.isEmpty())
        return false;
    for (const char c : text) {
        if (!IsTokenChar(c))
            return false;
    }
    return true;
}

// Visible ASCII only: no spaces, controls or bytes above 126.
bool IsVisible(QByteArrayView text)
{
    for (const char c : text) {
        if (c <= ' ' || c > '~')
            return false;
    }
    return !text.isEmpty();
}

bool IsFieldValue(QByteArrayView text)
{
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < ' ' && u != '\t') || u == 127)
            return false;
    }
    return true;
}

ScreenVerdict ScreenRequestLine(QByteArrayView line)
{
    const qsizetype first = line.indexOf(' ');
    const qsizetype last = line.lastIndexOf(' ');
    if (first <= 0 || last <= first)
        return ScreenVerdict::BadRequest;
    const QByteArrayView method = line.first(first);
    const QByteArrayView target = line.sliced(first + 1, last - first - 1);
    const QByteArrayView version = line.sliced(last + 1);
    if (!IsToken(method) || !IsVisible(target) || !target.startsWith('/'))
        return ScreenVerdict::BadRequest;
    if (version != "HTTP/1.1" && version != "HTTP/1.0")
        return ScreenVerdict::BadRequest;
    if (method != "GET" && method != "HEAD")
        return ScreenVerdict::MethodNotAllowed;
    return ScreenVerdict::Pass;
}

} // namespace

ScreenVerdict ScreenRequestHead(QByteArrayView received, const RequestLimits& limits)
{
    const qsizetype lineEnd = received.indexOf("\r\n");
    if (lineEnd < 0)
        return received.size() > limits.MaxRequestLine ? ScreenVerdict::TooLarge : ScreenVerdict::Incomplete;
    if (lineEnd > limits.MaxRequestLine)
        return ScreenVerdict::TooLarge;
    const qsizetype headEnd = received.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return received.size() > limits.MaxHead ? ScreenVerdict::TooLarge : ScreenVerdict::Incomplete;
    if (headEnd + 4 > limits.MaxHead)
        return ScreenVerdict::TooLarge;

    const ScreenVerdict line = ScreenRequestLine(received.first(lineEnd));
    if (line != ScreenVerdict::Pass)
        return line;
    // Header fields: a name, a colon, a value without control characters.
    // A request for the board carries no body.
    qsizetype start = lineEnd + 2;
    while (start < headEnd + 2) {
        const qsizetype end = received.indexOf("\r\n", start);
        const QByteArrayView field = received.sliced(start, end - start);
        start = end + 2;
        const qsizetype colon = field.indexOf(':');
        if (colon <= 0 || !IsToken(field.first(colon)) || !IsFieldValue(field.sliced(colon + 1)))
            return ScreenVerdict::BadRequest;
        const QByteArray name = field.first(colon).toByteArray().toLower();
        const QByteArray value = field.sliced(colon + 1).toByteArray().trimmed();
        if (name == "transfer-encoding")
            return ScreenVerdict::TooLarge;
        if (name == "content-length") {
            bool ok = false;
            const qlonglong length = value.toLongLong(&ok);
            if (!ok || length < 0)
                return ScreenVerdict::BadRequest;
            if (length > 0)
                return ScreenVerdict::TooLarge;
        }
    }
    return ScreenVerdict::Pass;
}

QByteArray RefusalResponse(int status)
{
    QByteArray reason;
    switch (status) {
    case 400:
        reason = "Bad Request";
        break;
    case 405:
        reason = "Method Not Allowed";
        break;
    case 408:
        reason = "Request Timeout";
        break;
    case 413:
        reason = "Content Too Large";
        break;
    case 503:
        reason = "Service Unavailable";
        break;
    default:
        reason = "Error";
        break;
    }
    QByteArray response = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n";
    if (status == 405)
        response += "Allow: GET, HEAD\r\n";
    response += "Content-Length: 0\r\nConnection: close\r\n\r\n";
    return response;
}

} // namespace kv
