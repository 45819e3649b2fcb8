#pragma once

#include <QApplication>

#include <functional>

namespace kv {

// The program's application object. An unexpected failure inside any event
// handler is shown in a message box and ends the program.
class KorvelinApplication final : public QApplication
{
    Q_OBJECT

public:
    KorvelinApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs the start-up sequence (the splash form's load step) and the event loop.
    int Run();

    // What happens on an unexpected failure: by default a message box, then
    // the program ends. Tests put a handler of their own here.
    using FailureHandler = std::function<void(const QString& what)>;
    static void SetFailureHandler(FailureHandler handler);
    // The text shown for a failure.
    static QString FailureText(const QString& what);

private:
    static void Fail(const QString& what);
};

} // namespace kv
