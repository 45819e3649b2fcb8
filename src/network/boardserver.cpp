#include "network/boardserver.h"

#include <QAbstractHttpServer>
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QWebSocket>

#include <vector>

namespace kv {

namespace {

constexpr qint64 SendBufferBytes = 64 * 1024;
constexpr qint64 MaxIncomingMessage = 1024;

struct Resource
{
    const char* Path;
    const char* File;
    const char* Type;
};

constexpr Resource Pages[] = {
    { "/", ":/korvelin/web/board.html", "text/html; charset=utf-8" },
    { "/overlay", ":/korvelin/web/overlay.html", "text/html; charset=utf-8" },
    { "/korvelin.js", ":/korvelin/web/korvelin.js", "text/javascript; charset=utf-8" },
    { "/hall", ":/korvelin/web/hall.html", "text/html; charset=utf-8" },
};

bool IsViewerPath(const QString& path)
{
    return path == QLatin1String("/ws") || path == QLatin1String("/ws/board")
        || path == QLatin1String("/ws/hall");
}

QByteArray ReadResource(const char* file)
{
    QFile resource(QString::fromLatin1(file));
    return resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
}

// Takes each connection through the request screen before the HTTP server
// sees it, and keeps the number of connections bounded.
class ScreeningServer final : public QTcpServer
{
public:
    ScreeningServer(const ServerLimits& limits, QObject* parent)
        : QTcpServer(parent)
        , m_limits(limits)
    { }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto* socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, SendBufferBytes);
        socket->setReadBufferSize(m_limits.Request.MaxHead + 1);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        // Every connection still open counts, viewers included (their
        // sockets live on inside the WebSocket).
        std::erase_if(m_open, [](const QPointer<QTcpSocket>& open) { return open.isNull(); });
        m_open.push_back(socket);
        if (int(m_open.size()) > m_limits.MaxViewers + m_limits.MaxRequests) {
            Refuse(socket, 503);
            return;
        }
        auto* timer = new QTimer(socket);
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, socket, [this, socket] { Refuse(socket, 408); });
        timer->start(m_limits.HeadTimeoutMs);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, timer] { Screen(socket, timer); });
        if (socket->bytesAvailable() > 0)
            Screen(socket, timer);
    }

private:
    void Screen(QTcpSocket* socket, QTimer* timer)
    {
        if (!socket->isOpen())
            return;
        const QByteArray received = socket->peek(m_limits.Request.MaxHead + 1);
        switch (ScreenRequestHead(received, m_limits.Request)) {
        case ScreenVerdict::Incomplete:
            return;
        case ScreenVerdict::BadRequest:
            Refuse(socket, 400);
            return;
        case ScreenVerdict::TooLarge:
            Refuse(socket, 413);
            return;
        case ScreenVerdict::MethodNotAllowed:
            Refuse(socket, 405);
            return;
        case ScreenVerdict::Pass:
            break;
        }
        // Over to the HTTP server, with the head already waiting to be read.
        timer->stop();
        disconnect(socket, &QTcpSocket::readyRead, socket, nullptr);
        addPendingConnection(socket);
        emit newConnection();
        QMetaObject::invokeMethod(socket, &QAbstractSocket::readyRead, Qt::QueuedConnection);
    }

    static void Refuse(QTcpSocket* socket, int status)
    {
        disconnect(socket, &QTcpSocket::readyRead, socket, nullptr);
        socket->write(RefusalResponse(status));
        socket->disconnectFromHost();
    }

    ServerLimits m_limits;
    std::vector<QPointer<QTcpSocket>> m_open;
};

} // namespace

// Lives on the server's thread: the HTTP server, the viewers and the newest
// texts the board handed over.
class ServerWorker final : public QAbstractHttpServer
{
public:
    ServerWorker(const ServerLimits& limits, std::shared_ptr<std::atomic<int>> viewers,
        std::shared_ptr<std::atomic<int>> boardViewers, std::function<void()> boardViewerJoined)
        : m_limits(limits)
        , m_viewerCount(std::move(viewers))
        , m_boardViewerCount(std::move(boardViewers))
        , m_boardViewerJoined(std::move(boardViewerJoined))
    {
        for (const Resource& page : Pages)
            m_pages.push_back(ReadResource(page.File));
        connect(this, &QAbstractHttpServer::newWebSocketConnection, this, &ServerWorker::TakeViewers);
    }

    ~ServerWorker() override
    {
        for (QWebSocket* viewer : m_stateViewers)
            delete viewer;
        for (QWebSocket* viewer : m_boardViewers)
            delete viewer;
        for (QWebSocket* viewer : m_hallViewers)
            delete viewer;
    }

    QString Open(const QHostAddress& address, quint16 port, quint16& opened)
    {
        auto* server = new ScreeningServer(m_limits, this);
        if (!server->listen(address, port)) {
            const QString error = server->errorString();
            delete server;
            return error;
        }
        opened = server->serverPort();
        bind(server);
        return {};
    }

    void SetState(const QByteArray& json)
    {
        m_state = json;
        Send(m_stateViewers, json);
    }

    void SetView(const QByteArray& json)
    {
        m_view = json;
        Send(m_boardViewers, json);
    }

    void SetPictures(const QByteArray& json)
    {
        m_pictures = json;
        Send(m_boardViewers, json);
    }

    void SetHall(const QByteArray& json)
    {
        m_hall = json;
        Send(m_hallViewers, json);
    }

    void SetHallWords(const QByteArray& json)
    {
        m_hallWords = json;
        Send(m_hallViewers, json);
    }

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override
    {
        const QString path = request.url().path();
        m_refusal = 404;
        if (!request.value("upgrade").isEmpty()) {
            if (!IsViewerPath(path))
                return false;
            if (ViewerCount() >= m_limits.MaxViewers) {
                m_refusal = 503;
                return false;
            }
            return true; // the WebSocket server takes the connection
        }
        QByteArray body;
        QByteArray type;
        if (path == QLatin1String("/state")) {
            body = m_state;
            type = "application/json";
        } else if (path == QLatin1String("/hall/state")) {
            body = m_hall;
            type = "application/json";
        } else {
            for (size_t i = 0; i < std::size(Pages); ++i) {
                if (path == QLatin1String(Pages[i].Path)) {
                    body = m_pages[i];
                    type = Pages[i].Type;
                }
            }
            if (type.isEmpty())
                return false;
        }
        QHttpServerResponder responder = makeResponder(request, socket);
        responder.writeStatusLine(QHttpServerResponder::StatusCode::Ok);
        responder.writeHeader("Content-Type", type);
        responder.writeHeader("Content-Length", QByteArray::number(body.size()));
        responder.writeHeader("Cache-Control", "no-store");
        responder.writeHeader("X-Content-Type-Options", "nosniff");
        responder.writeHeader("Connection", "close");
        responder.writeBody(request.method() == QHttpServerRequest::Method::Head ? QByteArray() : body);
        socket->disconnectFromHost();
        return true;
    }

    void missingHandler(const QHttpServerRequest&, QTcpSocket* socket) override
    {
        QByteArray response = m_refusal == 404
            ? QByteArray("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n")
            : RefusalResponse(m_refusal);
        socket->write(response);
        socket->disconnectFromHost();
    }

private:
    void TakeViewers()
    {
        while (std::unique_ptr<QWebSocket> taken = nextPendingWebSocketConnection()) {
            QWebSocket* viewer = taken.release();
            viewer->setParent(this);
            viewer->setMaxAllowedIncomingMessageSize(MaxIncomingMessage);
            viewer->setMaxAllowedIncomingFrameSize(MaxIncomingMessage);
            const QString path = viewer->requestUrl().path();
            const bool board = path == QLatin1String("/ws/board");
            const bool hall = path == QLatin1String("/ws/hall");
            if (ViewerCount() >= m_limits.MaxViewers || !IsViewerPath(path)) {
                viewer->close(QWebSocketProtocol::CloseCodePolicyViolated);
                viewer->deleteLater();
                continue;
            }
            // Viewers only watch: whatever they send is dropped.
            connect(viewer, &QWebSocket::disconnected, this, [this, viewer] { Drop(viewer); });
            std::vector<QWebSocket*>& list = board ? m_boardViewers : hall ? m_hallViewers : m_stateViewers;
            list.push_back(viewer);
            Count();
            if (hall) {
                if (!m_hallWords.isEmpty())
                    Send(viewer, m_hallWords);
                if (!m_hall.isEmpty())
                    Send(viewer, m_hall);
            } else if (board) {
                if (!m_pictures.isEmpty())
                    Send(viewer, m_pictures);
                if (!m_view.isEmpty())
                    Send(viewer, m_view);
                m_boardViewerJoined();
            } else if (!m_state.isEmpty()) {
                Send(viewer, m_state);
            }
        }
    }

    bool Send(QWebSocket* viewer, const QByteArray& json)
    {
        if (viewer->bytesToWrite() > m_limits.MaxQueuedBytes) {
            // Not taking what it is sent: a stalled or too slow viewer.
            viewer->abort();
            return false;
        }
        viewer->sendTextMessage(QString::fromUtf8(json));
        return true;
    }

    void Send(std::vector<QWebSocket*>& viewers, const QByteArray& json)
    {
        const std::vector<QWebSocket*> now = viewers;
        for (QWebSocket* viewer : now)
            Send(viewer, json);
    }

    void Drop(QWebSocket* viewer)
    {
        for (std::vector<QWebSocket*>* list : { &m_stateViewers, &m_boardViewers, &m_hallViewers })
            std::erase(*list, viewer);
        viewer->deleteLater();
        Count();
    }

    int ViewerCount() const
    {
        return int(m_stateViewers.size() + m_boardViewers.size() + m_hallViewers.size());
    }

    void Count()
    {
        m_viewerCount->store(ViewerCount());
        m_boardViewerCount->store(int(m_boardViewers.size()));
    }

    ServerLimits m_limits;
    std::shared_ptr<std::atomic<int>> m_viewerCount;
    std::shared_ptr<std::atomic<int>> m_boardViewerCount;
    std::function<void()> m_boardViewerJoined;
    std::vector<QByteArray> m_pages;
    std::vector<QWebSocket*> m_stateViewers;
    std::vector<QWebSocket*> m_boardViewers;
    std::vector<QWebSocket*> m_hallViewers;
    QByteArray m_state;
    QByteArray m_hall;
    QByteArray m_hallWords;
    QByteArray m_view;
    QByteArray m_pictures;
    int m_refusal = 404;
};

BoardServer::BoardServer(ServerLimits limits, QObject* parent)
    : QObject(parent)
{
    m_thread.setObjectName(QStringLiteral("Korvelin web server"));
    m_context.moveToThread(&m_thread);
    m_thread.start();
    // Everything of the server is made on its own thread, the WebSocket
    // server inside the HTTP server included.
    QPointer<BoardServer> self(this);
    QMetaObject::invokeMethod(
        &m_context,
        [this, self, limits] {
            m_worker = new ServerWorker(limits, m_viewers, m_boardViewers, [self] {
                if (self)
                    QMetaObject::invokeMethod(self, &BoardServer::BoardViewerJoined, Qt::QueuedConnection);
            });
        },
        Qt::BlockingQueuedConnection);
}

BoardServer::~BoardServer()
{
    ServerWorker* worker = m_worker;
    QMetaObject::invokeMethod(
        &m_context, [worker] { delete worker; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

bool BoardServer::Listen(const QHostAddress& address, quint16 port)
{
    ServerWorker* worker = m_worker;
    quint16 opened = 0;
    QString error;
    QMetaObject::invokeMethod(
        worker, [&] { error = worker->Open(address, port, opened); }, Qt::BlockingQueuedConnection);
    m_error = error;
    m_port = error.isEmpty() ? opened : 0;
    return error.isEmpty();
}

void BoardServer::PublishState(const QByteArray& json)
{
    ServerWorker* worker = m_worker;
    QMetaObject::invokeMethod(
        worker, [worker, json] { worker->SetState(json); }, Qt::QueuedConnection);
}

void BoardServer::PublishView(const QByteArray& json)
{
    ServerWorker* worker = m_worker;
    QMetaObject::invokeMethod(
        worker, [worker, json] { worker->SetView(json); }, Qt::QueuedConnection);
}

void BoardServer::PublishHall(const QByteArray& json)
{
    ServerWorker* worker = m_worker;
    QMetaObject::invokeMethod(
        worker, [worker, json] { worker->SetHall(json); }, Qt::QueuedConnection);
}

void BoardServer::PublishHallWords(const QByteArray& json)
{
    ServerWorker* worker = m_worker;
    QMetaObject::invokeMethod(
        worker, [worker, json] { worker->SetHallWords(json); }, Qt::QueuedConnection);
}

void BoardServer::PublishPictures(const QByteArray& json)
{
    ServerWorker* worker = m_worker;
    QMetaObject::invokeMethod(
        worker, [worker, json] { worker->SetPictures(json); }, Qt::QueuedConnection);
}

} // namespace kv
