#include "startup/application.h"

#include "display/audiencedisplay.h"
#include "hall/brokeraddress.h"
#include "hall/hallwindow.h"
#include "hall/matpublisher.h"
#include "hall/resultoutbox.h"
#include "help/frmhelp.h"
#include "scoreboard/contestjournal.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/boardsettings.h"
#include "settings/frmoptions.h"
#include "settings/optionsdialog.h"
#include "startup/commandline.h"
#include "startup/frmsplash.h"
#include "startup/logo.h"

#include <QMessageBox>

#include <cstdlib>
#include <exception>
#include <optional>

namespace kv {

namespace {
KorvelinApplication::FailureHandler& Handler()
{
    static KorvelinApplication::FailureHandler handler;
    return handler;
}

QStringList& KeptArguments()
{
    static QStringList arguments;
    return arguments;
}

// Keeps the command line as typed: QApplication takes out the options it
// handles itself (-style fusion), which still count as arguments.
int& KeepArguments(int& argc, char** argv)
{
    KeptArguments() = RawArguments(argc, argv);
    return argc;
}
} // namespace

KorvelinApplication::KorvelinApplication(int& argc, char** argv)
    : QApplication(KeepArguments(argc, argv), argv)
{
    setApplicationName(QStringLiteral("Korvelin"));
    setOrganizationName(QStringLiteral("Korvelin"));
    setApplicationVersion(QStringLiteral("%1.%2.%3")
                              .arg(KORVELIN_VERSION_MAJOR)
                              .arg(KORVELIN_VERSION_MINOR)
                              .arg(KORVELIN_VERSION_PATCH));
    // One icon for every window of the program.
    setWindowIcon(ProgramIcon());
    SetOptionsDialogRunner(&ShowOptionsDialog);
    SetHelpWindowOpener([] { OpenHelpWindow(); });
}

bool KorvelinApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        Fail(QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        Fail(QStringLiteral("Unknown error"));
    }
    return false;
}

void KorvelinApplication::SetFailureHandler(FailureHandler handler)
{
    Handler() = std::move(handler);
}

QString KorvelinApplication::FailureText(const QString& what)
{
    return QStringLiteral("Korvelin has met an unexpected error and must close.\n\n%1").arg(what);
}

void KorvelinApplication::Fail(const QString& what)
{
    if (Handler()) {
        Handler()(what);
        return;
    }
    QMessageBox::critical(nullptr, QStringLiteral("Korvelin"), FailureText(what));
    std::exit(EXIT_FAILURE);
}

QStringList KorvelinApplication::RawArguments()
{
    return KeptArguments();
}

void KorvelinApplication::OpenAudienceDisplay(int requestedScreen)
{
    frmScoreboard* board = frmSplash::Scoreboard();
    if (!board)
        return;
    // Everything the board shows but the operator's selection frame.
    new AudienceDisplay(*board, requestedScreen, { QStringLiteral("shpObjectSelected") }, board);
}

namespace {

// The broker of this run: the command line's, else the settings'. Null
// when there is none, or when the text is no broker address (then the
// operator has been told).
std::optional<MqttOptions> BrokerOptions(const CommandLine& commandLine)
{
    if (commandLine.BrokerOff)
        return std::nullopt;
    const QString text = commandLine.Broker.isEmpty() ? BoardSettings.Broker : commandLine.Broker;
    if (text.isEmpty())
        return std::nullopt;
    const bool tls = commandLine.BrokerTls || BoardSettings.BrokerTls;
    const BrokerAddress address = ParseBrokerAddress(text, tls);
    if (!address.IsValid()) {
        qWarning("Korvelin: the broker of the settings is not used: %s", qPrintable(address.Error));
        return std::nullopt;
    }
    MqttOptions options;
    options.Host = address.Host;
    options.Port = address.Port;
    options.Tls = tls;
    options.User = commandLine.BrokerUser.isEmpty() ? BoardSettings.BrokerUser : commandLine.BrokerUser;
    options.Password = BoardSettings.BrokerPassword;
    return options;
}

// The state the board publishes on the broker.
// INTERIM until the served board's state builder is on this branch.
MatPublisher::StateSource BoardStateSource(frmScoreboard&)
{
    return [] { return QByteArray(); };
}

} // namespace

bool KorvelinApplication::OpenHall(const CommandLine& commandLine)
{
    LoadBoardSettings();
    const std::optional<MqttOptions> options = BrokerOptions(commandLine);
    if (!options) {
        const QString text = QStringLiteral(
            "The hall view needs the hall's message broker: korvelin --hall --broker=HOST[:PORT], "
            "or a broker in the options (F2, \"Network\").");
        qWarning("%s", qPrintable(text));
        QMessageBox::warning(nullptr, QStringLiteral("Korvelin"), text);
        return false;
    }
    auto* hall = new HallWindow(*options);
    hall->setAttribute(Qt::WA_DeleteOnClose);
    hall->Start();
    PlaceHallWindow(*hall);
    return true;
}

void KorvelinApplication::StartPublishing(const CommandLine& commandLine)
{
    frmScoreboard* board = frmSplash::Scoreboard();
    if (!board)
        return;
    std::optional<MqttOptions> options = BrokerOptions(commandLine);
    if (!options)
        return;
    options->OutboxFolder = ResultOutbox::FolderBeside(ContestJournalPath());
    const int mat = commandLine.Mat > 0 ? commandLine.Mat : BoardSettings.Mat;
    new MatPublisher(*board, mat, *options, BoardStateSource(*board));
}

int KorvelinApplication::Run()
{
    const CommandLine commandLine = ParseCommandLine(KeptArguments());
    try {
        if (!commandLine.Error.isEmpty()) {
            qWarning("%s", qPrintable(commandLine.Error));
            QMessageBox::warning(nullptr, QStringLiteral("Korvelin"), commandLine.Error);
        }
        if (commandLine.Hall)
            return OpenHall(commandLine) ? exec() : 2;
        auto* splash = new frmSplash;
        if (splash->Load(commandLine.Arguments)) {
            StartPublishing(commandLine);
            if (commandLine.Audience)
                OpenAudienceDisplay(commandLine.AudienceScreen);
        } else {
            // The board exists once the splash has gone.
            connect(splash, &QObject::destroyed, this, [this, commandLine] { StartPublishing(commandLine); });
            if (commandLine.Audience) {
                connect(splash, &QObject::destroyed, this,
                    [this, screen = commandLine.AudienceScreen] { OpenAudienceDisplay(screen); });
            }
            splash->show();
        }
    } catch (const std::exception& failure) {
        Fail(QString::fromLocal8Bit(failure.what()));
    }
    return exec();
}

} // namespace kv
