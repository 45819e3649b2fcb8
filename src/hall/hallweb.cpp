#include "hall/hallweb.h"

#include "hall/hallwindow.h"
#include "network/boardserver.h"
#include "network/webservice.h"

#include <QMessageBox>

namespace kv {

quint16 ServeHall(HallWindow& hall, quint16 port)
{
    auto* server = new BoardServer({}, &hall);
    if (!server->Listen(QHostAddress::Any, port)) {
        const QString text = BoardWebService::PortFailureText(port, server->Error());
        qWarning("Korvelin: %s", qPrintable(text));
        delete server;
        auto* box
            = new QMessageBox(QMessageBox::Warning, QStringLiteral("Korvelin"), text, QMessageBox::Ok, &hall);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::NonModal);
        box->show();
        return 0;
    }
    QObject::connect(
        &hall, &HallWindow::Changed, server, [server, &hall] { server->PublishHall(hall.HallJson()); });
    server->PublishHall(hall.HallJson());
    QObject::connect(&hall, &HallWindow::WordsChanged, server,
        [server, &hall] { server->PublishHallWords(hall.WordsJson()); });
    server->PublishHallWords(hall.WordsJson());
    hall.SetServedAddress(QStringLiteral("http://%1:%2/hall").arg(LocalNetworkHost()).arg(server->Port()));
    return server->Port();
}

} // namespace kv
