#include "associates/table_resultats.hpp"

#include "associates/gestionnaires_associes.hpp"
#include "common/nulls.hpp"


namespace kvarn::associates {
namespace {

struct ColonneEntier {
    const char* nom;
    int Associe::*membre;
    int siVide;
};

constexpr ColonneEntier kEntiers[] = {
    {"ShIDAssocie", &Associe::ShIDAssocie, 0},
    {"CleRepartition", &Associe::CleRepartition, NULL_ENTIER},
    {"BeneficeSaisi", &Associe::BeneficeSaisi, NULL_ENTIER},
    {"PVLTSaisi", &Associe::PVLTSaisi, NULL_ENTIER},
    {"ResultatBICSaisi", &Associe::ResultatBICSaisi, NULL_ENTIER},
    {"ResultatBASaisi", &Associe::ResultatBASaisi, NULL_ENTIER},
    {"AbandonsSaisi", &Associe::AbandonsSaisi, NULL_ENTIER},
    {"RegimeImpositionSCI", &Associe::RegimeImpositionSCI, RIS_AUCUN},
    {"Qualite", &Associe::Qualite, 0},
};

struct ColonneReel {
    const char* nom;
    double Associe::*membre;
};

constexpr ColonneReel kPartsDebut[] = {
    {"NbParts", &Associe::NbParts}, {"NbPartsU", &Associe::NbPartsU}, {"NbPartsN", &Associe::NbPartsN}};

struct ColonneMontant {
    const char* nom;
    std::optional<long> ColonnesResultats::*membre;
};

constexpr ColonneMontant kMontants[] = {
    {"ResultatTotalCalc", &ColonnesResultats::resultatTotal},
    {"ResultatTotalBICCalc", &ColonnesResultats::resultatBICTotal},
    {"ResultatTotalBACalc", &ColonnesResultats::resultatBATotal},
    {"AbandonsTotalCalc", &ColonnesResultats::abandonsTotal},
    {"PVLTTotalCalc", &ColonnesResultats::pvltTotal},
    {"ResultatCalc", &ColonnesResultats::resultat},
    {"ResultatBICCalc", &ColonnesResultats::resultatBIC},
    {"ResultatBACalc", &ColonnesResultats::resultatBA},
    {"AbandonsCalc", &ColonnesResultats::abandons},
    {"PVLTCalc", &ColonnesResultats::pvlt},
    {"Benefice", &ColonnesResultats::benefice},
    {"Deficit", &ColonnesResultats::deficit},
    {"PVLT", &ColonnesResultats::pvltAssocie},
};

struct ColonneFin {
    const char* nom;
    double PartsFinExercice::*membre;
};

constexpr ColonneFin kPartsFin[] = {{"NbPartsPPFinExo", &PartsFinExercice::pp},
                                    {"NbPartsUFinExo", &PartsFinExercice::u},
                                    {"NbPartsNPFinExo", &PartsFinExercice::np}};

}  // namespace

Associe LireLigneResultats(db::CTable& vue) {
    Associe ligne;
    for (const ColonneEntier& c : kEntiers) {
        const db::Field& champ = vue.FieldByName(c.nom);
        ligne.*c.membre = champ.IsNull() ? c.siVide : champ.AsInteger();
    }
    for (const ColonneReel& c : kPartsDebut) ligne.*c.membre = vue.FieldByName(c.nom).AsFloat();
    ligne.Nom = vue.FieldByName("Nom").AsString();
    ligne.Prenoms = vue.FieldByName("Prenoms").AsString();
    ligne.Profession = vue.FieldByName("Profession").AsString();
    return ligne;
}

void EcrireColonnesResultats(db::CTable& vue, const ColonnesResultats& colonnes) {
    vue.FieldByName("Denomination").SetAsString(colonnes.denomination);
    for (const ColonneMontant& c : kMontants) {
        const std::optional<long>& montant = colonnes.*c.membre;
        vue.FieldByName(c.nom).SetValue(montant ? db::Value(*montant) : db::Value());
    }
    for (const ColonneFin& c : kPartsFin) vue.FieldByName(c.nom).SetAsFloat(colonnes.fin.*c.membre);
    vue.FieldByName("NbPartsCalc").SetAsFloat(colonnes.nbPartsCalc);
}

ColonnesResultats LireColonnesResultats(db::CTable& vue) {
    ColonnesResultats colonnes;
    colonnes.denomination = vue.FieldByName("Denomination").AsString();
    for (const ColonneMontant& c : kMontants) {
        const db::Field& champ = vue.FieldByName(c.nom);
        if (!champ.IsNull()) colonnes.*c.membre = champ.AsInteger();
    }
    for (const ColonneFin& c : kPartsFin) colonnes.fin.*c.membre = vue.FieldByName(c.nom).AsFloat();
    colonnes.nbPartsCalc = vue.FieldByName("NbPartsCalc").AsFloat();
    return colonnes;
}

const char* NomColonneSaisie(Saisie saisie) {
    switch (saisie) {
        case Saisie::Benefice: return "BeneficeSaisi";
        case Saisie::PVLT: return "PVLTSaisi";
        case Saisie::ResultatBIC: return "ResultatBICSaisi";
        case Saisie::ResultatBA: return "ResultatBASaisi";
        case Saisie::Abandons: return "AbandonsSaisi";
    }
    return "";
}

void EcrireSaisie(db::CTable& vue, Saisie saisie, int valeur) {
    db::Field& champ = vue.FieldByName(NomColonneSaisie(saisie));
    if (valeur == NULL_ENTIER) champ.Clear();
    else champ.SetAsInteger(valeur);
}

void AttacherTextesResultats(db::CTable& vue) {
    vue.FieldDisplayOf("RegimeImpositionSCI").onGetText = TexteRegimeImpositionSCI;
}

}  // namespace kvarn::associates
