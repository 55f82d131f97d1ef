#include "backup/restore_report.hpp"

namespace kvarn::backup {

namespace {

std::string Quoted(const std::string& text) { return "« " + text + " »"; }

std::string Count(std::size_t count, const std::string& singular, const std::string& plural) {
    return std::to_string(count) + " " + (count > 1 ? plural : singular);
}

bool IsDamage(BR_CODE code) {
    return code == BR_ERR_BR_FILE_CORRUPTED || code == BR_ERR_EXPLODING_FILE ||
           code == BR_ERR_SRC_FILE_READ_ERROR;
}

std::string WhereItStopped(const RestoreReport& report) {
    if (!report.stoppedIn.empty()) return "au fichier " + Quoted(report.stoppedIn);
    if (!report.stoppedAfter.empty()) return "après le fichier " + Quoted(report.stoppedAfter);
    return "avant le premier fichier";
}

std::string ManifestSentence(const RestoreReport& report, bool verifying, BR_CODE code) {
    const std::string path = Quoted(report.manifestPath);
    const std::string structureOnly =
        "seule la structure de l'archive a été vérifiée : les fichiers stockés sans compression "
        "ne sont pas prouvés intacts";
    switch (report.manifest) {
        case ManifestUse::NotAsked: return {};
        case ManifestUse::Absent:
            return verifying ? "Pas de manifeste SHA-256 " + path + " : " + structureOnly : "";
        case ManifestUse::Unreadable:
            return "Le manifeste SHA-256 " + path + " est illisible" +
                   (verifying ? " : " + structureOnly : " : il n'a pas servi");
        case ManifestUse::OtherArchive:
            return "Le manifeste SHA-256 " + path + " est celui d'une autre sauvegarde" +
                   (verifying ? " : " + structureOnly : " : il n'a pas servi");
        case ManifestUse::Checked:
            return verifying && code == BR_OK
                       ? "Chaque fichier et chaque volume correspondent au manifeste SHA-256 " + path
                       : "";
    }
    return {};
}

}  // namespace

std::vector<std::string> DescribeRestore(const RestoreReport& report, BR_CODE code,
                                         bool verifying) {
    std::vector<std::string> lines;
    lines.push_back(verifying ? Count(report.restored, "fichier vérifié", "fichiers vérifiés")
                              : Count(report.restored, "fichier restauré", "fichiers restaurés"));
    if (report.keptExisting > 0)
        lines.push_back(Quoted(report.firstKept) + " existe déjà" +
                        (report.keptExisting > 1
                             ? " (et " + std::to_string(report.keptExisting - 1) + " autre(s))"
                             : "") +
                        (report.keptExisting > 1 ? " : non remplacés" : " : non remplacé"));
    if (code != BR_OK && code != BR_STOP)
        lines.push_back(std::string(IsDamage(code) ? "L'archive est endommagée "
                                                   : "L'opération s'est arrêtée ") +
                        WhereItStopped(report) + " : la suite de l'archive n'a pas été " +
                        (verifying ? "vérifiée" : "restaurée"));
    if (std::string manifest = ManifestSentence(report, verifying, code); !manifest.empty())
        lines.push_back(std::move(manifest));
    return lines;
}

}  // namespace kvarn::backup
