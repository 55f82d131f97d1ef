#include "standalone/environnement_autonome.hpp"

#include "standalone/repertoire_temporaire.hpp"

#include <cstdlib>
#include <system_error>

#include <pwd.h>
#include <unistd.h>

namespace kvarn::standalone {
namespace {

std::filesystem::path RepertoireDuProgramme() {
    std::error_code erreur;
    const std::filesystem::path programme = std::filesystem::read_symlink("/proc/self/exe", erreur);
    return erreur ? std::filesystem::current_path() : programme.parent_path();
}

}  // namespace

std::filesystem::path RepertoireCommun() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    std::filesystem::path base;
    if (xdg && *xdg) base = xdg;
    else if (home && *home) base = std::filesystem::path(home) / ".local" / "share";
    else base = std::filesystem::temp_directory_path();
    const std::filesystem::path commun = base / "kvarn";
    std::filesystem::create_directories(commun);
    return commun;
}

EnvironnementAutonome::EnvironnementAutonome(DossierFichier& dossier) : dossier_(dossier) {}

std::string EnvironnementAutonome::GetRaisonSociale() const { return dossier_.GetRaisonSociale(); }

std::string EnvironnementAutonome::NomFichier2(std::uint32_t code) const {
    switch (code) {
        case host::kRepertoireDossier: return dossier_.Repertoire().string();
        case host::kRepertoireCommun: return RepertoireCommun().string();
        case host::kRepertoireTemporaire: return RepertoireTemporaire().string();
        case host::kRepertoireProgramme: return RepertoireDuProgramme().string();
        default: return {};
    }
}

bool EnvironnementAutonome::EstLanceParISAGI() const { return dossier_.LanceParISAGI(); }

bool EnvironnementAutonome::AssistantEstInstalle(int codeAssistant) const {
    return dossier_.AssistantInstalle(codeAssistant);
}

void EnvironnementAutonome::DuplicateTableAssistants(std::uint32_t, const std::string& suffixe, bool) {
    if (createur_) createur_(suffixe);
}

std::string EnvironnementAutonome::NomUtilisateur() const {
    if (const passwd* compte = ::getpwuid(::geteuid()); compte && compte->pw_name) return compte->pw_name;
    const char* user = std::getenv("USER");
    return user ? user : "";
}

void EnvironnementAutonome::SetTableCreator(host::TableCreator creator) { createur_ = std::move(creator); }

}  // namespace kvarn::standalone
