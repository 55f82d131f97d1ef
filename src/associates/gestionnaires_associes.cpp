#include "associates/gestionnaires_associes.hpp"

#include "common/text.hpp"
#include "db/display_format.hpp"

#include <cstdio>
#include <cstdlib>

namespace kvarn::associates {
namespace {

// Share counts show as the number format does: grouped thousands, always 5 decimals.
constexpr const char* kFormatParts = "#,##0.00000";

// A double carries about 17 significant digits, of which the last two are noise from the
// arithmetic that produced it; the figure shown keeps 15.
double QuinzeChiffresSignificatifs(double valeur) {
    char texte[32];
    std::snprintf(texte, sizeof texte, "%.15g", valeur);
    return std::strtod(texte, nullptr);
}

}  // namespace

void TexteTitre(db::CTable& table, std::string& texte) {
    texte = table.IsEmpty() ? std::string() : LireMembresCalcules(table).GetTextTitre();
}

void TexteRegimeImpositionSCI(db::Field& champ, std::string& texte, bool) {
    texte = champ.IsNull() ? std::string()
                           : CRegimeImposition::RegimeImposition(static_cast<REGIME_IMPOT_SCI>(champ.AsInteger()));
}

void TexteQualite(db::Field& champ, std::string& texte, bool) {
    texte = CQualiteAssocie::QualiteAssocie(static_cast<QUALITE_ASSOCIE>(champ.AsInteger()));
}

void TexteNbParts(db::Field& champ, std::string& texte, bool) {
    const double parts = champ.AsFloat();
    texte = parts == 0 ? std::string() : db::FormatFloat(kFormatParts, QuinzeChiffresSignificatifs(parts));
}

// The family situation shows its label as the sister coded columns do: a grid column that stays
// blank whatever the associate's situation would hide what was entered.
void TexteSituationFamille(db::Field& champ, std::string& texte, bool) {
    texte = champ.IsNull() ? std::string()
                           : CSituationFamille::SituationFamille(static_cast<SITUATION_FAMILLE>(champ.AsInteger()));
}

ColonnesCalculees CalculerColonnes(const Associe& associe, int modeChargement) {
    ColonnesCalculees colonnes;
    colonnes.nomAffichage = modeChargement == store::kModeAvecBeneficiaires && associe.PersonnePhysique
                                ? associe.NomPatronymique
                                : associe.Nom;
    colonnes.identite = Trim(colonnes.nomAffichage + " " + associe.Prenoms);
    // Empty parts keep their blanks inside the text: the column has always looked that way.
    colonnes.adresseAffichage = Trim(associe.AdrNoVoie + " " + associe.AdrCmplNoVoie + " " + associe.AdrNomVoie +
                                     " " + associe.AdrCP + " " + associe.AdrVille + " " + associe.AdrComplmt1 +
                                     " " + associe.AdrComplmt2);
    colonnes.identiteComplete = Trim(associe.GetTextTitre() + " " + colonnes.identite);
    return colonnes;
}

void CalculerColonnesAssocies(db::CTable& table, int modeChargement, const EtapeFinExercice& etapeFinExercice) {
    const Associe associe = LireMembresCalcules(table);
    ColonnesCalculees colonnes = CalculerColonnes(associe, modeChargement);
    if (etapeFinExercice) colonnes.finExercice = etapeFinExercice(associe);
    EcrireColonnesCalculees(table, colonnes);
}

void AttacherGestionnairesAssocies(store::TdmKvarn& module) {
    db::CTable& associes = module.Donnees().Composant("tblAssociesKV");
    associes.OnCalcFields = [&module](db::CTable& table) {
        CalculerColonnesAssocies(table, module.ModeChargement(), module.EtatDe<EtatAssocies>().etapeFinExercice);
    };
    AffecterTextesColonnes(associes, {
        .titre = [&associes](db::Field&, std::string& texte, bool) { TexteTitre(associes, texte); },
        .regimeImpositionSCI = TexteRegimeImpositionSCI,
        .qualite = TexteQualite,
        .nbParts = TexteNbParts,
        .situationFamille = TexteSituationFamille,
    });
}

}  // namespace kvarn::associates
