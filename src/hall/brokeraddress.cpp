#include "hall/brokeraddress.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace kv {

namespace {

// Letters, digits, dots, dashes and underscores: a host name or an IPv4
// address. Anything else (blanks, slashes, "@") is no host.
bool IsHostName(const QString& host)
{
    static const QRegularExpression name(QStringLiteral("^[A-Za-z0-9._-]{1,253}$"));
    return name.match(host).hasMatch();
}

bool IsIpv6(const QString& host)
{
    static const QRegularExpression v6(QStringLiteral("^[0-9A-Fa-f:.]{2,45}(%[A-Za-z0-9._-]{1,32})?$"));
    return host.contains(QLatin1Char(':')) && v6.match(host).hasMatch();
}

} // namespace

BrokerAddress ParseBrokerAddress(const QString& text, bool tls)
{
    BrokerAddress address;
    const QString trimmed = text.trimmed();
    QString portText;
    if (trimmed.startsWith(QLatin1Char('['))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        if (close < 0) {
            address.Error
                = QCoreApplication::translate("kv::BrokerAddress", "\"%1\" has no closing ]").arg(text);
            return address;
        }
        address.Host = trimmed.mid(1, close - 1);
        const QString rest = trimmed.mid(close + 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(QLatin1Char(':'))) {
                address.Error
                    = QCoreApplication::translate("kv::BrokerAddress", "\"%1\" is not HOST[:PORT]").arg(text);
                return address;
            }
            portText = rest.mid(1);
            if (portText.isEmpty()) {
                address.Error
                    = QCoreApplication::translate("kv::BrokerAddress", "\"%1\" has no port after the colon")
                          .arg(text);
                return address;
            }
        }
        if (!IsIpv6(address.Host)) {
            address.Error = QCoreApplication::translate("kv::BrokerAddress", "\"%1\" is not an IPv6 address")
                                .arg(address.Host);
            return address;
        }
    } else if (trimmed.count(QLatin1Char(':')) > 1) {
        address.Host = trimmed; // a bare IPv6 address
        if (!IsIpv6(address.Host)) {
            address.Error
                = QCoreApplication::translate("kv::BrokerAddress", "\"%1\" is not HOST[:PORT]").arg(text);
            return address;
        }
    } else {
        const qsizetype colon = trimmed.indexOf(QLatin1Char(':'));
        address.Host = colon < 0 ? trimmed : trimmed.left(colon);
        if (colon >= 0) {
            portText = trimmed.mid(colon + 1);
            if (portText.isEmpty()) {
                address.Error
                    = QCoreApplication::translate("kv::BrokerAddress", "\"%1\" has no port after the colon")
                          .arg(text);
                return address;
            }
        }
        if (address.Host.isEmpty()) {
            address.Error
                = QCoreApplication::translate("kv::BrokerAddress", "\"%1\" names no host").arg(text);
            return address;
        }
        if (!IsHostName(address.Host)) {
            address.Error = QCoreApplication::translate("kv::BrokerAddress", "\"%1\" is not a host name")
                                .arg(address.Host);
            return address;
        }
    }
    if (portText.isEmpty()) {
        address.Port = tls ? DefaultBrokerTlsPort : DefaultBrokerPort;
        return address;
    }
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    const int port = digits.match(portText).hasMatch() ? portText.toInt() : 0;
    if (port < 1 || port > 65535) {
        address.Error
            = QCoreApplication::translate("kv::BrokerAddress", "\"%1\" is not a port number from 1 to 65535")
                  .arg(portText);
        return address;
    }
    address.Port = static_cast<quint16>(port);
    return address;
}

QString BrokerAddressText(const BrokerAddress& address)
{
    const QString host
        = address.Host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(address.Host) : address.Host;
    return QStringLiteral("%1:%2").arg(host).arg(address.Port);
}

} // namespace kv
