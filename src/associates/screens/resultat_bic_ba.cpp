#include "associates/screens/resultat_bic_ba.hpp"

#include "associates/etat_associes.hpp"
#include "associates/liste_associes.hpp"
#include "associates/repartition.hpp"
#include "associates/table_resultats.hpp"
#include "common/numbers.hpp"
#include "common/text.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace kvarn::associates {
namespace {

constexpr const char* kIndexRaisonSociale = "idxRaisonSociale";

struct Ligne {
    const char* prefixe;
    std::optional<long> ColonnesResultats::*total;
    std::optional<long> ColonnesResultats::*calcule;
    int Associe::*saisi;
    Saisie colonne;
};

constexpr Ligne kBIC{"bic", &ColonnesResultats::resultatBICTotal, &ColonnesResultats::resultatBIC,
                     &Associe::ResultatBICSaisi, Saisie::ResultatBIC};
constexpr Ligne kBA{"ba", &ColonnesResultats::resultatBATotal, &ColonnesResultats::resultatBA,
                    &Associe::ResultatBASaisi, Saisie::ResultatBA};
constexpr Ligne kAbandons{"abandons", &ColonnesResultats::abandonsTotal, &ColonnesResultats::abandons,
                          &Associe::AbandonsSaisi, Saisie::Abandons};

std::string Nom(const Ligne& ligne, const char* colonne) { return std::string(ligne.prefixe) + "-" + colonne; }

bool GardeBIC(int regime) { return regime == RIS_BIC || regime == RIS_IS; }

}  // namespace

bool SaisieExploitationAdmise(double saisi, long total) {
    return std::fabs(saisi) <= std::labs(total) && !(total < 0 && saisi > 0);
}

TfrmResultAssoBICBA::TfrmResultAssoBICBA(store::TdmKvarn& module, const CResultatAssociesBICBA& parametre)
    : module_(module), vue_(module.Donnees().Composant(kVueResultats)) {
    Declare({.name = "nb-parts-total", .label = "Nombre de parts total", .readOnly = true});
    Declare({.name = "nb-parts-associe", .label = "Nombre de parts de l'associé", .readOnly = true});
    Declare({.name = "note-parts", .readOnly = true});
    for (const Ligne* ligne : {&kBIC, &kBA, &kAbandons}) {
        Declare({.name = Nom(*ligne, "total"), .label = "TOTAL", .readOnly = true});
        Declare({.name = Nom(*ligne, "calcule"), .label = "Calculé", .readOnly = true});
        Declare({.name = Nom(*ligne, "saisi"), .label = "Saisi"});
    }
    EtatAssocies& etat = module_.EtatDe<EtatAssocies>();
    etat.calculBICBA = parametre.GetCalcul();
    DesinitListe(module_);
    vue_.SetOnFilterRecord([&etat](db::CTable& table, bool& accepte) {
        const Associe ligne = LireLigneResultats(table);
        accepte = AfficheBICBA(ligne.Qualite, ligne.RegimeImpositionSCI, FinExercice(etat, ligne));
    });
    vue_.SetFiltered(true);
    index_ = vue_.IndexName();
    vue_.SetIndexName(kIndexRaisonSociale);
    if (!vue_.Active()) vue_.Open();
    apresPost_ = std::exchange(vue_.AfterPost, nullptr);
    apresSuppression_ = std::exchange(vue_.AfterDelete, nullptr);
    defilement_ = std::make_unique<DefilementEcran>(vue_, [this] { Sauver(); }, [this] { Afficher(); });
    Afficher();
}

TfrmResultAssoBICBA::~TfrmResultAssoBICBA() {
    try {
        Retablir();
    } catch (...) {
        // Everything but the view's own state is back; the view closes with the data module.
    }
}

void TfrmResultAssoBICBA::Afficher() {
    for (const frame::Field& field : Fields()) SetValue(field.name, "");
    FieldRef("bic-saisi").enabled = FieldRef("ba-saisi").enabled = false;
    total_ = 0;
    calcule_.clear();
    SetValue("nb-parts-total", std::to_string(NbPartsDeclarees()));
    if (!vue_.Active() || vue_.IsEmpty()) return;
    const Associe ligne = LireLigneResultats(vue_);
    const ColonnesResultats c = LireColonnesResultats(vue_);
    const Ligne& exploitation = ligne.RegimeImpositionSCI == RIS_BA ? kBA : kBIC;
    for (const Ligne* montree : {&exploitation, &kAbandons}) {
        SetValue(Nom(*montree, "total"), TexteMontant(c.*montree->total));
        SetValue(Nom(*montree, "calcule"), TexteMontant(c.*montree->calcule));
        SetValue(Nom(*montree, "saisi"), TexteSaisie(ligne.*montree->saisi));
    }
    FieldRef(Nom(exploitation, "saisi")).enabled = &exploitation == &kBA || GardeBIC(ligne.RegimeImpositionSCI);
    total_ = (c.*exploitation.total).value_or(0);
    calcule_ = TexteMontant(c.*exploitation.calcule);
    const bool negatif = total_ < 0;
    SetValue("nb-parts-associe", TexteNombreParts(c.fin.pp + (negatif ? c.fin.np : c.fin.u)));
    SetValue("note-parts", negatif ? kNotePartsNegatif : kNotePartsPositif);
}

void TfrmResultAssoBICBA::Sauver() {
    if (!vue_.Active() || vue_.IsEmpty()) return;
    const Associe ligne = LireLigneResultats(vue_);
    std::vector<const Ligne*> gardees{&kAbandons};
    if (GardeBIC(ligne.RegimeImpositionSCI)) gardees.push_back(&kBIC);
    if (ligne.RegimeImpositionSCI == RIS_BA) gardees.push_back(&kBA);
    const auto saisie = [this](const Ligne* l) { return SaisieTronquee(Value(Nom(*l, "saisi"))); };
    // Leaving a row untouched writes nothing.
    if (std::none_of(gardees.begin(), gardees.end(), [&](const Ligne* l) { return saisie(l) != ligne.*l->saisi; }))
        return;
    vue_.Edit();
    for (const Ligne* l : gardees) EcrireSaisie(vue_, l->colonne, saisie(l));
    vue_.Post();
}

void TfrmResultAssoBICBA::Fermer() {
    Sauver();
    Retablir();
}

void TfrmResultAssoBICBA::Retablir() {
    if (std::exchange(retabli_, true)) return;
    defilement_.reset();
    EtatAssocies& etat = module_.EtatDe<EtatAssocies>();
    etat.calculBICBA = nullptr;
    vue_.AfterPost = std::move(apresPost_);
    vue_.AfterDelete = std::move(apresSuppression_);
    DesinitListe(module_);
    vue_.Close();
    vue_.SetOnFilterRecord(nullptr);
    vue_.SetFiltered(false);
    vue_.SetIndexName(index_);
}

void TfrmResultAssoBICBA::Edited(frame::Field& field, const std::string& before) {
    if (!SaisieLisible(field.value)) {
        field.value = before;
        return;
    }
    // Only the business line shown takes entries: the other one's is disabled.
    const bool exploitation = field.name == "bic-saisi" || field.name == "ba-saisi";
    if (exploitation && !Trim(field.value).empty() && !SaisieExploitationAdmise(ZORStr2Double(field.value), total_))
        field.value = calcule_;
}

}  // namespace kvarn::associates
