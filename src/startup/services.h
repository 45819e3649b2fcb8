#pragma once

#include <QtGlobal>

#include <memory>

namespace kv {

class AudioBackend;
class frmScoreboard;
struct CommandLine;

// What the program does on the hall's network (serving the board, the
// broker, the hall view) and with the sound card. Their libraries (Qt's
// network, web server, WebSockets and multimedia, Mosquitto's client, and
// what those pull in) are a good part of the program's start-up, and the
// first frame needs none of them: the program as shipped on Linux loads
// them from a module of its own once the board is on screen. Elsewhere,
// and in the tests, they are linked in.
class Services
{
public:
    virtual ~Services() = default;

    // The sound output the buzzer plays through.
    virtual std::unique_ptr<AudioBackend> CreateAudioBackend() = 0;
    // Serves the board when the settings or the command line ask for it;
    // follows the options from then on.
    virtual void Serve(frmScoreboard& board, bool serveAsked, quint16 portAsked) = 0;
    // Puts the board on the hall's broker when the command line or the
    // settings name one; follows the options from then on.
    virtual void Publish(frmScoreboard& board, const CommandLine& commandLine) = 0;
    // The hall view instead of a board; false when it cannot open (the
    // operator has been told why).
    virtual bool OpenHall(const CommandLine& commandLine) = 0;
};

// The program's services, loaded on the first call where they live in a
// module. nullptr when that module cannot be loaded (said once on standard
// error): the board runs on, silent and off the network.
Services* ProgramServices();

} // namespace kv
