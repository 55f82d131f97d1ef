// CGestTRPIni: the module's settings store, the file "KOLMI$$G.dat" of the dossier directory.
//
// The store holds the process-wide shared INI object of that file (the host's dossier settings go
// through the same object, so each side reads the other's writes at once), the directory it was
// opened in and a current section: "DEFAUT" when opened, "KV" once the environment has created it.
// Plain operations act on the current section; the "Ass" operations act on a named section and
// put the current one back afterwards, even when they fail. Values are typed on the way in and out:
// writing a sentinel (empty text, NULL_ENTIER, NULL_REEL, the zero date) deletes the key, so the
// reader's default comes back. Every write is a read-change-replace of the file under its lock, so
// that no other process's change is lost; a line the store cannot read (no "=") is skipped and
// written back as it stands, as Windows reads settings files.
#pragma once

#include "common/ini_document.hpp"
#include "common/ini_file.hpp"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kvarn::environment {

inline constexpr const char* kNomFichierParametres = "KOLMI$$G.dat";
inline constexpr const char* kSectionOuverture = "DEFAUT";
inline constexpr const char* kSectionKV = "KV";

class CGestTRPIni {
public:
    // Opens the store of `repertoire`; an empty directory means the dossier directory of the
    // installed host. Throws std::runtime_error (in French) when neither names a directory.
    explicit CGestTRPIni(const std::string& repertoire = {});

    const std::string& Repertoire() const { return repertoire_; }  // with its trailing separator
    std::filesystem::path Chemin() const;
    const std::string& Section() const { return section_; }
    void SetSection(std::string section) { section_ = std::move(section); }

    // In the current section.
    std::string GetString(std::string_view cle, std::string_view defaut = {}) const;
    int GetInteger(std::string_view cle, int defaut) const;
    bool GetBool(std::string_view cle, bool defaut = false) const;
    double GetReal(std::string_view cle, double defaut) const;
    double GetDate(std::string_view cle, double defaut = 0) const;
    void SetString(std::string_view cle, std::string_view valeur);
    void SetInteger(std::string_view cle, int valeur);
    void SetBool(std::string_view cle, bool valeur);
    void SetReal(std::string_view cle, double valeur);
    void SetDate(std::string_view cle, double valeur);
    void SupprimerCle(std::string_view cle);

    // In a named section; the current section is the same afterwards.
    std::string GetAssString(std::string_view section, std::string_view cle);
    double GetAssDate(std::string_view section, std::string_view cle, double defaut = 0);
    int GetAssInteger(std::string_view section, std::string_view cle, int defaut);
    bool GetAssBool(std::string_view section, std::string_view cle, bool defaut = false);
    void SetAssString(std::string_view section, std::string_view cle, std::string_view valeur);
    void SetAssDate(std::string_view section, std::string_view cle, double valeur);
    void SetAssInteger(std::string_view section, std::string_view cle, int valeur);
    void SetAssBool(std::string_view section, std::string_view cle, bool valeur);
    void SupprimerCleAss(std::string_view section, std::string_view cle);

    // Deferring the shared object of the file: the host's dossier settings, on the same object,
    // defer with it (ini_file.hpp). OctetsDifferes gives the bytes the file is to hold.
    void Differer() { fichier_->BeginDeferred(); }
    std::string OctetsDifferes() const { return fichier_->FutureBytes(); }
    void CesserDeDifferer() { fichier_->EndDeferred(); }

    // Every section with its keys and values as stored, for listing (command line, checks).
    std::vector<std::pair<std::string, std::vector<IniDocument::Entry>>> Contenu() const;

private:
    std::optional<std::string> Lire(std::string_view cle) const;
    template <class Operation>
    auto DansSection(std::string_view section, Operation&& operation);

    std::shared_ptr<IniFile> fichier_;
    std::string repertoire_;
    std::string section_;
};

}  // namespace kvarn::environment
