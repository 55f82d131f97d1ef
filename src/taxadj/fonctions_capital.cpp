#include "taxadj/fonctions_capital.hpp"

#include "common/fixed_field.hpp"
#include "common/nulls.hpp"
#include "store/installateurs.hpp"

#include <cstddef>
#include <cstring>

namespace kvarn::taxadj {
namespace {

struct Texte {
    const char* colonne;
    std::size_t position;
    std::size_t taille;
    CodePage page;
};

#define KV_TEXTE(champ, page) Texte{#champ, offsetof(FONCTIONSETCAPITAL_C, champ), sizeof(FONCTIONSETCAPITAL_C::champ), page}
const Texte kTextes[] = {
    KV_TEXTE(RaisonSociale, CodePage::Oem), KV_TEXTE(Activite, CodePage::Oem), KV_TEXTE(AdrCmplt1, CodePage::Oem),
    KV_TEXTE(AdrCmplt2, CodePage::Oem),     KV_TEXTE(AdrNoVoie, CodePage::Ansi), KV_TEXTE(AdrCmpltNoVoie, CodePage::Ansi),
    KV_TEXTE(AdrNomVoie, CodePage::Oem),    KV_TEXTE(AdrBP, CodePage::Ansi),    KV_TEXTE(AdrCP, CodePage::Ansi),
    KV_TEXTE(AdrVille, CodePage::Oem),
};
#undef KV_TEXTE

struct Reel {
    const char* colonne;
    std::size_t position;
};
#define KV_REEL(champ) Reel{#champ, offsetof(FONCTIONSETCAPITAL_C, champ)}
const Reel kReels[] = {KV_REEL(MontantCapital), KV_REEL(NbDroitsDeVote), KV_REEL(PourcentageDroitsDeVote),
                       KV_REEL(NbDroitsADividendes), KV_REEL(PourcentageDroitsADiv)};
#undef KV_REEL

void Installer(store::TdmKvarn& module) { module.CreerEtat(std::make_unique<EtatFonctionsCapital>()); }
const store::InscriptionInstallateur kInscription{"fonctions et capital", &Installer};

}  // namespace

void RemplirFonctionsEtCapitalC(db::CTable& table, FONCTIONSETCAPITAL_C& r) {
    std::memset(&r, 0, sizeof r);
    r.IDAssocie = static_cast<int16_t>(table.FieldByName("IDAssocie").AsInteger());
    for (const Texte& texte : kTextes)
        WriteCStringField(reinterpret_cast<char*>(&r) + texte.position, texte.taille,
                          table.FieldByName(texte.colonne).AsString(), texte.page);
    r.AdrPays = static_cast<int16_t>(table.FieldByName("AdrPays").AsInteger());
    r.AssoFonctionDansEnt = table.FieldByName("AssoFonctionDansEnt").AsBoolean() ? 1 : 0;
    if (r.AssoFonctionDansEnt)
        WriteCStringField(r.Fonction, sizeof r.Fonction, table.FieldByName("Fonction").AsString(), CodePage::Oem);
    r.AssoADuCapitalDansEnt = table.FieldByName("AssoADuCapitalDansEnt").AsBoolean() ? 1 : 0;
    for (const Reel& reel : kReels) {
        const db::Field& champ = table.FieldByName(reel.colonne);
        const double valeur = champ.IsNull() ? NULL_REEL : champ.AsFloat();
        std::memcpy(reinterpret_cast<char*>(&r) + reel.position, &valeur, sizeof valeur);  // packed: byte-wise
    }
}

void ChargerFonctionsEtCapital(store::TdmKvarn& module) {
    EtatFonctionsCapital& etat = module.EtatDe<EtatFonctionsCapital>();
    etat.parNumero.clear();
    module.cacheFonctionsChargee = false;
    db::CTable& table = module.Donnees().Composant("tblFonctionsEtCapital");
    table.Open();
    int numero = 0;
    for (table.First(); !table.Eof(); table.Next()) RemplirFonctionsEtCapitalC(table, etat.parNumero[++numero]);
    table.Close();
    module.cacheFonctionsChargee = true;
}

}  // namespace kvarn::taxadj
