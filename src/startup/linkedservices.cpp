// The services linked into the program (tests, and builds that do not load
// them as a module).

#include "startup/fullservices.h"
#include "timing/audiobackend.h"

namespace kv {

Services* ProgramServices()
{
    return korvelin_services();
}

std::unique_ptr<AudioBackend> DefaultAudioBackend()
{
    return korvelin_services()->CreateAudioBackend();
}

} // namespace kv
