#include "network/webservice.h"

#include "network/boardpublisher.h"
#include "network/boardserver.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/boardsettings.h"

#include <QMessageBox>
#include <QNetworkInterface>

#include <functional>

namespace kv {

namespace {

const QString TitleSource = QStringLiteral("network");

std::function<void(const QString&)>& FailureReporter()
{
    static std::function<void(const QString&)> reporter;
    return reporter;
}

} // namespace

QString LocalNetworkHost()
{
    for (const QNetworkInterface& face : QNetworkInterface::allInterfaces()) {
        const auto flags = face.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning)
            || (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : face.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback()
                && !address.isLinkLocal())
                return address.toString();
        }
    }
    return QStringLiteral("localhost");
}

BoardWebService::BoardWebService(frmScoreboard& board)
    : m_board(&board)
{
    connect(&board, &frmScoreboard::OptionsClosed, this, &BoardWebService::OptionsClosed);
    // The service ends with its board. It is no child of the board: a child
    // is deleted when only the board's QWidget part is left, and would reach
    // into the rest of it to clear its title.
    connect(&board, &QObject::destroyed, this, [this] {
        m_board = nullptr;
        delete this;
    });
}

BoardWebService::~BoardWebService()
{
    StopServing();
}

void BoardWebService::SetFailureReporter(std::function<void(const QString&)> reporter)
{
    FailureReporter() = std::move(reporter);
}

QString BoardWebService::PortFailureText(quint16 port, const QString& why)
{
    return tr("The board cannot be shown on the network: port %1 cannot be opened (%2).\n\n"
              "Korvelin runs on without it. Choose another port in the options (F2, \"Network\").")
        .arg(port)
        .arg(why);
}

void BoardWebService::Start(bool serveAsked, quint16 portAsked)
{
    m_settingsServe = BoardSettings.Serve;
    m_settingsPort = BoardSettings.ServePort;
    if (serveAsked || BoardSettings.Serve)
        Serve(portAsked != 0 ? portAsked : BoardSettings.ServePort);
}

bool BoardWebService::Serve(quint16 port)
{
    StopServing();
    if (!m_board)
        return false;
    auto server = std::make_unique<BoardServer>();
    if (!server->Listen(QHostAddress::Any, port)) {
        const QString text = PortFailureText(port, server->Error());
        qWarning("Korvelin: %s", qPrintable(text));
        if (FailureReporter()) {
            FailureReporter()(text);
        } else {
            auto* box = new QMessageBox(
                QMessageBox::Warning, QStringLiteral("Korvelin"), text, QMessageBox::Ok, m_board);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->setWindowModality(Qt::NonModal);
            box->show();
        }
        return false;
    }
    m_server = std::move(server);
    m_publisher = std::make_unique<BoardPublisher>(*m_board, *m_server);
    m_board->SetTitleNote(TitleSource, Address());
    return true;
}

void BoardWebService::StopServing()
{
    m_publisher.reset();
    m_server.reset();
    if (m_board)
        m_board->SetTitleNote(TitleSource, QString());
}

quint16 BoardWebService::Port() const
{
    return m_server ? m_server->Port() : 0;
}

QString BoardWebService::Address() const
{
    return m_server ? QStringLiteral("http://%1:%2").arg(LocalNetworkHost()).arg(m_server->Port())
                    : QString();
}

void BoardWebService::OptionsClosed()
{
    // Only a change of the network settings turns serving on, off or to
    // another port: a board served from the command line stays served
    // through any other change of the options.
    if (BoardSettings.Serve == m_settingsServe && BoardSettings.ServePort == m_settingsPort)
        return;
    m_settingsServe = BoardSettings.Serve;
    m_settingsPort = BoardSettings.ServePort;
    if (m_settingsServe) {
        if (!Serving() || Port() != m_settingsPort)
            Serve(m_settingsPort);
    } else {
        StopServing();
    }
}

} // namespace kv
