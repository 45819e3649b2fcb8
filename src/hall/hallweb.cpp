#include "hall/hallweb.h"

#include "hall/hallwindow.h"
#include "network/boardserver.h"
#include "network/webservice.h"

#include <QMessageBox>

namespace kv {

void ServeHall(HallWindow& hall, quint16 port)
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
        return;
    }
    QObject::connect(
        &hall, &HallWindow::Changed, server, [server, &hall] { server->PublishHall(hall.HallJson()); });
    server->PublishHall(hall.HallJson());
    qInfo("Korvelin: the hall view is served at http://%s:%u/hall", qPrintable(LocalNetworkHost()),
        server->Port());
}

} // namespace kv
