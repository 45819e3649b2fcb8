#include "startup/commandline.h"

#include "hall/brokeraddress.h"

#include <QCommandLineParser>

namespace kv {

namespace {
const QString AudienceOption = QStringLiteral("audience");
const QString AudiencePrefix = QStringLiteral("--audience=");

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
                    QStringLiteral("The board is not put on the broker: \"%1\" is not a mat number. "
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
                    QStringLiteral("The broker is not used: %1. Use --broker=HOST or --broker=HOST:PORT.")
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
    bool optionsEnded = false;
    for (const QString& argument : rawArguments) {
        optionsEnded = optionsEnded || argument == QStringLiteral("--");
        if (!optionsEnded && argument.startsWith(AudiencePrefix)) {
            screenText = argument.mid(AudiencePrefix.size());
            screenGiven = true;
            forParser << QStringLiteral("--") + AudienceOption;
        } else {
            forParser << argument;
            if (optionsEnded || argument != QStringLiteral("--") + AudienceOption)
                result.Arguments << argument;
        }
    }

    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(AudienceOption));
    // Unknown options (Qt's own among them) are no error here: they stay in
    // the argument text, where they keep the splash from being bypassed.
    parser.parse(forParser);
    result.Audience = parser.isSet(AudienceOption);

    if (screenGiven) {
        bool ok = false;
        const int screen = screenText.toInt(&ok);
        if (!ok || screen < 1) {
            result.Audience = false;
            const QString error
                = QStringLiteral("The audience display was not opened: \"%1\" is not a screen number. "
                                 "Use --audience for the first free screen or --audience=N with N "
                                 "from 1 for the screen by number.")
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
