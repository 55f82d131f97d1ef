// The dossier's settings file as the host offers it to the module.
//
// Typed reads with a default and typed writes, by section and key. In the standalone host this is
// the same file, and the same in-memory object, as the module's own settings store, so what one
// side writes the other reads.
#pragma once

#include <string>

namespace kvarn::host {

class StaticFichierINI {
public:
    virtual ~StaticFichierINI() = default;

    virtual std::string GetString(const std::string& section, const std::string& cle,
                                  const std::string& defaut) const = 0;
    virtual int GetInteger(const std::string& section, const std::string& cle, int defaut) const = 0;
    virtual bool GetBool(const std::string& section, const std::string& cle, bool defaut) const = 0;
    virtual void SetString(const std::string& section, const std::string& cle,
                           const std::string& valeur) = 0;
    virtual void SetInteger(const std::string& section, const std::string& cle, int valeur) = 0;
    virtual void SetBool(const std::string& section, const std::string& cle, bool valeur) = 0;
};

}  // namespace kvarn::host
