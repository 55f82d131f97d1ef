#include "identification/screens/sources_associes.hpp"

#include "common/fixed_field.hpp"
#include "common/text.hpp"

#include <kvarn/liste_associes.hpp>

#include <cstddef>
#include <functional>
#include <list>
#include <span>
#include <stdexcept>

namespace kvarn::identification {
namespace {

class DirigeantsAssocies final : public DirigeantsDossier {
public:
    bool Gerant(INTERVENANT_KV& gerant) const override { return GetGerant(&gerant); }
    // The returns name one co-manager beside the manager: the first of the table's.
    bool Cogerant(INTERVENANT_KV& cogerant) const override {
        std::list<INTERVENANT_KV> cogerants;
        if (!GetCogerant(cogerants)) return false;
        cogerant = cogerants.front();
        return true;
    }
};

// One member of an address: in the screens' record, in the associate, in the C record.
struct Membre {
    std::string host::TAdresseFormatTDFC::*adresse;
    std::string Associe::*associe;
    std::size_t position;
    std::size_t taille;
};
#define KV_MEMBRE(adresse, membre)                                                           \
    Membre {                                                                                 \
        &host::TAdresseFormatTDFC::adresse, &Associe::membre, offsetof(ASSOCIE_C, membre), \
            sizeof ASSOCIE_C::membre                                                         \
    }

const Membre kAdresse1erJanvier[] = {
    KV_MEMBRE(Complement1, Adr1JanComplement1), KV_MEMBRE(Complement2, Adr1JanComplement2),
    KV_MEMBRE(NoVoie, Adr1JanNoVoie),           KV_MEMBRE(IndiceRepetition, Adr1JanCmplNoVoie),
    KV_MEMBRE(NomVoie, Adr1JanNomVoie),         KV_MEMBRE(BP, Adr1JanBP),
    KV_MEMBRE(CP, Adr1JanCP),                   KV_MEMBRE(Ville, Adr1JanVille),
    KV_MEMBRE(Telephone, Adr1JanTel),           KV_MEMBRE(BureauDistributeur, Adr1JanBureauDistrib),
};
// The table keeps no telephone and no country for an associate's manager.
const Membre kAdresseGerant[] = {
    KV_MEMBRE(Complement1, AdrGerantComplement1), KV_MEMBRE(Complement2, AdrGerantComplement2),
    KV_MEMBRE(NoVoie, AdrGerantNoVoie),           KV_MEMBRE(IndiceRepetition, AdrGerantCpltNoVoie),
    KV_MEMBRE(NomVoie, AdrGerantNomVoie),         KV_MEMBRE(BP, AdrGerantBP),
    KV_MEMBRE(CP, AdrGerantCP),                   KV_MEMBRE(Ville, AdrGerantVille),
};
#undef KV_MEMBRE

std::string Disparu(int id) { return "L'associé n° " + std::to_string(id) + " n'existe plus dans le dossier."; }

Associe Lire(int id) {
    const Associe* associe = DonnerAssocie(id);
    if (!associe) throw std::runtime_error(Disparu(id));
    return *associe;
}

host::TAdresseFormatTDFC LireAdresse(const Associe& associe, std::span<const Membre> membres) {
    host::TAdresseFormatTDFC adresse;
    for (const Membre& m : membres) adresse.*m.adresse = associe.*m.associe;
    return adresse;
}

// A text the record's code page lacks a character of would be written with "?" in its place:
// refused, and the record is then not written at all. The screens' fields keep no more
// characters than the record does.
void EcrireTexte(char* champ, std::size_t taille, const std::string& texte) {
    if (WriteCStringField(champ, taille, texte, CodePage::Ansi) != 0)
        throw std::invalid_argument("« " + texte +
                                    " » contient un caractère que la fiche de l'associé ne peut pas garder.");
}

void EcrireAdresse(ASSOCIE_C& enregistrement, const host::TAdresseFormatTDFC& adresse,
                   std::span<const Membre> membres) {
    for (const Membre& m : membres)
        EcrireTexte(reinterpret_cast<char*>(&enregistrement) + m.position, m.taille, adresse.*m.adresse);
}

// The associate's record as the C interface gives it, changed by `changer`, written back to its
// row; the members the record does not change keep what the row holds.
void Modifier(int id, const std::function<void(ASSOCIE_C&)>& changer) {
    ASSOCIE_C enregistrement;
    std::int32_t suivant = 0;
    if (!KVDonnerAssocie_C(id, &enregistrement, &suivant)) throw std::runtime_error(Disparu(id));
    changer(enregistrement);
    if (!KVMAJAssocie_C(&enregistrement))
        throw std::runtime_error("La fiche de l'associé n° " + std::to_string(id) +
                                 " n'a pas pu être enregistrée.");
}

class GerantDeLAssocieKV final : public GerantAssocie {
public:
    explicit GerantDeLAssocieKV(int id) : id_(id) {}

    DirigeantAssocie Lire() const override {
        const Associe associe = identification::Lire(id_);
        return {associe.NomIntervGerant, associe.PrenomIntervGerant, LireAdresse(associe, kAdresseGerant)};
    }

    void Ecrire(const DirigeantAssocie& gerant) override {
        Modifier(id_, [&](ASSOCIE_C& r) {
            EcrireTexte(r.NomIntervGerant, sizeof r.NomIntervGerant, gerant.nom);
            EcrireTexte(r.PrenomIntervGerant, sizeof r.PrenomIntervGerant, gerant.prenom);
            EcrireAdresse(r, gerant.adresse, kAdresseGerant);
        });
    }

private:
    int id_;
};

class Adresse1erJanvierKV final : public Adresse1erJanvier {
public:
    explicit Adresse1erJanvierKV(int id) : id_(id) {}

    host::TAdresseFormatTDFC Lire() const override {
        const Associe associe = identification::Lire(id_);
        host::TAdresseFormatTDFC adresse = LireAdresse(associe, kAdresse1erJanvier);
        adresse.IDPays = associe.Adr1JanIDPays;
        return adresse;
    }

    void Ecrire(const host::TAdresseFormatTDFC& adresse) override {
        Modifier(id_, [&](ASSOCIE_C& r) {
            EcrireAdresse(r, adresse, kAdresse1erJanvier);
            r.Adr1JanIDPays = static_cast<std::int16_t>(adresse.IDPays);
        });
    }

private:
    int id_;
};

}  // namespace

const DirigeantsDossier& DirigeantsDesAssocies() {
    static const DirigeantsAssocies dirigeants;
    return dirigeants;
}

std::optional<Associe> AssocieCourant() {
    const OrdreAssocies* ordre = DonnerOrdreAssocies(false);
    if (!ordre || ordre->empty()) return std::nullopt;
    const Associe* associe = DonnerAssocie(ordre->front());
    return associe ? std::optional<Associe>(*associe) : std::nullopt;
}

std::string NomAssocie(const Associe& associe) { return Trim(associe.Nom + " " + associe.Prenoms); }

frame::Field ChampAssocie(const std::optional<Associe>& associe, bool montre) {
    const std::string nom = associe ? NomAssocie(*associe) : "Aucun associé dans le dossier";
    return {.name = kChampAssocie, .label = "Associé", .value = montre ? nom : "", .visible = montre, .readOnly = true};
}

std::unique_ptr<GerantAssocie> GerantDeLAssocie(int id) { return std::make_unique<GerantDeLAssocieKV>(id); }

std::unique_ptr<Adresse1erJanvier> Adresse1erJanvierDeLAssocie(int id) {
    return std::make_unique<Adresse1erJanvierKV>(id);
}

}  // namespace kvarn::identification
