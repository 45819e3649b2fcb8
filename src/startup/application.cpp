#include "startup/application.h"

#include "help/frmhelp.h"
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
} // namespace

KorvelinApplication::KorvelinApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Korvelin"));
    setOrganizationName(QStringLiteral("Korvelin"));
    setApplicationVersion(QStringLiteral("%1.%2.%3")
                              .arg(KORVELIN_VERSION_MAJOR)
                              .arg(KORVELIN_VERSION_MINOR)
                              .arg(KORVELIN_VERSION_PATCH));
    // One icon for every window of the program.
    setWindowIcon(ProgramIcon());
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

int KorvelinApplication::Run()
{
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.isEmpty())
        arguments.removeFirst();
    try {
        auto* splash = new frmSplash;
        if (!splash->Load(arguments))
            splash->show();
    } catch (const std::exception& failure) {
        Fail(QString::fromLocal8Bit(failure.what()));
    }
    return exec();
}

} // namespace kv
