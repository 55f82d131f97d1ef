// The standalone host's environment: directories, user, company, start-up settings, table copies.
//
// The dossier directory is the one opened; the common directory is $XDG_DATA_HOME/kvarn
// (~/.local/share/kvarn when unset), created on demand; the temporary directory is private to the
// process; the program directory is the running binary's. The company name, the ISA start-up flag
// and the installed assistants come from the dossier record.
#pragma once

#include "host/environnement.hpp"
#include "standalone/dossier_fichier.hpp"

#include <filesystem>

namespace kvarn::standalone {

// $XDG_DATA_HOME/kvarn, or ~/.local/share/kvarn; created when missing.
std::filesystem::path RepertoireCommun();

class EnvironnementAutonome final : public host::TEnvironnement {
public:
    explicit EnvironnementAutonome(DossierFichier& dossier);

    std::string GetRaisonSociale() const override;
    std::string NomFichier2(std::uint32_t code) const override;
    bool EstLanceParISAGI() const override;
    bool AssistantEstInstalle(int codeAssistant) const override;
    // Creates the table of that suffix in the current layout when it is missing; does nothing
    // else (the standalone host keeps one copy of each table).
    void DuplicateTableAssistants(std::uint32_t codeLocalisation, const std::string& suffixe,
                                  bool remplacer) override;
    std::string NomUtilisateur() const override;
    void SetTableCreator(host::TableCreator creator) override;

private:
    DossierFichier& dossier_;
    host::TableCreator createur_;
};

}  // namespace kvarn::standalone
