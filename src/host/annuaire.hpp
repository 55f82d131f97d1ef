// The host's directory of outside parties, and the record it fills.
//
// The directory holds the practice's accountants, advisers, approved centres and associations,
// tax offices and administrators, each of a kind (0 accountant, 1 adviser, 2 approved centre CGA,
// 3 approved association AGA, 7 the practice itself, 10 tax office SIE, 11 CGI, 15 property
// administrator). A dossier has at most one party of each kind attached. The module zeroes a
// FicheIntervenant before asking for one and converts it into INTERVENANT_KV, whose layout the
// record's first 890 bytes share.
#pragma once

#include <kvarn/kvarn.h>

#include <cstddef>
#include <cstdint>

namespace kvarn::host {

enum TypeIntervenant : int {
    kComptable = 0,
    kConseil = 1,
    kCGA = 2,
    kAGA = 3,
    kCabinet = 7,
    kSIE = 10,
    kCGI = 11,
    kAdministrateur = 15,
};

bool EstTypeIntervenant(int type);

#pragma pack(push, 1)
struct FicheIntervenant {
    INTERVENANT_KV Donnees;         //    0: texts in the OEM code page
    std::uint8_t Reserve[24];       //  890
    // 914: on the practice's record (kind 7), 2 when each dossier's accountant is chosen for that
    // dossier only; any other value lets a dossier without one fall back to the directory's
    // default accountant.
    std::uint16_t ModeAffectation;
    std::uint16_t Type;             //  916: kind of the party
    std::uint8_t ParDefaut;         //  918: 1 for the default party of its kind
    std::uint8_t Libre[105];        //  919
};
#pragma pack(pop)
static_assert(sizeof(FicheIntervenant) == 1024);
static_assert(offsetof(FicheIntervenant, ModeAffectation) == 914);

class Annuaire {
public:
    virtual ~Annuaire() = default;
    // Asks the user to pick a party of the kind; when `attacher`, the choice is attached to the
    // open dossier. True when one was chosen.
    virtual bool Selectionner(int type, FicheIntervenant& fiche, bool attacher) = 0;
    // The party of the kind attached to the open dossier; when none is and `avecDefaut`, the
    // directory's default party of that kind. True when one was found.
    virtual bool LireSelectionne(int type, FicheIntervenant& fiche, bool avecDefaut) = 0;
    // The party with that identifier, when it is of that kind.
    virtual bool Lire(int id, FicheIntervenant& fiche, int type) = 0;
    virtual int DonneesEdiParametreesAuDossier() = 0;
};

bool SelectionneIntervenant(int type, FicheIntervenant* fiche, bool drapeau, int, int);
bool GetIntervenantSelectionne(FicheIntervenant* fiche, int type, int, int avecDefaut, int, int);
bool GetIntervenant(int id, FicheIntervenant* fiche, int type);
int GetDonneesEdiParametreesAuDossier();

}  // namespace kvarn::host
