#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

namespace kv {

class BoardPublisher;
class BoardServer;
class frmScoreboard;

inline constexpr quint16 DefaultServePort = 8090;

// The board served on the hall's network: the server, the publisher that
// feeds it, and the address in the board's title ("Korvelin -
// http://192.168.1.20:8090"). Follows the network settings when the options
// dialog changes them. A port that cannot be opened is reported and the
// board runs on without serving.
class BoardWebService final : public QObject
{
    Q_OBJECT

public:
    explicit BoardWebService(frmScoreboard& board);
    ~BoardWebService() override;

    // Serving as the settings say, or as the command line asks for this run
    // (serve, and a port when one was given).
    void Start(bool serveAsked, quint16 portAsked);
    // Serves on the port (any earlier serving ends first). False when the
    // port cannot be opened: the operator is told, and nothing is served.
    bool Serve(quint16 port);
    void StopServing();

    bool Serving() const { return m_server != nullptr; }
    quint16 Port() const;
    BoardServer* Server() const { return m_server.get(); }
    // The address the title shows, e.g. "http://192.168.1.20:8090".
    QString Address() const;

    // The message shown when the port cannot be opened.
    static QString PortFailureText(quint16 port, const QString& why);
    // What reports a failure: a message box by default; tests put their own.
    static void SetFailureReporter(std::function<void(const QString&)> reporter);

private:
    void OptionsClosed();

    QPointer<frmScoreboard> m_board;
    std::unique_ptr<BoardServer> m_server;
    std::unique_ptr<BoardPublisher> m_publisher;
    bool m_settingsServe = false;
    quint16 m_settingsPort = DefaultServePort;
};

// The board's address on the hall's network: the first IPv4 address of a
// running network interface that is not the loopback, else "localhost".
QString LocalNetworkHost();

} // namespace kv
