#pragma once

#include <QApplication>

#include <functional>
#include <memory>

class QThread;

namespace kv {

struct CommandLine;

// The program's application object. An unexpected failure inside any event
// handler is shown in a message box and ends the program.
class KorvelinApplication final : public QApplication
{
    Q_OBJECT

public:
    KorvelinApplication(int& argc, char** argv);
    // Waits for the font preparation, if it still runs.
    ~KorvelinApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs the start-up sequence (the splash form's load step), opens the
    // audience display when asked, and runs the event loop.
    int Run();
    // The command line as typed, without the program name (Qt's own options
    // included).
    static QStringList RawArguments();

    // What happens on an unexpected failure: by default a message box, then
    // the program ends. Tests put a handler of their own here.
    using FailureHandler = std::function<void(const QString& what)>;
    static void SetFailureHandler(FailureHandler handler);
    // The text shown for a failure.
    static QString FailureText(const QString& what);

private:
    static void Fail(const QString& what);
    // Loads the fonts of the board's first words in the language now in
    // effect on a helper thread, while the windows are being made.
    void PrepareFonts();
    void OpenAudienceDisplay(int requestedScreen);
    // Serves the board and puts it on the hall's broker, as the settings
    // and the command line ask.
    void StartServices(const CommandLine& commandLine);

    std::unique_ptr<QThread> m_fontPreparation;
};

} // namespace kv
