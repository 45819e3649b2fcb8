#include "startup/fullservices.h"

#include "hall/hallweb.h"
#include "hall/hallwindow.h"
#include "hall/matservice.h"
#include "network/webservice.h"
#include "settings/boardsettings.h"
#include "startup/commandline.h"
#include "timing/audiosinkbackend.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <optional>

namespace kv {

namespace {

// What the command line asks of the broker for this run.
BrokerChoice BrokerAsked(const CommandLine& commandLine)
{
    return { .Broker = commandLine.Broker,
        .Mat = commandLine.Mat,
        .Tls = commandLine.BrokerTls,
        .User = commandLine.BrokerUser,
        .Off = commandLine.BrokerOff };
}

} // namespace

std::unique_ptr<AudioBackend> FullServices::CreateAudioBackend()
{
    return std::make_unique<AudioSinkBackend>();
}

void FullServices::Serve(frmScoreboard& board, bool serveAsked, quint16 portAsked)
{
    auto* web = new BoardWebService(board);
    web->Start(serveAsked, portAsked);
}

void FullServices::Publish(frmScoreboard& board, const CommandLine& commandLine)
{
    auto* mat = new MatService(board);
    mat->Start(BrokerAsked(commandLine));
}

bool FullServices::OpenHall(const CommandLine& commandLine)
{
    LoadBoardSettings();
    QString why;
    const std::optional<MqttOptions> options = ChooseBroker(BrokerAsked(commandLine), BoardSettings, &why);
    if (!options) {
        const QString text = why.isEmpty()
            ? QCoreApplication::translate("kv::KorvelinApplication",
                "The hall view needs the hall's message broker: korvelin --hall --broker=HOST[:PORT], "
                "or a broker in the options (F2, \"Network\").")
            : why;
        qWarning("%s", qPrintable(text));
        QMessageBox::warning(nullptr, QStringLiteral("Korvelin"), text);
        return false;
    }
    auto* hall = new HallWindow(*options);
    hall->setAttribute(Qt::WA_DeleteOnClose);
    hall->Start();
    if (commandLine.Serve || BoardSettings.Serve)
        ServeHall(*hall, commandLine.ServePort != 0 ? commandLine.ServePort : BoardSettings.ServePort);
    PlaceHallWindow(*hall);
    return true;
}

} // namespace kv

kv::Services* korvelin_services()
{
    static kv::FullServices services;
    return &services;
}
