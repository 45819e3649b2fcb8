#pragma once

#include <QApplication>

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

private:
    void Fail(const QString& what);
};

} // namespace kv
