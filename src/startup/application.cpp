#include "startup/application.h"

#include "display/audiencedisplay.h"
#include "help/frmhelp.h"
#include "language/language.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/boardsettings.h"
#include "settings/frmoptions.h"
#include "settings/optionsdialog.h"
#include "startup/commandline.h"
#include "startup/firstpaint.h"
#include "startup/frmsplash.h"
#include "startup/logo.h"
#include "startup/services.h"

#include <QFont>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QThread>

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

KorvelinApplication::~KorvelinApplication()
{
    if (m_fontPreparation)
        m_fontPreparation->wait();
}

void KorvelinApplication::PrepareFonts()
{
    // A language in a script of its own (Japanese) makes the first paint
    // find and load that script's font. Measuring the board's first words
    // here, in the board's label font, has the font found and loaded while
    // the main thread builds the windows; the font database is shared.
    const QStringList words { QCoreApplication::translate("kv::frmScoreboard", "CONTEST TIME"),
        QCoreApplication::translate("kv::SideNames", "Home"),
        QCoreApplication::translate("kv::SideNames", "Visitor") };
    m_fontPreparation.reset(QThread::create([words] {
        QFont font(QStringLiteral("Arial"));
        font.setBold(true);
        font.setPixelSize(29);
        font.setStyleStrategy(QFont::PreferAntialias);
        const QFontMetricsF metrics(font);
        for (const QString& word : words)
            static_cast<void>(metrics.horizontalAdvance(word));
    }));
    m_fontPreparation->start();
}

bool KorvelinApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        Fail(QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        Fail(tr("Unknown error"));
    }
    return false;
}

void KorvelinApplication::SetFailureHandler(FailureHandler handler)
{
    Handler() = std::move(handler);
}

QString KorvelinApplication::FailureText(const QString& what)
{
    return tr("Korvelin has met an unexpected error and must close.\n\n%1").arg(what);
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

void KorvelinApplication::StartServices(const CommandLine& commandLine)
{
    frmScoreboard* board = frmSplash::Scoreboard();
    if (!board)
        return;
    Services* services = ProgramServices();
    if (!services)
        return;
    services->Serve(*board, commandLine.Serve, commandLine.ServePort);
    services->Publish(*board, commandLine);
}

int KorvelinApplication::Run()
{
    // The program speaks the stored language, or the system's, from its
    // first word on; without its translation file it speaks English.
    ApplyLanguage(ResolveLanguage(ReadLanguageSetting()));
    PrepareFonts();
    const CommandLine commandLine = ParseCommandLine(KeptArguments());
    try {
        if (!commandLine.Error.isEmpty()) {
            qWarning("%s", qPrintable(commandLine.Error));
            QMessageBox::warning(nullptr, QStringLiteral("Korvelin"), commandLine.Error);
        }
        if (commandLine.Hall) {
            Services* services = ProgramServices();
            return services && services->OpenHall(commandLine) ? exec() : 2;
        }
        // Bypassed, the splash is not even made: the board comes first.
        const bool bypass = IsBypass(commandLine.Arguments);
        auto* splash = bypass ? nullptr : new frmSplash;
        QWidget* first = splash;
        if (bypass || splash->Load(commandLine.Arguments)) {
            first = bypass ? frmSplash::Bypass() : frmSplash::Scoreboard();
            // The network waits for the board's first frame.
            if (first)
                AfterFirstPaint(*first, [this, commandLine] { StartServices(commandLine); });
            if (commandLine.Audience)
                OpenAudienceDisplay(commandLine.AudienceScreen);
        } else {
            // The board exists once the splash has gone.
            connect(splash, &QObject::destroyed, this, [this, commandLine] { StartServices(commandLine); });
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
