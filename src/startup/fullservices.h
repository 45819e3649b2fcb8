#pragma once

#include "startup/services.h"

namespace kv {

// The network and the sound card, built on Qt's network, web server,
// WebSockets and multimedia and on Mosquitto's client.
class FullServices final : public Services
{
public:
    std::unique_ptr<AudioBackend> CreateAudioBackend() override;
    void Serve(frmScoreboard& board, bool serveAsked, quint16 portAsked) override;
    void Publish(frmScoreboard& board, const CommandLine& commandLine) override;
    bool OpenHall(const CommandLine& commandLine) override;
};

} // namespace kv

// The module's one entry point: the services it holds, made on the first
// call and kept for the life of the program.
extern "C" Q_DECL_EXPORT kv::Services* korvelin_services();
