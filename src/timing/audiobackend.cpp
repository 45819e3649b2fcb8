#include "timing/audiobackend.h"

namespace kv {

namespace {

AudioBackend::Factory& InstalledFactory()
{
    static AudioBackend::Factory factory;
    return factory;
}

} // namespace

std::unique_ptr<AudioBackend> AudioBackend::Create()
{
    if (const Factory& factory = InstalledFactory())
        return factory();
    return DefaultAudioBackend();
}

void AudioBackend::SetFactory(Factory factory)
{
    InstalledFactory() = std::move(factory);
}

} // namespace kv
