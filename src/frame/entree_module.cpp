// The module's entry points: lifecycle, the InitKV bracket, the wizard's _Run, the loading-mode
// override, and the table open/close functions. A program that holds the associates table through
// OuvrirTableAssociesKV reads its stored columns: the calculated ones stay empty until
// FermerTableAssociesKV gives the table its handler back.
//
// Decisions where the host's contract is silent: InitKV and _KVAffecterAssistantDeChargement do
// nothing without a data module (InitKV does not count then); the count never goes below 0; a
// second InitDataModuleKV keeps the first data module; _Run(0) without a main window, or with a
// Tag of 0, only enters the bracket.
#include "frame/etat_module.hpp"
#include "frame/preparation_assistant.hpp"
#include "host/boites.hpp"

#include <kvarn/assistant.hpp>
#include <kvarn/kvarn.h>
#include <kvarn/module.hpp>

namespace kvarn::frame {
namespace {

// Places of the data module's unit (store::kUniteDataModule).
enum Place : std::uint32_t {
    kCreation = 1, kDemarrage = 2, kOuvrirAssocies = 3, kFermerAssocies = 4, kOuvrirDeductions = 5,
    kFermerDeductions = 6,
};

void Signaler(Place place, const std::exception& erreur) {
    host::ZORDisplayException(host::CodeLocalisation(store::kUniteDataModule, place), erreur);
}

// Runs a table function: the error is shown, then raised to the caller.
template <typename Action>
void Relancer(Place place, Action&& action) {
    try {
        action(DataModuleCree());
    } catch (const std::exception& erreur) {
        Signaler(place, erreur);
        throw;
    }
}

}  // namespace

EtatModule& Etat() {
    static EtatModule etat;
    return etat;
}

store::TdmKvarn* DataModule() { return Etat().dataModule.get(); }

store::TdmKvarn& DataModuleCree() {
    if (!DataModule()) throw std::logic_error("le module de données n'est pas créé (InitDataModuleKV)");
    return *DataModule();
}

void CreerDataModule() {
    if (!Etat().dataModule) Etat().dataModule = std::make_unique<store::TdmKvarn>();
}

environment::cEnvironBaseKV& Environnement() {
    if (!DataModule()) throw std::logic_error("Le module de données n'est pas créé : environnement du dossier absent");
    return DataModule()->Environnement();
}

environment::CGestTRPIni& Parametres() {
    environment::CGestTRPIni* parametres = Environnement().GestIni();
    if (!parametres) throw std::logic_error("Le fichier de paramètres du dossier n'est pas ouvert");
    return *parametres;
}

}  // namespace kvarn::frame

using kvarn::frame::Etat;

void InitDataModuleKV() {
    try {
        kvarn::frame::CreerDataModule();
    } catch (const std::exception& erreur) {
        kvarn::frame::Signaler(kvarn::frame::kCreation, erreur);
    }
}

void DetruireDataModuleKV() {
    Etat().dataModule.reset();
    Etat().compteurInit = 0;
}

extern "C" void InitKV(void) {
    kvarn::store::TdmKvarn* module = kvarn::frame::DataModule();
    if (!module || Etat().compteurInit++ != 0) return;
    try {
        module->DemarrerDossier();
    } catch (const std::exception& erreur) {
        kvarn::frame::Signaler(kvarn::frame::kDemarrage, erreur);
    }
}

extern "C" void DesinitKV(void) {
    if (Etat().compteurInit > 0) --Etat().compteurInit;
}

extern "C" int _Run(int action) {
    if (action == 1) {
        DesinitKV();
    } else if (action == 0) {
        InitKV();
        TFenMainAssistant* fenetre = TFenMainAssistant::Instance();
        if (fenetre && fenetre->Tag != 0) kvarn::frame::PreparerAssistant(*fenetre);
    }
    return 1;
}

extern "C" void _KVAffecterAssistantDeChargement(int mode) {
    if (kvarn::store::TdmKvarn* module = kvarn::frame::DataModule()) module->SetModeChargement(mode);
}

void OuvrirTableAssociesKV() {
    kvarn::frame::Relancer(kvarn::frame::kOuvrirAssocies, [](kvarn::store::TdmKvarn& module) {
        module.DemarrerDossier();
        module.DetacherCalculsAssocies();
        module.Donnees().Composant("tblAssociesKV").Open();
    });
}

void FermerTableAssociesKV() {
    kvarn::frame::Relancer(kvarn::frame::kFermerAssocies, [](kvarn::store::TdmKvarn& module) {
        module.RattacherCalculsAssocies();
        module.Donnees().Composant("tblAssociesKV").Close();
    });
}

void OuvrirTableDeductionsReintegrationsKV() {
    kvarn::frame::Relancer(kvarn::frame::kOuvrirDeductions,
                           [](kvarn::store::TdmKvarn& module) { module.Donnees().Composant("tblDiversFisc").Open(); });
}

void FermerTableDeductionsReintegrationsKV() {
    kvarn::frame::Relancer(kvarn::frame::kFermerDeductions,
                           [](kvarn::store::TdmKvarn& module) { module.Donnees().Composant("tblDiversFisc").Close(); });
}

// The C wrappers: a C caller cannot receive the error the C++ functions raise again after showing
// it, so it stops here, already shown.
void _OuvrirTableDeductionsReintegrationsKV(void) {
    try {
        OuvrirTableDeductionsReintegrationsKV();
    } catch (const std::exception&) {
    }
}

void _FermerTableDeductionsReintegrationsKV(void) {
    try {
        FermerTableDeductionsReintegrationsKV();
    } catch (const std::exception&) {
    }
}
