#include "taxadj/etat_divers.hpp"

#include "store/installateurs.hpp"
#include "taxadj/calculs_divers.hpp"
#include "taxadj/divers.hpp"
#include "taxadj/table_parts_associe.hpp"

#include <kvarn/kvarn.h>

namespace kvarn::taxadj {
namespace {

void AttacherChampsCalcules(store::TdmKvarn& module) {
    module.Donnees().Composant("tblDiversFiscPartAssocie").OnCalcFields = [&donnees = module.Donnees()](db::CTable& parts) {
        CalculerChampsPart(donnees, parts);
    };
}

void InstallerDivers(store::TdmKvarn& module) {
    module.CreerEtat(std::make_unique<EtatDivers>());
    module.Gestionnaires().push_back(AttacherChampsCalcules);
}

const store::InscriptionInstallateur kInscription{"divers", &InstallerDivers};

}  // namespace

EtatDivers::EtatDivers() { _ToutLesDepenseSontExonereDeTVA = {}; }

EtatDivers::~EtatDivers() { _ToutLesDepenseSontExonereDeTVA = {}; }

void CalculerChampsPart(store::TdmDonnees& donnees, db::CTable& parts) {
    // A query of its own: the handler runs while the module's processing query may hold rows.
    db::CQuery requete(donnees.Session());
    Ouvrir(requete, RequeteLigneParId(LigneDeLaPart(parts)));
    if (requete.IsEmpty()) {
        EcrireChampsCalcules(parts, std::nullopt, std::nullopt);
        return;
    }
    const LigneDiversFisc ligne = LireLigneDivers(requete);
    const std::optional<CCurrency>& montant = PartPourBA(parts) ? ligne.divers.MontantBA : ligne.divers.MontantBIC;
    EcrireChampsCalcules(parts, ligne.divers.Designation, EurosEntiers(montant));
}

}  // namespace kvarn::taxadj
