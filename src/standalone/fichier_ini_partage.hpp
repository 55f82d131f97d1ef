// The dossier's settings file as the standalone host offers it, over the process-wide shared INI
// object of that file, so the module's settings store and the host read each other's writes.
#pragma once

#include "common/ini_file.hpp"
#include "host/fichier_ini.hpp"

#include <filesystem>
#include <memory>

namespace kvarn::standalone {

class FichierIniPartage final : public host::StaticFichierINI {
public:
    explicit FichierIniPartage(const std::filesystem::path& chemin);

    std::string GetString(const std::string& section, const std::string& cle,
                          const std::string& defaut) const override;
    int GetInteger(const std::string& section, const std::string& cle, int defaut) const override;
    bool GetBool(const std::string& section, const std::string& cle, bool defaut) const override;
    void SetString(const std::string& section, const std::string& cle, const std::string& valeur) override;
    void SetInteger(const std::string& section, const std::string& cle, int valeur) override;
    void SetBool(const std::string& section, const std::string& cle, bool valeur) override;

private:
    std::shared_ptr<IniFile> fichier_;
};

}  // namespace kvarn::standalone
