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

void FichiersDifferes::Valider(db::Transaction& transaction, db::Connection& connexion,
                               const std::function<void(const ImagesDifferees&)>& journaliserAussi) const {
    const ImagesDifferees images{parametres_.OctetsDifferes(), dossier_ ? dossier_->ImageDifferee() : std::string()};
    db::RecordPendingFile(connexion, environment::kNomFichierParametres, images.parametres);
    if (dossier_) db::RecordPendingFile(connexion, dossier_->FichierEnregistrement(), images.dossier);
    if (journaliserAussi) journaliserAussi(images);
    db::MarkPendingFiles(parametres_.Repertoire());
    transaction.Commit();
}

}  // namespace kvarn::store
