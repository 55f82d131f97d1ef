#include <kvarn/environnement.hpp>

#include "frame/exports_proteges.hpp"

#include <cstdint>

namespace {

using kvarn::environment::cEnvironBaseKV;
using kvarn::environment::kUniteEnvironnement;
using kvarn::frame::Environnement;
using kvarn::frame::Parametres;
using kvarn::frame::Proteger;

// Places of the errors these functions catch, one per function in the order of the exported
// header.
enum Place : std::uint32_t {
    kPlaceNomUtilisateur = 1, kPlaceRaisonSociale, kPlaceRepCommun, kPlaceRepExe, kPlaceRepDossier,
    kPlaceRepTmp, kPlaceNomSession, kPlaceAliasDossier, kPlaceAliasTmp, kPlaceAliasCommun,
    kPlaceFichierINI, kPlaceTraitementISAGI, kPlaceCreateFichierIni,
    kPlaceGetString, kPlaceGetInteger, kPlaceGetBool, kPlaceSetString, kPlaceSetInteger, kPlaceSetBool,
    kPlaceSupprimerCle,
    kPlaceGetAssString, kPlaceGetAssDate, kPlaceGetAssInteger, kPlaceGetAssBool, kPlaceSetAssString,
    kPlaceSetAssDate, kPlaceSetAssInteger, kPlaceSetAssBool, kPlaceSupprimerCleAss,
};

std::string Texte(Place place, std::string (cEnvironBaseKV::*lecture)() const) {
    return Proteger(kUniteEnvironnement, place, std::string(), [&] { return (Environnement().*lecture)(); });
}

}  // namespace

std::string GetNomUtilisateur() { return Texte(kPlaceNomUtilisateur, &cEnvironBaseKV::GetNomUtilisateur); }
std::string GetRaisonSociale() { return Texte(kPlaceRaisonSociale, &cEnvironBaseKV::GetRaisonSociale); }
std::string GetRepCommun() { return Texte(kPlaceRepCommun, &cEnvironBaseKV::GetRepCommun); }
std::string GetRepExe() { return Texte(kPlaceRepExe, &cEnvironBaseKV::GetRepExe); }
std::string GetRepDossier() { return Texte(kPlaceRepDossier, &cEnvironBaseKV::GetRepDossier); }
std::string GetRepTmp() { return Texte(kPlaceRepTmp, &cEnvironBaseKV::GetRepTmp); }
std::string GetNomSession() { return Texte(kPlaceNomSession, &cEnvironBaseKV::GetNomSession); }
std::string GetAliasDossier() { return Texte(kPlaceAliasDossier, &cEnvironBaseKV::GetAliasDossier); }
std::string GetAliasTmp() { return Texte(kPlaceAliasTmp, &cEnvironBaseKV::GetAliasTmp); }
std::string GetAliasCommun() { return Texte(kPlaceAliasCommun, &cEnvironBaseKV::GetAliasCommun); }
std::string GetFichierINI() { return Texte(kPlaceFichierINI, &cEnvironBaseKV::GetFichierINI); }

bool GetTraitementISAGI() {
    return Proteger(kUniteEnvironnement, kPlaceTraitementISAGI, false, [] { return Environnement().GetTraitementISAGI(); });
}

void CreateFichierIni() {
    Proteger(kUniteEnvironnement, kPlaceCreateFichierIni, [] { Environnement().CreateFichierIni(); });
}

std::string GetString(const std::string& cle) {
    return Proteger(kUniteEnvironnement, kPlaceGetString, std::string(), [&] { return Parametres().GetString(cle); });
}

int GetInteger(const std::string& cle, int defaut) {
    return Proteger(kUniteEnvironnement, kPlaceGetInteger, defaut, [&] { return Parametres().GetInteger(cle, defaut); });
}

bool GetBool(const std::string& cle) {
    return Proteger(kUniteEnvironnement, kPlaceGetBool, false, [&] { return Parametres().GetBool(cle); });
}

void SetString(const std::string& cle, const std::string& valeur) {
    Proteger(kUniteEnvironnement, kPlaceSetString, [&] { Parametres().SetString(cle, valeur); });
}

void SetInteger(const std::string& cle, int valeur) {
    Proteger(kUniteEnvironnement, kPlaceSetInteger, [&] { Parametres().SetInteger(cle, valeur); });
}

void SetBool(const std::string& cle, bool valeur) {
    Proteger(kUniteEnvironnement, kPlaceSetBool, [&] { Parametres().SetBool(cle, valeur); });
}

void SupprimerCle(const std::string& cle) {
    Proteger(kUniteEnvironnement, kPlaceSupprimerCle, [&] { Parametres().SupprimerCle(cle); });
}

std::string GetAssString(const std::string& section, const std::string& cle) {
    return Proteger(kUniteEnvironnement, kPlaceGetAssString, std::string(), [&] { return Parametres().GetAssString(section, cle); });
}

double GetAssDate(const std::string& section, const std::string& cle) {
    return Proteger(kUniteEnvironnement, kPlaceGetAssDate, 0.0, [&] { return Parametres().GetAssDate(section, cle); });
}

int GetAssInteger(const std::string& section, const std::string& cle, int defaut) {
    return Proteger(kUniteEnvironnement, kPlaceGetAssInteger, defaut, [&] { return Parametres().GetAssInteger(section, cle, defaut); });
}

bool GetAssBool(const std::string& section, const std::string& cle) {
    return Proteger(kUniteEnvironnement, kPlaceGetAssBool, false, [&] { return Parametres().GetAssBool(section, cle); });
}

void SetAssString(const std::string& section, const std::string& cle, const std::string& valeur) {
    Proteger(kUniteEnvironnement, kPlaceSetAssString, [&] { Parametres().SetAssString(section, cle, valeur); });
}

void SetAssDate(const std::string& section, const std::string& cle, double valeur) {
    Proteger(kUniteEnvironnement, kPlaceSetAssDate, [&] { Parametres().SetAssDate(section, cle, valeur); });
}

void SetAssInteger(const std::string& section, const std::string& cle, int valeur) {
    Proteger(kUniteEnvironnement, kPlaceSetAssInteger, [&] { Parametres().SetAssInteger(section, cle, valeur); });
}

void SetAssBool(const std::string& section, const std::string& cle, bool valeur) {
    Proteger(kUniteEnvironnement, kPlaceSetAssBool, [&] { Parametres().SetAssBool(section, cle, valeur); });
}

void SupprimerCleAss(const std::string& section, const std::string& cle) {
    Proteger(kUniteEnvironnement, kPlaceSupprimerCleAss, [&] { Parametres().SupprimerCleAss(section, cle); });
}

int GererFichierTrp(const std::string&, const std::string&) { return 0; }
