#include "startup/application.h"

#include "display/audiencedisplay.h"
#include "help/frmhelp.h"
#include "network/webservice.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/frmoptions.h"
#include "settings/optionsdialog.h"
#include "startup/commandline.h"
#include "startup/firstpaint.h"
#include "startup/frmsplash.h"
#include "startup/logo.h"

#include <QMessageBox>

#include <cstdlib>
#include <exception>

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

void KorvelinApplication::StartServing(bool serveAsked, quint16 portAsked)
{
    frmScoreboard* board = frmSplash::Scoreboard();
    if (!board)
        return;
    // Serves when the settings or the command line ask for it; follows the
    // options from then on.
    auto* web = new BoardWebService(*board);
    web->Start(serveAsked, portAsked);
}

int KorvelinApplication::Run()
{
    const CommandLine commandLine = ParseCommandLine(KeptArguments());
    try {
        if (!commandLine.Error.isEmpty()) {
            qWarning("%s", qPrintable(commandLine.Error));
            QMessageBox::warning(nullptr, QStringLiteral("Korvelin"), commandLine.Error);
        }
        // Bypassed, the splash is not even made: the board comes first.
        const bool bypass = IsBypass(commandLine.Arguments);
        auto* splash = bypass ? nullptr : new frmSplash;
        QWidget* first = splash;
        if (bypass || splash->Load(commandLine.Arguments)) {
            first = bypass ? frmSplash::Bypass() : frmSplash::Scoreboard();
            StartServing(commandLine.Serve, commandLine.ServePort);
            if (commandLine.Audience)
                OpenAudienceDisplay(commandLine.AudienceScreen);
        } else {
            // The board exists once the splash has gone.
            connect(splash, &QObject::destroyed, this,
                [this, serve = commandLine.Serve, port = commandLine.ServePort] {
                    StartServing(serve, port);
                });
            if (commandLine.Audience) {
                connect(splash, &QObject::destroyed, this,
                    [this, screen = commandLine.AudienceScreen] { OpenAudienceDisplay(screen); });
            }
            splash->show();
        }
        // One icon for every window of the program, drawn once the first
        // window is on screen.
        if (first)
            AfterFirstPaint(*first, [] { setWindowIcon(ProgramIcon()); });
        else
            setWindowIcon(ProgramIcon());
    } catch (const std::exception& failure) {
        Fail(QString::fromLocal8Bit(failure.what()));
    }
    return exec();
}

} // namespace kv
