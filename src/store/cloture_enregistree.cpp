#include "store/cloture_enregistree.hpp"

#include "common/atomic_file.hpp"
#include "common/dates.hpp"
#include "common/ini_document.hpp"

#include <charconv>
#include <cstdio>
#include <utility>

namespace kvarn::store {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSection = "Cloture";

fs::path Dossier(const fs::path& repertoire) { return repertoire / kRepertoireCloture; }

std::string Hexa(std::uint64_t nombre) {
    char texte[17];
    std::snprintf(texte, sizeof texte, "%016llx", static_cast<unsigned long long>(nombre));
    return texte;
}

template <class Nombre>
std::optional<Nombre> Lire(const std::optional<std::string>& texte, int base) {
    Nombre nombre{};
    if (!texte || texte->empty()) return std::nullopt;
    const auto [fin, erreur] = std::from_chars(texte->data(), texte->data() + texte->size(), nombre, base);
    if (erreur != std::errc() || fin != texte->data() + texte->size()) return std::nullopt;
    return nombre;
}

// Only a plain name of ".cloture/" may be named: never a path that leads elsewhere.
bool NomSimple(const std::string& nom) {
    return !nom.empty() && nom.find('/') == std::string::npos && nom != "." && nom != "..";
}

ArchivageCloture& Inscrit() {
    static ArchivageCloture archivage;
    return archivage;
}

}  // namespace

void InscrireArchivageCloture(ArchivageCloture archivage) { Inscrit() = std::move(archivage); }

const ArchivageCloture& Archivage() {
    if (!Inscrit().sauvegarder || !Inscrit().restaurer)
        throw std::logic_error("L'archivage de la clôture n'est pas inscrit");
    return Inscrit();
}

std::string ImageCloture(const ClotureEnregistree& cloture) {
    IniDocument document;
    document.Set(kSection, "Debut", FormatDate(cloture.debut));
    document.Set(kSection, "Fin", FormatDate(cloture.fin));
    document.Set(kSection, "Moment", std::to_string(static_cast<long long>(cloture.moment)));
    document.Set(kSection, "Archive", cloture.archive);
    document.Set(kSection, "Empreinte", Hexa(cloture.empreinte));
    return document.Serialize("\n");
}

std::optional<ClotureEnregistree> LireCloture(const fs::path& repertoire) {
    const fs::path fichier = repertoire / kFichierCloture;
    std::error_code erreur;
    if (!fs::exists(fichier, erreur)) return std::nullopt;
    try {
        const IniDocument document = IniDocument::Parse(ReadWholeFile(fichier), fichier.string());
        const auto debut = ParseDate(document.Get(kSection, "Debut").value_or(""));
        const auto fin = ParseDate(document.Get(kSection, "Fin").value_or(""));
        const auto moment = Lire<long long>(document.Get(kSection, "Moment"), 10);
        const auto empreinte = Lire<std::uint64_t>(document.Get(kSection, "Empreinte"), 16);
        const std::string archive = document.Get(kSection, "Archive").value_or("");
        if (debut && fin && moment && empreinte && NomSimple(archive))
            return ClotureEnregistree{*debut, *fin, static_cast<std::time_t>(*moment), archive, *empreinte};
    } catch (const std::exception&) {
    }
    throw ClotureIllisible("Le fichier " + fichier.string() + " est illisible");
}

std::string NomArchiveLibre(const fs::path& repertoire, std::time_t moment) {
    std::tm local{};
    localtime_r(&moment, &local);
    char base[32];
    std::strftime(base, sizeof base, "CLOTURE-%Y%m%d-%H%M%S", &local);
    // Two closings in one second: the second takes a number, so that it never writes over the
    // archive a committed record names.
    for (int numero = 1;; ++numero) {
        const std::string nom = std::string(base) + (numero == 1 ? "" : "-" + std::to_string(numero)) + ".BR";
        std::error_code erreur;
        if (!fs::exists(Dossier(repertoire) / nom, erreur)) return nom;
    }
}

void NettoyerArchivesCloture(const fs::path& repertoire) {
    std::optional<ClotureEnregistree> cloture;
    try {
        cloture = LireCloture(repertoire);
    } catch (const ClotureIllisible&) {
        return;
    }
    // The volume and its manifest share the name before the extension.
    const std::string garde = cloture ? fs::path(cloture->archive).stem().string() : std::string();
    std::error_code erreur;
    for (const fs::directory_entry& entree : fs::directory_iterator(Dossier(repertoire), erreur)) {
        const fs::path nom = entree.path().filename();
        if (nom == fs::path(kFichierCloture).filename() || (!garde.empty() && nom.stem() == garde)) continue;
        fs::remove_all(entree.path(), erreur);
    }
}

}  // namespace kvarn::store
