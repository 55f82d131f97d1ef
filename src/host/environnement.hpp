// The host's environment object, as the module sees it.
//
// The host application tells the module where things are (the dossier, common, temporary and
// program directories, through NomFichier2 and its codes), who is working, which company is open,
// how it was started, and duplicates the module's tables on request. The module reads it through
// the global pEnvironnement, which the host sets before it creates the data module.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace kvarn::host {

// Codes of NomFichier2.
inline constexpr std::uint32_t kRepertoireDossier = 0x1000000;
inline constexpr std::uint32_t kRepertoireCommun = 0x3000000;
inline constexpr std::uint32_t kRepertoireTemporaire = 0x4000000;
inline constexpr std::uint32_t kRepertoireProgramme = 0x5000000;

// Creates the module's table of a suffix ("kv1", "kvm", ...) in the current layout when it is
// missing. The schema belongs to the module, which hands this function to the host.
using TableCreator = std::function<void(const std::string& suffix)>;

class TEnvironnement {
public:
    virtual ~TEnvironnement() = default;

    // The open dossier's company name.
    virtual std::string GetRaisonSociale() const = 0;
    // The directory of a NomFichier2 code, without a trailing separator; empty for an unknown code.
    virtual std::string NomFichier2(std::uint32_t code) const = 0;
    virtual bool EstLanceParISAGI() const = 0;
    virtual bool AssistantEstInstalle(int codeAssistant) const = 0;
    virtual void DuplicateTableAssistants(std::uint32_t codeLocalisation, const std::string& suffixe,
                                          bool remplacer) = 0;
    // The logged-in user's name.
    virtual std::string NomUtilisateur() const = 0;

    // Infrastructure: the module hands its table-creation function over (empty to take it back).
    virtual void SetTableCreator(TableCreator creator) = 0;
};

extern TEnvironnement* pEnvironnement;

}  // namespace kvarn::host
