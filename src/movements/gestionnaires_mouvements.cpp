#include "movements/gestionnaires_mouvements.hpp"

#include "associates/liste_associes.hpp"
#include "common/text.hpp"
#include "movements/libelle_synthese.hpp"
#include "movements/table_asso_npu.hpp"
#include "movements/table_details.hpp"
#include "movements/table_positions.hpp"
#include "movements/table_synthese.hpp"

namespace kvarn::movements {
namespace {

constexpr int kLargeurNomAsso = 100;

const Associe* AssocieDeLaListe(store::TdmKvarn& module, int idAssocie) {
    return idAssocie == 0 ? nullptr : associates::TrouverAssocie(module, idAssocie, nullptr);
}

}  // namespace

std::string NomAssocie(const Associe* associe) {
    return associe ? Trim(associe->GetTextTitre() + " " + associe->GetDesignationAssocie()) : std::string();
}

std::string DesignationAffichee(const Associe* associe) {
    return associe ? associe->GetDesignationAssocie() : std::string();
}

void DeclarerChampsMouvements(store::TdmKvarn& module) {
    module.Donnees().Composant("tblDetMouvPartsAssoNPU").DeclareCalculatedField(
        {"NomAsso", db::FieldType::Alpha, kLargeurNomAsso, true});
}

void AttacherGestionnairesMouvements(store::TdmKvarn& module) {
    store::TdmDonnees& donnees = module.Donnees();
    const auto nomDuDetail = [&module](db::CTable& table) {
        EcrireNomAssoDetail(table, NomAssocie(AssocieDeLaListe(module, LireIdAssoDetail(table))));
    };
    donnees.Composant("tblDetMouvParts").OnCalcFields = nomDuDetail;
    donnees.Composant("tblDetMouvPartsAssoNPU").OnCalcFields = nomDuDetail;
    donnees.Composant("tblAssoNPU").OnCalcFields = [&module](db::CTable& table) {
        EcrireNomAssoLien(table, NomAssocie(AssocieDeLaListe(module, LireAssoNPU(table).IdU)));
    };
    db::CTable& synthese = donnees.Composant("tblSyntheseMouvement");
    AffecterTextesSynthese(
        synthese,
        [&module](db::Field& champ, std::string& texte, bool) {
            texte = champ.IsNull() ? std::string() : DesignationAffichee(AssocieDeLaListe(module, champ.AsInteger()));
        },
        [&synthese](db::Field&, std::string& texte, bool) {
            const TypeEtParts ligne = LireTypeEtParts(synthese);
            texte = LibelleTypeSynthese(ligne.type, ligne.pp, ligne.u, ligne.np);
        });
    db::CTable& vueU = donnees.Composant("tblMouvementTmpU");
    vueU.SetOnFilterRecord([](db::CTable& table, bool& accepte) { accepte = LirePartsUFin(table) != 0; });
    vueU.SetFiltered(true);
}

}  // namespace kvarn::movements
