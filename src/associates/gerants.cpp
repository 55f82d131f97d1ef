// The manager and the co-managers for the returns, as outside-party records, from the associates
// table seen through its standing filter.
//
// The manager is the first associate of quality "Gérant" (1), which the returns cannot tell apart
// from a managing associate, hence the warning; else the first managing associate (8); else the
// first manager who is no associate (9). The co-managers are every associate of quality 12. A
// record gets the key, the identity the table shows, and the current address.
#include <kvarn/kvarn.h>
#include <kvarn/liste_associes.hpp>

#include "associates/execution_c.hpp"
#include "associates/gestionnaires_associes.hpp"
#include "associates/liste_associes.hpp"
#include "associates/table_associes.hpp"
#include "common/fixed_field.hpp"
#include "frame/exports_proteges.hpp"
#include "host/boites.hpp"

#include <cstring>
#include <list>
#include <optional>

namespace kvarn::associates {
namespace {

enum Place : std::uint32_t { kGetGerant = 1, kGetCogerant };

const char* const kMessageQualiteGerant =
    "Utilisez de préférence les qualités \"Associé gérant \" ou \"Gérant non associé\" \nà \"Gérant\" seul pour "
    "être sûr de l'inclure ou de l'exclure des associés.\nRemarque : Qualité Gérant considérée comme Gérant associé.";
const char* const kMessageAucunGerant = "Aucun gérant de la SCI n'est défini pour renseigner le Cerfa 2072.";

void Remplir(const Associe& a, int modeChargement, INTERVENANT_KV& r) {
    std::memset(&r, 0, sizeof r);
    r.Id = static_cast<uint16_t>(a.ShIDAssocie);
    const CodePage oem = CodePage::Oem;
    WriteCStringField(r.Nom, sizeof r.Nom, CalculerColonnes(a, modeChargement).identite, oem);
    WriteCStringField(r.AdrComplmt1, sizeof r.AdrComplmt1, a.AdrComplmt1, oem);
    WriteCStringField(r.AdrComplmt2, sizeof r.AdrComplmt2, a.AdrComplmt2, oem);
    WriteCStringField(r.AdrNoVoie, sizeof r.AdrNoVoie, a.AdrNoVoie, oem);
    WriteCStringField(r.AdrCmplNoVoie, sizeof r.AdrCmplNoVoie, a.AdrCmplNoVoie, oem);
    WriteCStringField(r.AdrNomVoie, sizeof r.AdrNomVoie, a.AdrNomVoie, oem);
    WriteCStringField(r.AdrBP, sizeof r.AdrBP, a.AdrBP, oem);
    WriteCStringField(r.AdrCP, sizeof r.AdrCP, a.AdrCP, oem);
    WriteCStringField(r.AdrVille, sizeof r.AdrVille, a.AdrVille, oem);
    WriteCStringField(r.AdrTel, sizeof r.AdrTel, a.AdrTel, oem);
    r.AdrIDPays = static_cast<uint16_t>(a.AdrIDPays);
}

std::optional<Associe> Premier(db::CTable& table, int qualite) {
    if (!table.Locate("QUALITE", db::Value(qualite))) return std::nullopt;
    return LireAssocie(table);
}

bool ChercherGerant(store::TdmKvarn& module, INTERVENANT_KV& gerant) {
    std::memset(&gerant, 0, sizeof gerant);
    const store::AssociesOuverts ouverts(module, ModeOuvertureAssocies(module), "", "");
    db::CTable& table = module.Donnees().Composant("tblAssociesKV");
    std::optional<Associe> trouve = Premier(table, QA_GERANT);
    if (trouve) host::ZORAttention(kMessageQualiteGerant);
    if (!trouve) trouve = Premier(table, QA_GERANT_ASSOCIE);
    if (!trouve) trouve = Premier(table, QA_GERANT_NON_ASSOCIE);
    if (!trouve) {
        host::ZORAttention(kMessageAucunGerant);
        return false;
    }
    Remplir(*trouve, module.ModeChargement(), gerant);
    return gerant.Id != 0;
}

bool ChercherCogerants(store::TdmKvarn& module, std::list<INTERVENANT_KV>& cogerants) {
    const store::AssociesOuverts ouverts(module, ModeOuvertureAssocies(module), "", "");
    db::CTable& table = module.Donnees().Composant("tblAssociesKV");
    const LecteurAssocie lecteur(table, LecteurAssocie::Membres::Tous);
    for (table.First(); !table.Eof(); table.Next()) {
        const Associe a = lecteur.Lire();
        if (a.Qualite != QA_COGERANT) continue;
        Remplir(a, module.ModeChargement(), cogerants.emplace_back());
    }
    return !cogerants.empty();
}

}  // namespace
}  // namespace kvarn::associates

bool GetGerant(INTERVENANT_KV* gerant) {
    namespace as = kvarn::associates;
    if (!gerant) return false;
    return as::ExecuterC(as::kUniteGerants, as::kGetGerant, [&](kvarn::store::TdmKvarn& module) { return as::ChercherGerant(module, *gerant); });
}

bool GetCogerant(std::list<INTERVENANT_KV>& cogerants) {
    namespace as = kvarn::associates;
    return as::ExecuterC(as::kUniteGerants, as::kGetCogerant,
                        [&](kvarn::store::TdmKvarn& module) { return as::ChercherCogerants(module, cogerants); });
}
