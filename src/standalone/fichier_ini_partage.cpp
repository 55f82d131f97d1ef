#include "standalone/fichier_ini_partage.hpp"

#include "common/ini_values.hpp"


namespace kvarn::standalone {

FichierIniPartage::FichierIniPartage(const std::filesystem::path& chemin) : fichier_(SharedIniFile(chemin)) {}

std::string FichierIniPartage::GetString(const std::string& section, const std::string& cle,
                                         const std::string& defaut) const {
    return fichier_->Get(section, cle).value_or(defaut);
}

int FichierIniPartage::GetInteger(const std::string& section, const std::string& cle, int defaut) const {
    return ParseIniInteger(fichier_->Get(section, cle).value_or("")).value_or(defaut);
}

bool FichierIniPartage::GetBool(const std::string& section, const std::string& cle, bool defaut) const {
    return GetInteger(section, cle, defaut ? 1 : 0) != 0;
}

void FichierIniPartage::SetString(const std::string& section, const std::string& cle,
                                  const std::string& valeur) {
    fichier_->Set(section, cle, valeur);
}

void FichierIniPartage::SetInteger(const std::string& section, const std::string& cle, int valeur) {
    fichier_->Set(section, cle, FormatIniInteger(valeur));
}

void FichierIniPartage::SetBool(const std::string& section, const std::string& cle, bool valeur) {
    SetInteger(section, cle, valeur ? 1 : 0);
}

}  // namespace kvarn::standalone
