#include "store/fichiers_differes.hpp"

#include "db/pending_files.hpp"
#include "db/transaction.hpp"
#include "host/dossier.hpp"

namespace kvarn::store {

FichiersDifferes::FichiersDifferes(environment::CGestTRPIni& parametres) : parametres_(parametres) {
    parametres_.Differer();
    if (host::pCurDossier && host::pCurDossier->DiffererEcritures()) dossier_ = host::pCurDossier;
}

FichiersDifferes::~FichiersDifferes() {
    parametres_.CesserDeDifferer();
    if (dossier_) dossier_->CesserDeDifferer();
}

void FichiersDifferes::Valider(db::Transaction& transaction, db::Connection& connexion) const {
    db::RecordPendingFile(connexion, environment::kNomFichierParametres, parametres_.OctetsDifferes());
    if (dossier_) db::RecordPendingFile(connexion, dossier_->FichierEnregistrement(), dossier_->ImageDifferee());
    db::MarkPendingFiles(parametres_.Repertoire());
    transaction.Commit();
}

}  // namespace kvarn::store
