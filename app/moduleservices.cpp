// The program's services loaded from their module (korvelin-services beside
// the program) once the board is on screen, instead of linked in: the
// program then starts without mapping and relocating Qt's network,
// multimedia and web libraries, Mosquitto's client and what they pull in.

#include "startup/services.h"
#include "timing/audiobackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <cstdio>

namespace kv {

namespace {

// The buzzer's stand-in when the module is missing: as a machine without a
// sound card, it plays nothing.
class NoSound final : public AudioBackend
{
public:
    bool Open(const QString&) override { return true; }
    bool Play() override { return false; }
    void Stop() override { }
    void Rewind() override { }
    void Close() override { }
};

Services* LoadServices()
{
    using Entry = Services* (*)();
    const QString folder = QCoreApplication::applicationDirPath();
    QLibrary module(QDir(folder).filePath(QStringLiteral("korvelin-services")));
    // Its code stays mapped for the life of the program: the services'
    // objects live that long.
    module.setLoadHints(QLibrary::PreventUnloadHint);
    if (auto entry = reinterpret_cast<Entry>(module.resolve("korvelin_services")))
        return entry();
    std::fprintf(
        stderr, "Korvelin: the network and the sound output are off: %s\n", qPrintable(module.errorString()));
    return nullptr;
}

} // namespace

Services* ProgramServices()
{
    static Services* const services = LoadServices();
    return services;
}

std::unique_ptr<AudioBackend> DefaultAudioBackend()
{
    if (Services* services = ProgramServices())
        return services->CreateAudioBackend();
    return std::make_unique<NoSound>();
}

} // namespace kv
