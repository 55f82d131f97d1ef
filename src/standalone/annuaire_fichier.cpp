#include "standalone/annuaire_fichier.hpp"

#include "common/fixed_field.hpp"
#include "common/ini_values.hpp"
#include "common/text.hpp"
#include "standalone/environnement_autonome.hpp"

#include <array>
#include <cstddef>
#include <cstring>
#include <iostream>
#include <stdexcept>

#include <unistd.h>

namespace kvarn::standalone {
namespace {

constexpr const char* kPrefixeSection = "Intervenant ";
constexpr int kIdMaximum = 65535;

struct ChampTexte {
    const char* cle;
    std::string Intervenant::*membre;
    std::size_t offset;  // in INTERVENANT_KV
    std::size_t taille;
};

#define KVARN_CHAMP(cle, membre, champ) \
    ChampTexte { cle, &Intervenant::membre, offsetof(INTERVENANT_KV, champ), sizeof(INTERVENANT_KV::champ) }

const std::array kChampsTexte{
    KVARN_CHAMP("Nom", Nom, Nom),
    KVARN_CHAMP("Siret", Siret, Siret),
    KVARN_CHAMP("Observations", Observations, Observations),
    KVARN_CHAMP("AdrComplmt1", AdrComplmt1, AdrComplmt1),
    KVARN_CHAMP("AdrComplmt2", AdrComplmt2, AdrComplmt2),
    KVARN_CHAMP("AdrNoVoie", AdrNoVoie, AdrNoVoie),
    KVARN_CHAMP("AdrCmplNoVoie", AdrCmplNoVoie, AdrCmplNoVoie),
    KVARN_CHAMP("AdrNomVoie", AdrNomVoie, AdrNomVoie),
    KVARN_CHAMP("AdrBP", AdrBP, AdrBP),
    KVARN_CHAMP("AdrCP", AdrCP, AdrCP),
    KVARN_CHAMP("AdrVille", AdrVille, AdrVille),
    KVARN_CHAMP("AdrTel", AdrTel, AdrTel),
    KVARN_CHAMP("AdrFax", AdrFax, AdrFax),
    KVARN_CHAMP("NoAgrement", NoAgrement, NoAgrement),
    KVARN_CHAMP("Email", Email, Email),
    KVARN_CHAMP("Contact", Contact, Contact),
};

#undef KVARN_CHAMP

struct ChampEntier {
    const char* cle;
    int Intervenant::*membre;
};

const std::array kChampsEntier{ChampEntier{"Type", &Intervenant::Type},
                               ChampEntier{"Pays", &Intervenant::AdrIDPays},
                               ChampEntier{"ModeAffectation", &Intervenant::ModeAffectation}};

struct ChampBooleen {
    const char* cle;
    bool Intervenant::*membre;
};

const std::array kChampsBooleen{ChampBooleen{"PersonneMorale", &Intervenant::EstPersonneMorale},
                                ChampBooleen{"ParDefaut", &Intervenant::ParDefaut}};

struct NomType {
    int type;
    const char* nom;
};

constexpr std::array kNomsTypes{NomType{host::kComptable, "comptable"}, NomType{host::kConseil, "conseil"},
                                NomType{host::kCGA, "CGA"},             NomType{host::kAGA, "AGA"},
                                NomType{host::kCabinet, "cabinet"},     NomType{host::kSIE, "SIE"},
                                NomType{host::kCGI, "CGI"},             NomType{host::kAdministrateur, "administrateur"}};

std::optional<int> IdDeSection(const std::string& section) {
    if (!EqualsIgnoringCase(section.substr(0, std::strlen(kPrefixeSection)), kPrefixeSection)) return std::nullopt;
    const auto id = ParseIniInteger(section.substr(std::strlen(kPrefixeSection)));
    if (!id || *id < 1 || *id > kIdMaximum) return std::nullopt;
    return id;
}

void Valider(const IniDocument& document, const std::string& source) {
    for (const std::string& section : document.Sections()) {
        if (!IdDeSection(section)) continue;
        for (const ChampEntier& champ : kChampsEntier)
            if (const auto texte = document.Get(section, champ.cle); texte && !ParseIniInteger(*texte))
                throw IniSyntaxError(source, document.LineOf(section, champ.cle),
                                     std::string(champ.cle) + " : nombre entier attendu");
    }
}

Intervenant Lu(const IniDocument& document, const std::string& section, int id) {
    Intervenant i;
    i.Id = id;
    for (const ChampTexte& champ : kChampsTexte) i.*champ.membre = document.Get(section, champ.cle).value_or("");
    for (const ChampEntier& champ : kChampsEntier)
        if (const auto texte = document.Get(section, champ.cle)) i.*champ.membre = *ParseIniInteger(*texte);
    for (const ChampBooleen& champ : kChampsBooleen)
        if (const auto texte = document.Get(section, champ.cle)) i.*champ.membre = ParseIniInteger(*texte).value_or(0) != 0;
    return i;
}

}  // namespace

std::string NomTypeIntervenant(int type) {
    for (const NomType& n : kNomsTypes)
        if (n.type == type) return n.nom;
    return std::to_string(type);
}

std::optional<int> TypeIntervenantDeNom(const std::string& nom) {
    for (const NomType& n : kNomsTypes)
        if (EqualsIgnoringCase(nom, n.nom)) return n.type;
    const auto numero = ParseIniInteger(nom);
    if (numero && host::EstTypeIntervenant(*numero)) return numero;
    return std::nullopt;
}

int ChoixConsole::Choisir(int type, const std::vector<Intervenant>& candidats) {
    if (candidats.empty()) {
        std::cerr << "Aucun intervenant de type " << NomTypeIntervenant(type) << " dans l'annuaire.\n";
        return 0;
    }
    if (!::isatty(STDIN_FILENO)) return 0;
    std::cerr << "Intervenants de type " << NomTypeIntervenant(type) << " :\n";
    for (std::size_t n = 0; n < candidats.size(); ++n)
        std::cerr << "  " << n + 1 << ". " << candidats[n].Nom << " (" << candidats[n].AdrVille << ")\n";
    std::cerr << "Numéro choisi (0 ou vide pour aucun) : ";
    std::string reponse;
    if (!std::getline(std::cin, reponse)) return 0;
    const auto numero = ParseIniInteger(reponse);
    if (!numero || *numero < 1 || *numero > static_cast<long long>(candidats.size())) return 0;
    return candidats[static_cast<std::size_t>(*numero - 1)].Id;
}

AnnuaireFichier::AnnuaireFichier(std::filesystem::path chemin, DossierFichier* dossier, ChoixIntervenant& choix)
    : fichier_(std::move(chemin), kUtf8Ini, Valider), dossier_(dossier), choix_(choix) {}

std::filesystem::path AnnuaireFichier::CheminParDefaut() { return RepertoireCommun() / "intervenants.ini"; }

int AnnuaireFichier::Ajouter(Intervenant intervenant) {
    if (!host::EstTypeIntervenant(intervenant.Type))
        throw std::runtime_error("Type d'intervenant inconnu : " + std::to_string(intervenant.Type));
    if (Trim(intervenant.Nom).empty()) throw std::runtime_error("Le nom de l'intervenant est obligatoire");
    // The last identifier is read under the file's lock, so that two processes adding a party at
    // once give them different numbers.
    fichier_.Update([&](IniEdit& edition) {
        const int dernier =
            ParseIniInteger(edition.Document().Get("Annuaire", "DernierId").value_or("0")).value_or(0);
        if (dernier >= kIdMaximum) throw std::runtime_error("L'annuaire des intervenants est plein");
        intervenant.Id = dernier + 1;
        const std::string section = kPrefixeSection + std::to_string(intervenant.Id);
        edition.Set("Annuaire", "DernierId", std::to_string(intervenant.Id));
        for (const ChampTexte& champ : kChampsTexte)
            if (!(intervenant.*champ.membre).empty()) edition.Set(section, champ.cle, intervenant.*champ.membre);
        for (const ChampEntier& champ : kChampsEntier)
            edition.Set(section, champ.cle, std::to_string(intervenant.*champ.membre));
        for (const ChampBooleen& champ : kChampsBooleen)
            edition.Set(section, champ.cle, intervenant.*champ.membre ? "1" : "0");
    });
    return intervenant.Id;
}

std::vector<Intervenant> AnnuaireFichier::Lister(std::optional<int> type) {
    std::vector<Intervenant> liste;
    const IniDocument& document = fichier_.Document();
    for (const std::string& section : document.Sections())
        if (const auto id = IdDeSection(section)) {
            Intervenant i = Lu(document, section, *id);
            if (!type || i.Type == *type) liste.push_back(std::move(i));
        }
    return liste;
}

std::optional<Intervenant> AnnuaireFichier::Trouver(int id) {
    const IniDocument& document = fichier_.Document();
    const std::string section = kPrefixeSection + std::to_string(id);
    if (document.Entries(section).empty()) return std::nullopt;
    return Lu(document, section, id);
}

host::FicheIntervenant AnnuaireFichier::Fiche(const Intervenant& i) {
    host::FicheIntervenant fiche;
    std::memset(&fiche, 0, sizeof fiche);
    auto* octets = reinterpret_cast<char*>(&fiche.Donnees);
    fiche.Donnees.Id = static_cast<std::uint16_t>(i.Id);
    fiche.Donnees.EstPersonneMorale = i.EstPersonneMorale ? 1 : 0;
    fiche.Donnees.AdrIDPays = static_cast<std::uint16_t>(i.AdrIDPays);
    for (const ChampTexte& champ : kChampsTexte)
        WriteCStringField(octets + champ.offset, champ.taille, i.*champ.membre, CodePage::Oem);
    fiche.ModeAffectation = static_cast<std::uint16_t>(i.ModeAffectation);
    fiche.Type = static_cast<std::uint16_t>(i.Type);
    fiche.ParDefaut = i.ParDefaut ? 1 : 0;
    return fiche;
}

bool AnnuaireFichier::Selectionner(int type, host::FicheIntervenant& fiche, bool attacher) {
    const int id = choix_.Choisir(type, Lister(type));
    const auto choisi = id == 0 ? std::nullopt : Trouver(id);
    if (!choisi || choisi->Type != type) return false;
    fiche = Fiche(*choisi);
    if (attacher && dossier_) dossier_->SetIntervenantAttache(type, id);
    return true;
}

bool AnnuaireFichier::LireSelectionne(int type, host::FicheIntervenant& fiche, bool avecDefaut) {
    const int attache = dossier_ ? dossier_->GetIntervenantAttache(type) : 0;
    if (attache != 0) return Lire(attache, fiche, type);
    if (!avecDefaut) return false;
    for (const Intervenant& i : Lister(type))
        if (i.ParDefaut) {
            fiche = Fiche(i);
            return true;
        }
    return false;
}

bool AnnuaireFichier::Lire(int id, host::FicheIntervenant& fiche, int type) {
    const auto trouve = Trouver(id);
    if (!trouve || trouve->Type != type) return false;
    fiche = Fiche(*trouve);
    return true;
}

int AnnuaireFichier::DonneesEdiParametreesAuDossier() { return dossier_ ? dossier_->DonneesEdi() : 0; }

}  // namespace kvarn::standalone
