#include "export/participations.hpp"

#include "common/fixed_field.hpp"
#include "common/text.hpp"
#include "host/btrv_file.hpp"
#include "host/environnement.hpp"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace kvarn::exportisa {
namespace {

using Largeurs = LargeursParticipation;

// A text field: its member, its offset in the record, its width in characters (its bytes less
// the terminator), and the name a refusal gives it.
struct ChampTexte {
    std::string ParticipationFiliale::*membre;
    std::size_t offset;
    std::size_t largeur;
    const char* nom;
};

constexpr std::size_t kOffsetForme = 0, kOffsetPays = 2, kOffsetPourcentage = 4;

constexpr ChampTexte kTextes[] = {
    {&ParticipationFiliale::siren, 12, Largeurs::siren, "Le SIREN"},
    {&ParticipationFiliale::denomination, 22, Largeurs::denomination, "La dénomination"},
    {&ParticipationFiliale::numeroVoie, 83, Largeurs::numeroVoie, "Le numéro de voie"},
    {&ParticipationFiliale::voie, 94, Largeurs::voie, "La voie"},
    {&ParticipationFiliale::cp, 135, Largeurs::cp, "Le code postal"},
    {&ParticipationFiliale::ville, 146, Largeurs::ville, "La ville"},
};
static_assert(146 + Largeurs::ville + 1 == kLongueurParticipation);

void EcrireU16(char* octets, int valeur) {
    octets[0] = static_cast<char>(valeur & 0xFF);
    octets[1] = static_cast<char>((valeur >> 8) & 0xFF);
}

int LireU16(const char* octets) {
    return static_cast<unsigned char>(octets[0]) | static_cast<unsigned char>(octets[1]) << 8;
}

// The percentage as IEEE 754 binary64, little-endian whatever the machine.
void EcrireReel(char* octets, double valeur) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &valeur, sizeof bits);
    for (int i = 0; i < 8; ++i) octets[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

double LireReel(const char* octets) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = bits << 8 | static_cast<unsigned char>(octets[i]);
    double valeur = 0;
    std::memcpy(&valeur, &bits, sizeof valeur);
    return valeur;
}

bool PourcentageValide(double pourcentage) { return pourcentage >= 0 && pourcentage <= 100; }  // NaN fails both

}  // namespace

std::string RefusParticipation(const ParticipationFiliale& p) {
    for (const ChampTexte& champ : kTextes)
        if (CharacterCount(p.*champ.membre) > champ.largeur)
            return std::string(champ.nom) + " dépasse " + std::to_string(champ.largeur) + " caractères";
    if (!PourcentageValide(p.pourcentage)) return "Le pourcentage détenu doit être compris entre 0 et 100";
    if (p.formeJuridique < 0 || p.formeJuridique > 0xFFFF || p.pays < 0 || p.pays > 0xFFFF)
        return "Code de forme juridique ou de pays hors limites";
    return {};
}

std::string EncoderParticipation(const ParticipationFiliale& p) {
    std::string octets(kLongueurParticipation, '\0');
    EcrireU16(&octets[kOffsetForme], p.formeJuridique);
    EcrireU16(&octets[kOffsetPays], p.pays);
    EcrireReel(&octets[kOffsetPourcentage], p.pourcentage);
    for (const ChampTexte& champ : kTextes)
        WriteCStringField(&octets[champ.offset], champ.largeur + 1, p.*champ.membre, CodePage::Ansi);
    return octets;
}

ParticipationFiliale DecoderParticipation(const std::string& octets) {
    const auto refuser = [](const std::string& raison) -> void { throw host::FichierEnregistrementsEndommage(raison); };
    if (octets.size() != kLongueurParticipation) refuser("longueur");
    ParticipationFiliale p;
    p.formeJuridique = LireU16(&octets[kOffsetForme]);
    p.pays = LireU16(&octets[kOffsetPays]);
    if (p.pays == 0) p.pays = PAYS_FRANCE;
    p.pourcentage = LireReel(&octets[kOffsetPourcentage]);
    if (!PourcentageValide(p.pourcentage)) refuser("pourcentage hors de 0 à 100");
    for (const ChampTexte& champ : kTextes) {
        if (octets[champ.offset + champ.largeur] != '\0') refuser(std::string(champ.nom) + " sans fin");
        p.*champ.membre = ReadField(&octets[champ.offset], champ.largeur + 1, CodePage::Ansi);
    }
    return p;
}

std::string CheminParticipations(const std::string& repertoireDossier) {
    return repertoireDossier + "/" + kFichierParticipations;
}

std::string CheminParticipationsDossier() {
    return CheminParticipations(host::pEnvironnement->NomFichier2(host::kRepertoireDossier));
}

std::vector<ParticipationFiliale> LireParticipations(const std::string& chemin) {
    std::vector<ParticipationFiliale> participations;
    for (const std::string& octets : host::CBtrvFile(chemin, kLongueurParticipation).LireTout()) {
        try {
            participations.push_back(DecoderParticipation(octets));
        } catch (const host::FichierEnregistrementsEndommage& erreur) {
            throw host::FichierEnregistrementsEndommage("Le fichier " + chemin + " est endommagé (participation " +
                                                        std::to_string(participations.size() + 1) + " : " +
                                                        erreur.what() + ")");
        }
    }
    return participations;
}

void EcrireParticipations(const std::string& chemin, const std::vector<ParticipationFiliale>& participations) {
    std::vector<std::string> enregistrements;
    for (const ParticipationFiliale& p : participations) enregistrements.push_back(EncoderParticipation(p));
    host::CBtrvFile(chemin, kLongueurParticipation).EcrireTout(enregistrements);
}

}  // namespace kvarn::exportisa
