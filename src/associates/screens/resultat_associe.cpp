#include "associates/screens/resultat_associe.hpp"

#include "associates/liste_associes.hpp"
#include "associates/repartition.hpp"
#include "associates/table_resultats.hpp"

namespace kvarn::associates {
namespace {

constexpr const char* kAffiches[] = {"nom",         "prenom",         "profession",       "regime",
                                     "nb-parts-associe", "nb-parts-total", "resultat-total", "pvlt-total",
                                     "resultat-calcule", "pvlt-calcule"};
constexpr const char* kLabels[] = {"Nom ou dénomination", "Prénom", "Profession", "Régime fiscal",
                                   "Nombre de parts de l'associé", "Nombre total de parts", "Bénéfice ou déficit",
                                   "Plus value long terme", "Calculé", "Calculé"};

bool VueVide(db::CTable& vue) { return !vue.Active() || vue.IsEmpty(); }

}  // namespace

TfrmResultatAssocie::TfrmResultatAssocie(store::TdmKvarn& module)
    : module_(module), vue_(module.Donnees().Composant(kVueResultats)) {
    for (std::size_t i = 0; i < std::size(kAffiches); ++i)
        Declare({.name = kAffiches[i], .label = kLabels[i], .readOnly = true});
    Declare({.name = "benefice-saisi", .label = "Saisi"});
    Declare({.name = "pvlt-saisi", .label = "Saisi"});
    DesinitListe(module_);
    defilement_ = std::make_unique<DefilementEcran>(vue_, [this] { Sauver(); }, [this] { Afficher(); });
    Afficher();
}

TfrmResultatAssocie::~TfrmResultatAssocie() = default;

void TfrmResultatAssocie::Afficher() {
    for (frame::Field field : Fields()) SetValue(field.name, "");
    if (VueVide(vue_)) return;
    const Associe ligne = LireLigneResultats(vue_);
    const ColonnesResultats c = LireColonnesResultats(vue_);
    SetValue("nom", ligne.Nom);
    SetValue("prenom", ligne.Prenoms);
    SetValue("profession", ligne.Profession);
    SetValue("regime", vue_.FieldByName("RegimeImpositionSCI").DisplayText());
    SetValue("nb-parts-associe", TexteNombreParts(c.fin.pp + c.fin.np));
    SetValue("nb-parts-total", std::to_string(NbPartsDeclarees()));
    SetValue("resultat-total", TexteMontant(c.resultatTotal));
    SetValue("pvlt-total", TexteMontant(c.pvltTotal));
    SetValue("resultat-calcule", TexteMontant(c.resultat));
    SetValue("pvlt-calcule", TexteMontant(c.pvlt));
    SetValue("benefice-saisi", TexteSaisie(ligne.BeneficeSaisi));
    SetValue("pvlt-saisi", TexteSaisie(ligne.PVLTSaisi));
}

void TfrmResultatAssocie::Sauver() {
    if (VueVide(vue_)) return;
    const Associe ligne = LireLigneResultats(vue_);
    const int benefice = SaisieTronquee(Value("benefice-saisi"));
    const int pvlt = SaisieTronquee(Value("pvlt-saisi"));
    // Leaving a row untouched writes nothing.
    if (benefice == ligne.BeneficeSaisi && pvlt == ligne.PVLTSaisi) return;
    vue_.Edit();
    EcrireSaisie(vue_, Saisie::Benefice, benefice);
    EcrireSaisie(vue_, Saisie::PVLT, pvlt);
    vue_.Post();
}

void TfrmResultatAssocie::Fermer() {
    Sauver();
    defilement_.reset();
    DesinitListe(module_);
    if (vue_.Active()) vue_.Refresh();
}

void TfrmResultatAssocie::Edited(frame::Field& field, const std::string& before) {
    if (!SaisieLisible(field.value)) field.value = before;
}

}  // namespace kvarn::associates
