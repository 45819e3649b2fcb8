#pragma once

// The board's read-only web server. It runs on a thread of its own, so no
// viewer, request or flood ever holds up the board: the board hands it the
// newest texts to serve and goes on.
//
//   /          the board page          /overlay    the stream overlay
//   /state     the state as JSON       /korvelin.js  the pages' script
//   /ws        WebSocket: the state, pushed on every change
//   /ws/board  WebSocket: the board page's picture of the board
//   /hall      the hall page: every mat of a hall view
//   /hall/state  the mats as JSON      /ws/hall    WebSocket: the mats
//
// Anything else is 404. Only GET and HEAD are taken (405 otherwise);
// malformed requests get 400, oversized ones 413, a request head that does
// not arrive in time 408. At most MaxViewers WebSocket viewers at once (the
// next one is refused with 503); a viewer that does not take what is sent
// to it is dropped.

#include "network/requestscreen.h"

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>
#include <memory>

namespace kv {

struct ServerLimits
{
    RequestLimits Request;
    int MaxViewers = 64;
    // Connections still in their request, beside the viewers.
    int MaxRequests = 32;
    // A request head must arrive within this time.
    int HeadTimeoutMs = 5000;
    // What may wait unsent for one viewer before it is dropped.
    qint64 MaxQueuedBytes = 256 * 1024;
};

class ServerWorker;

class BoardServer final : public QObject
{
    Q_OBJECT

public:
    explicit BoardServer(ServerLimits limits = {}, QObject* parent = nullptr);
    ~BoardServer() override;

    // Opens the port on the address; false, with Error(), when it cannot.
    // Port 0 takes any free port.
    bool Listen(const QHostAddress& address, quint16 port);
    quint16 Port() const { return m_port; }
    QString Error() const { return m_error; }

    // The newest texts to serve; each is pushed to the viewers that take it.
    void PublishState(const QByteArray& json);
    void PublishView(const QByteArray& json);
    void PublishPictures(const QByteArray& json);
    // The mats of a hall view (a program showing the hall serves them).
    void PublishHall(const QByteArray& json);
    // The hall page's own words, on the hall's WebSocket only (before the
    // mats to a viewer that joins); /hall/state stays the mats alone.
    void PublishHallWords(const QByteArray& json);

    // Open WebSocket viewers, all and of the board page.
    int Viewers() const { return m_viewers->load(); }
    int BoardViewers() const { return m_boardViewers->load(); }

signals:
    // A board page viewer came: it needs the picture of the board.
    void BoardViewerJoined();

private:
    QThread m_thread;
    QObject m_context; // on the server's thread
    ServerWorker* m_worker = nullptr;
    std::shared_ptr<std::atomic<int>> m_viewers = std::make_shared<std::atomic<int>>(0);
    std::shared_ptr<std::atomic<int>> m_boardViewers = std::make_shared<std::atomic<int>>(0);
    quint16 m_port = 0;
    QString m_error;
};

} // namespace kv
