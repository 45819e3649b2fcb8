#include "timing/audiobackend.h"

#include "timing/audiosinkbackend.h"

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
    return std::make_unique<AudioSinkBackend>();
}

void AudioBackend::SetFactory(Factory factory)
{
    InstalledFactory() = std::move(factory);
}

} // namespace kv
