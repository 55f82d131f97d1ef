#include "identification/verifications.hpp"

#include "common/text.hpp"

#include <algorithm>
#include <cstdint>

namespace kvarn::identification {
namespace {

constexpr std::string_view kSirenLaPoste = "356000000";
constexpr std::string_view kSiegeLaPoste = "35600000000048";
constexpr std::string_view kAlphabetCle = "0123456789ABCDEFGHJKLMNPQRSTUVWXYZ";

Verdict Valide() { return {true, {}}; }
Verdict Refuse(std::string raison) { return {false, std::move(raison)}; }

bool QueDesChiffres(std::string_view texte) {
    return std::all_of(texte.begin(), texte.end(), [](char c) { return c >= '0' && c <= '9'; });
}


bool Luhn(std::string_view chiffres) {
    int somme = 0;
    bool doubler = false;
    for (auto c = chiffres.rbegin(); c != chiffres.rend(); ++c) {
        int chiffre = *c - '0';
        if (doubler && (chiffre *= 2) > 9) chiffre -= 9;
        somme += chiffre;
        doubler = !doubler;
    }
    return somme % 10 == 0;
}

int SommeDesChiffres(std::string_view chiffres) {
    int somme = 0;
    for (char c : chiffres) somme += c - '0';
    return somme;
}

std::uint64_t Nombre(std::string_view chiffres) {
    std::uint64_t n = 0;
    for (char c : chiffres) n = n * 10 + static_cast<std::uint64_t>(c - '0');
    return n;
}

bool CleTVAValide(std::string_view cle, std::uint64_t siren) {
    const auto v0 = kAlphabetCle.find(cle[0]);
    const auto v1 = kAlphabetCle.find(cle[1]);
    if (v0 == std::string_view::npos || v1 == std::string_view::npos) return false;
    if (v0 < 10 && v1 < 10) return v0 * 10 + v1 == (12 + 3 * (siren % 97)) % 97;
    const std::uint64_t c = v0 < 10 ? 24 * v0 + v1 - 10 : 34 * v0 + v1 - 100;
    return (siren + 1 + c / 11) % 11 == c % 11;
}

}  // namespace

Verdict VerifierChiffres(std::string_view numero, std::size_t longueur, std::string_view nom) {
    if (numero.size() != longueur || CharacterCount(numero) != longueur)
        return Refuse(std::string(nom) + " doit comporter " + std::to_string(longueur) + " chiffres (" +
                      std::to_string(CharacterCount(numero)) + " saisis)");
    if (!QueDesChiffres(numero)) return Refuse(std::string(nom) + " ne doit comporter que des chiffres");
    return Valide();
}

Verdict VerifierSIREN(std::string_view siren) {
    if (Verdict forme = VerifierChiffres(siren, 9, "Le SIREN"); !forme) return forme;
    if (!Luhn(siren)) return Refuse("La clé du SIREN " + std::string(siren) + " est incorrecte");
    return Valide();
}

Verdict VerifierSIRET(std::string_view siret) {
    if (Verdict forme = VerifierChiffres(siret, 14, "Le SIRET"); !forme) return forme;
    if (siret.substr(0, 9) == kSirenLaPoste && siret != kSiegeLaPoste) {
        if (SommeDesChiffres(siret) % 5 == 0) return Valide();
        return Refuse("Le SIRET " + std::string(siret) + " n'est pas celui d'un établissement de La Poste");
    }
    if (const Verdict siren = VerifierSIREN(siret.substr(0, 9)); !siren) return siren;
    if (!Luhn(siret)) return Refuse("La clé du SIRET " + std::string(siret) + " est incorrecte");
    return Valide();
}

Verdict VerifierSaisieSIRET(std::string_view saisie) {
    if (saisie.empty()) return Valide();
    if (saisie.size() == 9 && QueDesChiffres(saisie)) return VerifierSIREN(saisie);
    return VerifierSIRET(saisie);
}

Verdict VerifierTVAIntracommunautaire(std::string_view numero) {
    if (numero.size() != 13 || CharacterCount(numero) != 13)
        return Refuse("Le numéro de TVA intracommunautaire doit comporter 13 caractères (FR, la clé et le SIREN)");
    if (numero.substr(0, 2) != "FR") return Refuse("Le numéro de TVA intracommunautaire français commence par FR");
    const std::string_view siren = numero.substr(4);
    if (!QueDesChiffres(siren)) return Refuse("Le SIREN du numéro de TVA ne doit comporter que des chiffres");
    // Monaco's companies have numbers beginning "000" and no SIREN key.
    if (!siren.starts_with("000"))
        if (const Verdict v = VerifierSIREN(siren); !v) return v;
    if (!CleTVAValide(numero.substr(2, 2), Nombre(siren)))
        return Refuse("La clé " + std::string(numero.substr(2, 2)) + " du numéro de TVA ne correspond pas au SIREN " +
                      std::string(siren));
    return Valide();
}

Verdict VerifierNumeroFiscal(std::string_view numero) {
    if (Verdict forme = VerifierChiffres(numero, 13, "Le numéro fiscal"); !forme) return forme;
    if (numero[0] > '3') return Refuse("Le numéro fiscal commence par 0, 1, 2 ou 3");
    if (Nombre(numero.substr(0, 10)) % 511 != Nombre(numero.substr(10)))
        return Refuse("La clé du numéro fiscal " + std::string(numero) + " est incorrecte");
    return Valide();
}

Verdict VerifierCodePostal(std::string_view codePostal) {
    return VerifierChiffres(codePostal, 5, "Le code postal");
}

}  // namespace kvarn::identification
