#include "startup/commandline.h"

#include "hall/brokeraddress.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace kv {

namespace {
const QString AudienceOption = QStringLiteral("audience");
const QString AudiencePrefix = QStringLiteral("--audience=");
const QString ServeOption = QStringLiteral("serve");
const QString ServePrefix = QStringLiteral("--serve=");
const QString HelpOption = QStringLiteral("help");

void AddError(CommandLine& result, const QString& error)
{
    result.Error = result.Error.isEmpty() ? error : result.Error + QStringLiteral("\n\n") + error;
}

// Takes the hall's options (--hall, --mat=N, --broker=HOST[:PORT],
// --broker-tls, --broker-user=NAME) out of the arguments. Values come after
// "=" only, so that no option swallows the "bypass" after it.
QStringList TakeHallOptions(const QStringList& rawArguments, CommandLine& result)
{
    QStringList rest;
    bool optionsEnded = false;
    for (const QString& argument : rawArguments) {
        optionsEnded = optionsEnded || argument == QStringLiteral("--");
        const auto value = [&argument](const char* prefix) { return argument.mid(qstrlen(prefix)); };
        if (optionsEnded) {
            rest << argument;
        } else if (argument == QStringLiteral("--hall")) {
            result.Hall = true;
        } else if (argument == QStringLiteral("--broker-tls")) {
            result.BrokerTls = true;
        } else if (argument.startsWith(QStringLiteral("--mat="))) {
            bool ok = false;
            const int mat = value("--mat=").toInt(&ok);
            if (ok && mat >= 1 && mat <= 99) {
                result.Mat = mat;
            } else {
                AddError(result,
                    QCoreApplication::translate("kv::CommandLine",
                        "The board is not put on the broker: \"%1\" is not a mat number. "
                        "Use --mat=N with N from 1 to 99.")
                        .arg(value("--mat=")));
                result.BrokerOff = true;
            }
        } else if (argument.startsWith(QStringLiteral("--broker="))) {
            const BrokerAddress address = ParseBrokerAddress(value("--broker="));
            if (address.IsValid()) {
                result.Broker = value("--broker=").trimmed();
            } else {
                AddError(result,
                    QCoreApplication::translate("kv::CommandLine",
                        "The broker is not used: %1. Use --broker=HOST or --broker=HOST:PORT.")
                        .arg(address.Error));
                result.BrokerOff = true;
            }
        } else if (argument.startsWith(QStringLiteral("--broker-user="))) {
            result.BrokerUser = value("--broker-user=");
        } else {
            rest << argument;
        }
    }
    return rest;
}
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
        { "--mat=N",
            QT_TRANSLATE_NOOP("kv::CommandLine", "this board is mat N (1 to 99) on the hall's broker") },
        { "--broker=HOST[:PORT]",
            QT_TRANSLATE_NOOP("kv::CommandLine",
                "publish the board on the hall's MQTT broker (port 1883 unless\ngiven) for this run; with "
                "--hall, the broker to show") },
        { "--broker-tls",
            QT_TRANSLATE_NOOP("kv::CommandLine", "reach the broker with TLS (port 8883 unless given)") },
        { "--broker-user=NAME",
            QT_TRANSLATE_NOOP(
                "kv::CommandLine", "the user name at the broker; the password is the options'") },
        { "--hall",
            QT_TRANSLATE_NOOP(
                "kv::CommandLine", "the hall view: every mat on the broker, one compact board each") },
        { "-h, --help", QT_TRANSLATE_NOOP("kv::CommandLine", "show these options and end") },
    };
    QString help = QStringLiteral(
        "%1 korvelin [bypass] [--audience[=N]] [--serve[=PORT]] [--mat=N] [--broker=HOST[:PORT]]\n"
        "%2 korvelin --hall [--broker=HOST[:PORT]]\n%3\n\n")
                       .arg(QCoreApplication::translate("kv::CommandLine", "Usage:"),
                           QString(QCoreApplication::translate("kv::CommandLine", "Usage:").size(), u' '),
                           QCoreApplication::translate("kv::CommandLine", "A judo contest scoreboard."));
    for (const auto& [option, description] : options) {
        const QString text = QCoreApplication::translate("kv::CommandLine", description);
        const QString name = QString::fromLatin1(option);
        // An option too long for its column has its description on the next line.
        const QString lead
            = name.size() < 18 ? name.leftJustified(18) : name + QStringLiteral("\n") + QString(20, u' ');
        help += QStringLiteral("  %1%2\n")
                    .arg(lead, QString(text).replace(u'\n', QStringLiteral("\n") + QString(20, u' ')));
    }
    return help;
}

CommandLine ParseCommandLine(const QStringList& allArguments)
{
    CommandLine result;
    const QStringList rawArguments = TakeHallOptions(allArguments, result);
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
