#include "startup/commandline.h"

#include <QCommandLineParser>

namespace kv {

namespace {
const QString AudienceOption = QStringLiteral("audience");
const QString AudiencePrefix = QStringLiteral("--audience=");
} // namespace

CommandLine ParseCommandLine(const QStringList& rawArguments)
{
    CommandLine result;
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
            result.Error
                = QStringLiteral("The audience display was not opened: \"%1\" is not a screen number. "
                                 "Use --audience for the first free screen or --audience=N with N "
                                 "from 1 for the screen by number.")
                      .arg(screenText);
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
