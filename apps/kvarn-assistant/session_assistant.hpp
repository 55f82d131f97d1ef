// The assistant's dossiers through the standalone host: the window asks (ui::ServiceDossiers),
// this opens, creates and closes them with the boxes, party choice and progress bars it was given
// (the Qt ones in the program, scripted ones in the tests).
//
// There is always a host installed, so that the boxes work: one without a dossier while none is
// open. Opening installs the host for the directory's dossier and creates the module's data module
// over it (a dossier in use or a damaged file refuses here, with the engine's words); a refusal
// puts the host without a dossier back.
#pragma once

#include "standalone/standalone_host.hpp"
#include "ui/dossier_service.hpp"

#include <memory>

namespace kvarn::assistant {

class SessionAssistant final : public ui::ServiceDossiers {
public:
    explicit SessionAssistant(standalone::HostOptions options);
    ~SessionAssistant() override;
    SessionAssistant(const SessionAssistant&) = delete;
    SessionAssistant& operator=(const SessionAssistant&) = delete;

    void Creer(const ui::NouveauDossier& dossier) override;
    void Ouvrir(const std::filesystem::path& repertoire) override;
    void Fermer() override;

    standalone::StandaloneHost& Hote() { return *host_; }

private:
    standalone::HostOptions options_;
    std::unique_ptr<standalone::StandaloneHost> host_;
};

}  // namespace kvarn::assistant
