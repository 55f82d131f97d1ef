// What the window asks of its program about dossiers, without Qt: the program owns the host and
// the data module (the standalone host is the programs' business, not the views'), the window
// only says when.
#pragma once

#include <filesystem>
#include <string>

namespace kvarn::ui {

// What the "Nouveau dossier…" dialog asks for.
struct NouveauDossier {
    std::filesystem::path repertoire;
    std::string raisonSociale;
    int formeJuridique = 0;
    int categorie = 0;
    int regimeImposition = 0;
    double debutExercice = 0;  // day counts
    double finExercice = 0;
};

class ServiceDossiers {
public:
    virtual ~ServiceDossiers() = default;
    // Creates the dossier; throws, in French, what refused it.
    virtual void Creer(const NouveauDossier& dossier) = 0;
    // Opens the dossier of the directory and creates the data module over it; throws the host's
    // message (no dossier there, one in use, a damaged file) and leaves none open.
    virtual void Ouvrir(const std::filesystem::path& repertoire) = 0;
    // Releases the data module, then the dossier; the boxes stay installed.
    virtual void Fermer() = 0;
};

}  // namespace kvarn::ui
