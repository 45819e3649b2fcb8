#pragma once

#include <QString>
#include <QStringList>

namespace kv {

// What the command line asks for. The program's own options are taken out;
// everything else, Qt's own options included, is the argument text the
// splash form checks for "bypass".
struct CommandLine
{
    // The arguments without the program name and without the program's own
    // options. The splash is skipped only when this is exactly { "bypass" }.
    QStringList Arguments;
    // --audience or --audience=N: open the audience display.
    bool Audience = false;
    // The screen the audience display asks for, counted from 1; 0 means the
    // first screen that does not hold the scoreboard.
    int AudienceScreen = 0;
    // --serve or --serve=PORT: show the board in browsers on the network for
    // this run; ServePort 0 means the port of the settings.
    bool Serve = false;
    quint16 ServePort = 0;
    // --help or -h: print the options and end.
    bool Help = false;
    // --hall: the hall view of every mat on the broker instead of a board.
    bool Hall = false;
    // --mat=N: this board is mat N (1 to 99) on the broker; 0 means the mat
    // of the settings.
    int Mat = 0;
    // --broker=HOST[:PORT]: the hall's message broker for this run; empty
    // means the broker of the settings.
    QString Broker;
    // --broker-tls: the broker is reached with TLS.
    bool BrokerTls = false;
    // --broker-user=NAME: the user name at the broker (the password is the
    // one of the settings).
    QString BrokerUser;
    // A hall option was wrong: no broker for this run (Error says why).
    bool BrokerOff = false;
    // A message for the operator when an option is wrong; the program then
    // starts without what the option asked for.
    QString Error;
};

// Parses the raw arguments (without the program name, before Qt took out
// its own options such as -style).
CommandLine ParseCommandLine(const QStringList& rawArguments);

// What `korvelin --help` prints: every option of the program.
QString CommandLineHelp();

// The arguments of argv without the program name, as typed. Taken before
// QApplication removes the options it handles itself.
QStringList RawArguments(int argc, const char* const* argv);

} // namespace kv
