#include "environment/environ_kv.hpp"

#include "db/session.hpp"
#include "environment/hote_courant.hpp"
#include "environment/tables_dossier.hpp"
#include "host/boites.hpp"

namespace kvarn::environment {

cEnvironKV::~cEnvironKV() = default;

void cEnvironKV::Initialiser() { CreateFichierIni(); }

std::string cEnvironKV::GetNomUtilisateur() const { return Hote().NomUtilisateur(); }
std::string cEnvironKV::GetRaisonSociale() const { return Hote().GetRaisonSociale(); }
std::string cEnvironKV::GetNomDossier() const { return DossierCourant().GetNom(); }
std::string cEnvironKV::GetPrenomDossier() const { return DossierCourant().GetPrenom(); }
std::string cEnvironKV::GetRepCommun() const { return Hote().NomFichier2(host::kRepertoireCommun); }
std::string cEnvironKV::GetRepExe() const { return Hote().NomFichier2(host::kRepertoireProgramme); }
std::string cEnvironKV::GetRepDossier() const { return Hote().NomFichier2(host::kRepertoireDossier); }
std::string cEnvironKV::GetRepTmp() const { return Hote().NomFichier2(host::kRepertoireTemporaire); }
// The empty name is the database engine's default session, the only one the module uses.
std::string cEnvironKV::GetNomSession() const { return {}; }
std::string cEnvironKV::GetAliasDossier() const { return db::ALIAS_DOSSIER; }
std::string cEnvironKV::GetAliasTmp() const { return db::ALIAS_TMP; }
std::string cEnvironKV::GetAliasCommun() const { return kAliasCommun; }

bool cEnvironKV::GetTraitementISAGI() const {
    if (!Hote().EstLanceParISAGI()) return false;
    const host::CDossier& dossier = DossierCourant();
    return !dossier.GetIdentifiantISA().empty() && dossier.GetDernierExportVersISACOMPTA() != 0;
}

std::string cEnvironKV::GetLibelleDossier() const { return DossierCourant().GetLibelle(); }

void cEnvironKV::CopierTables() {
    host::TEnvironnement& hote = Hote();
    for (const TableDossier* table : kTablesACopier)
        hote.DuplicateTableAssistants(host::CodeLocalisation(kUniteEnvironnement, table->placeCopie), table->suffixe,
                                      false);
}

// The module keeps no settings file name of its own: its store is always "KOLMI$$G.dat" of the
// dossier directory, so the name it reports is empty.
std::string cEnvironKV::GetFichierINI() const { return {}; }

void cEnvironKV::CreateFichierIni() {
    if (gestIni_) return;
    gestIni_ = std::make_unique<CGestTRPIni>();
    gestIni_->SetSection(kSectionKV);
}

void cEnvironKV::DetruireFichierIni() { gestIni_.reset(); }

}  // namespace kvarn::environment
