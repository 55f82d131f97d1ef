// The standalone host's directory of outside parties, in "intervenants.ini" of the common
// directory (shared by every dossier of the user), one section per party.
//
// Identifiers are 16-bit, given in order and never reused after a removal. Choosing a party for a
// dossier goes through a Choix object: a numbered list on the terminal in the command-line
// program, queued answers in tests, a dialog in the assistant. Attachments are kept in the dossier
// record, one party per kind.
#pragma once

#include "common/ini_file.hpp"
#include "common/nulls.hpp"
#include "host/annuaire.hpp"
#include "standalone/dossier_fichier.hpp"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kvarn::standalone {

struct Intervenant {
    int Id = 0;
    int Type = 0;
    std::string Nom;
    bool EstPersonneMorale = true;
    std::string Siret;
    std::string Observations;
    std::string AdrComplmt1, AdrComplmt2, AdrNoVoie, AdrCmplNoVoie, AdrNomVoie, AdrBP, AdrCP, AdrVille;
    std::string AdrTel, AdrFax;
    int AdrIDPays = PAYS_FRANCE;
    std::string NoAgrement, Email, Contact;
    bool ParDefaut = false;
    int ModeAffectation = 0;
};

// Asks the user for one party among candidates; the chosen identifier, or 0 for none.
class ChoixIntervenant {
public:
    virtual ~ChoixIntervenant() = default;
    virtual int Choisir(int type, const std::vector<Intervenant>& candidats) = 0;
};

// The numbered list on the terminal; answers 0 (none) when standard input is not a terminal.
class ChoixConsole final : public ChoixIntervenant {
public:
    int Choisir(int type, const std::vector<Intervenant>& candidats) override;
};

// French name of a kind ("comptable", "SIE", ...), and the kind of such a name; nullopt when unknown.
std::string NomTypeIntervenant(int type);
std::optional<int> TypeIntervenantDeNom(const std::string& nom);

class AnnuaireFichier final : public host::Annuaire {
public:
    // `dossier` may be null when no dossier is open: selections then attach nothing.
    AnnuaireFichier(std::filesystem::path chemin, DossierFichier* dossier, ChoixIntervenant& choix);

    static std::filesystem::path CheminParDefaut();

    // Adds a party and returns its identifier; throws on a refused value.
    int Ajouter(Intervenant intervenant);
    std::vector<Intervenant> Lister(std::optional<int> type = std::nullopt);
    std::optional<Intervenant> Trouver(int id);
    static host::FicheIntervenant Fiche(const Intervenant& intervenant);

    bool Selectionner(int type, host::FicheIntervenant& fiche, bool attacher) override;
    bool LireSelectionne(int type, host::FicheIntervenant& fiche, bool avecDefaut) override;
    bool Lire(int id, host::FicheIntervenant& fiche, int type) override;
    int DonneesEdiParametreesAuDossier() override;

private:
    IniFile fichier_;
    DossierFichier* dossier_;
    ChoixIntervenant& choix_;
};

}  // namespace kvarn::standalone
