#include "startup/commandline.h"

namespace kv {

namespace {
const QString AudienceSwitch = QStringLiteral("--audience");
const QString AudiencePrefix = QStringLiteral("--audience=");
} // namespace

CommandLine ParseCommandLine(const QStringList& rawArguments)
{
    CommandLine result;
    // --audience is a switch; a screen number comes as --audience=N, never
    // as a separate value, which would swallow the "bypass" of
    // "--audience bypass". After "--" nothing is an option.
    QString screenText;
    bool screenGiven = false;
    bool optionsEnded = false;
    for (const QString& argument : rawArguments) {
        optionsEnded = optionsEnded || argument == QStringLiteral("--");
        if (!optionsEnded && argument.startsWith(AudiencePrefix)) {
            screenText = argument.mid(AudiencePrefix.size());
            screenGiven = true;
            result.Audience = true;
        } else if (!optionsEnded && argument == AudienceSwitch) {
            result.Audience = true;
        } else {
            // Everything else, unknown options (Qt's own among them)
            // included, stays in the argument text, where it keeps the
            // splash from being bypassed.
            result.Arguments << argument;
        }
    }

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
