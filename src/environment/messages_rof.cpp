#include "environment/messages_rof.hpp"

namespace kvarn::environment {
namespace {

std::string Joindre(const std::vector<std::string>& noms) {
    std::string texte;
    for (const std::string& nom : noms) texte += (texte.empty() ? "" : ", ") + nom;
    return texte;
}

// "La ROF ... <nom><singulier>" or "Les ROF ... <noms><pluriel>".
std::string Accorder(const std::vector<std::string>& noms, const char* singulier, const char* pluriel) {
    const bool plusieurs = noms.size() > 1;
    return std::string(plusieurs ? "Les" : "La") + " ROF (Référence Obligation Fiscale) " + Joindre(noms) +
           (plusieurs ? pluriel : singulier);
}

}  // namespace

std::string MessageROFNonRenseignees(const std::vector<std::string>& noms) {
    return Accorder(noms, " du dossier n'est pas renseignée", " du dossier ne sont pas renseignées") +
           ".\nVeuillez la renseigner.";
}

std::string MessageROFDifferentes(const std::vector<std::string>& noms) {
    return Accorder(noms, " saisie est différente de celle affichée", " saisies sont différentes de celles affichées") +
           " dans les comptes rendus ARS.\nVoulez-vous modifier votre saisie ?";
}

}  // namespace kvarn::environment
