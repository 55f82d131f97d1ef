#include "backup/br_codes.hpp"

#include <array>

namespace kvarn::backup {

namespace {

const std::array<std::string, kCodeCount>& Messages() {
    static const std::array<std::string, kCodeCount> messages{
        "Opération réussie avec succès",
        "Action en cours",
        "Action arrêtée",
        "Processus abandonné",
        "Mémoire insuffisante",
        "Répertoire Backup/Restore non trouvé",
        "Aucun fichier à sauvegarder",
        "Erreur d'accès au fichier temporaire",
        "Erreur durant la compression",
        "Erreur durant la décompression",
        "Erreur d'écriture du fichier destination",
        "Erreur de lecture du fichier source",
        "Fichier détruit durant la sauvegarde",
        "Fichier de sauvegarde corrompu",
        "Lecteur invalide",
        "Disque plein ou protégé en écriture",
        "Disque plein",
    };
    return messages;
}

}  // namespace

const std::string& MessageOf(BR_CODE code) {
    static const std::string none;
    const int index = static_cast<int>(code);
    return index >= 0 && index < kCodeCount ? Messages()[static_cast<std::size_t>(index)] : none;
}

BR_CODE CodeOf(std::string_view message) {
    const auto& messages = Messages();
    for (std::size_t i = 0; i < messages.size(); ++i)
        if (messages[i] == message) return static_cast<BR_CODE>(i);
    return BR_OK;
}

}  // namespace kvarn::backup
