#pragma once

#include <QString>

namespace kv {

inline constexpr quint16 DefaultBrokerPort = 1883;
inline constexpr quint16 DefaultBrokerTlsPort = 8883;

// Where the message broker of a hall is: "host", "host:port", "[v6]:port"
// or a bare IPv6 address. Without a port, 1883 (8883 with TLS).
struct BrokerAddress
{
    QString Host;
    quint16 Port = 0;
    // Why the text is no broker address; empty when it is one.
    QString Error;

    bool IsValid() const { return Error.isEmpty() && !Host.isEmpty(); }
};

BrokerAddress ParseBrokerAddress(const QString& text, bool tls = false);

// The address as the title and the messages show it: "host:port", IPv6
// hosts in brackets.
QString BrokerAddressText(const BrokerAddress& address);

} // namespace kv
