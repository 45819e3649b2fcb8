#include "startup/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace kv {

namespace {
const QString AudienceOption = QStringLiteral("audience");
const QString AudiencePrefix = QStringLiteral("--audience=");
const QString ServeOption = QStringLiteral("serve");
const QString ServePrefix = QStringLiteral("--serve=");
const QString HelpOption = QStringLiteral("help");
} // namespace

QString CommandLineHelp()
{
    // The options as typed, each with what it does in the program's language;
    // a description's further lines line up under its first.
    const std::pair<const char*, const char*> options[] = {
        { "bypass",
            QT_TRANSLATE_NOOP("kv::CommandLine", "skip the splash screen and open the scoreboard at once") },
        { "--audience",
            QT_TRANSLATE_NOOP(
                "kv::CommandLine", "open the audience display on the first screen without the board") },
        { "--audience=N",
            QT_TRANSLATE_NOOP("kv::CommandLine", "open the audience display on screen N (counted from 1)") },
        { "--serve",
            QT_TRANSLATE_NOOP("kv::CommandLine",
                "show the board in browsers on the network, on the port of the\noptions (8090 unless "
                "changed): "
                "http://<this computer>:8090/") },
        { "--serve=PORT",
            QT_TRANSLATE_NOOP("kv::CommandLine", "the same, on PORT (1 to 65535) for this run") },
        { "-h, --help", QT_TRANSLATE_NOOP("kv::CommandLine", "show these options and end") },
    };
    QString help = QStringLiteral("%1 korvelin [bypass] [--audience[=N]] [--serve[=PORT]]\n%2\n\n")
                       .arg(QCoreApplication::translate("kv::CommandLine", "Usage:"),
                           QCoreApplication::translate("kv::CommandLine", "A judo contest scoreboard."));
    for (const auto& [option, description] : options) {
        const QString text = QCoreApplication::translate("kv::CommandLine", description);
        help += QStringLiteral("  %1%2\n")
                    .arg(QString::fromLatin1(option).leftJustified(18),
                        QString(text).replace(u'\n', QStringLiteral("\n") + QString(20, u' ')));
    }
    return help;
}

CommandLine ParseCommandLine(const QStringList& rawArguments)
{
    CommandLine result;
    // The parser knows --audience as a switch; a screen number comes as
    // --audience=N and is taken out here, since an option with a value would
    // swallow the "bypass" of "--audience bypass".
    QStringList forParser { QStringLiteral("korvelin") };
    QString screenText;
    bool screenGiven = false;
    QString portText;
    bool portGiven = false;
    bool optionsEnded = false;
    const QStringList ownSwitches { QStringLiteral("--") + AudienceOption, QStringLiteral("--") + ServeOption,
        QStringLiteral("--") + HelpOption, QStringLiteral("-h") };
    for (const QString& argument : rawArguments) {
        optionsEnded = optionsEnded || argument == QStringLiteral("--");
        if (!optionsEnded && argument.startsWith(AudiencePrefix)) {
            screenText = argument.mid(AudiencePrefix.size());
            screenGiven = true;
            forParser << QStringLiteral("--") + AudienceOption;
        } else if (!optionsEnded && argument.startsWith(ServePrefix)) {
            portText = argument.mid(ServePrefix.size());
            portGiven = true;
            forParser << QStringLiteral("--") + ServeOption;
        } else {
            forParser << argument;
            if (optionsEnded || !ownSwitches.contains(argument))
                result.Arguments << argument;
        }
    }

    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(AudienceOption));
    parser.addOption(QCommandLineOption(ServeOption));
    // -h is taken whole only: "-stylesheet" is Qt's, never -s -t ... -h.
    parser.addOption(QCommandLineOption(HelpOption));
    // Unknown options (Qt's own among them) are no error here: they stay in
    // the argument text, where they keep the splash from being bypassed.
    parser.parse(forParser);
    result.Audience = parser.isSet(AudienceOption);
    result.Serve = parser.isSet(ServeOption);
    result.Help = parser.isSet(HelpOption) || (!optionsEnded && rawArguments.contains(QStringLiteral("-h")));

    if (portGiven) {
        bool ok = false;
        const int port = portText.toInt(&ok);
        if (!ok || port < 1 || port > 65535) {
            result.Serve = false;
            const QString error = QCoreApplication::translate("kv::CommandLine",
                "The board is not shown on the network: \"%1\" is not a port number. "
                "Use --serve for the port of the options or --serve=PORT with PORT from 1 to 65535.")
                                      .arg(portText);
            result.Error = result.Error.isEmpty() ? error : result.Error + QStringLiteral("\n\n") + error;
        } else {
            result.ServePort = static_cast<quint16>(port);
        }
    }

    if (screenGiven) {
        bool ok = false;
        const int screen = screenText.toInt(&ok);
        if (!ok || screen < 1) {
            result.Audience = false;
            const QString error = QCoreApplication::translate("kv::CommandLine",
                "The audience display was not opened: \"%1\" is not a screen number. "
                "Use --audience for the first free screen or --audience=N with N from 1 for the screen "
                "by number.")
                                      .arg(screenText);
            result.Error = result.Error.isEmpty() ? error : error + QStringLiteral("\n\n") + result.Error;
        } else {
            result.AudienceScreen = screen;
        }
    }
    return result;
}

QStringList RawArguments(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 1; i < argc && argv[i] != nullptr; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace kv
