#include "migration/donnees_etapes.hpp"

#include "common/nulls.hpp"
#include "common/text.hpp"
#include "db/catalogue.hpp"
#include "db/identifiers.hpp"
#include "db/transaction.hpp"
#include "environment/tables_dossier.hpp"
#include "store/migrations.hpp"

#include <kvarn/adresse.hpp>

#include <array>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>

namespace kvarn::migration {
namespace {

constexpr std::uint32_t kStructureFormesDecalees = 0x10406;
constexpr const char* kCleStructureInitiale = "StructureInitiale";

// Runs the statements `ecrire` makes from the associates table's name and fields, whole.
template <class Ecrire>
void SurAssocies(store::TdmKvarn& module, Ecrire&& ecrire) {
    db::Session& session = module.Donnees().Session();
    const std::optional<std::string> table = session.FindTable(db::ALIAS_DOSSIER, environment::kTableAssocies.nom);
    if (!table) return;
    const auto champs = db::ReadFields(session.connection(), session.SchemaOfAlias(db::ALIAS_DOSSIER), *table);
    db::AllOrNothing(session, [&] {
        for (const db::FieldDef& champ : champs)
            if (const std::string sql = ecrire(db::QuoteIdentifier(*table), champ); !sql.empty())
                session.connection().Execute(sql);
    });
}

// Moves a key from one section to another unless the target holds it already; the source key goes.
void Deplacer(environment::CGestTRPIni& parametres, const char* depuis, const char* vers, const char* cle) {
    const std::string valeur = parametres.GetAssString(depuis, cle);
    if (!valeur.empty() && parametres.GetAssString(vers, cle).empty()) parametres.SetAssString(vers, cle, valeur);
    parametres.SupprimerCleAss(depuis, cle);
}

// The store's working section for a scope.
class DansLaSection {
public:
    DansLaSection(environment::CGestTRPIni& parametres, const char* section)
        : parametres_(parametres), avant_(parametres.Section()) {
        parametres_.SetSection(section);
    }
    ~DansLaSection() { parametres_.SetSection(avant_); }
    DansLaSection(const DansLaSection&) = delete;
    DansLaSection& operator=(const DansLaSection&) = delete;

private:
    environment::CGestTRPIni& parametres_;
    std::string avant_;
};

bool AdresseVide(const TAdresseFormatTDFC& a) {
    for (const std::string* texte : {&a.Complement1, &a.Complement2, &a.NoVoie, &a.IndiceRepetition, &a.NomVoie, &a.BP,
                                     &a.CP, &a.Ville})
        if (!texte->empty()) return false;
    return true;
}

}  // namespace

environment::CGestTRPIni& ParametresDuDossier(store::TdmKvarn& module) {
    environment::CGestTRPIni* parametres = module.Environnement().GestIni();
    if (!parametres) throw std::logic_error("le magasin de paramètres du dossier n'est pas ouvert");
    return *parametres;
}

std::uint32_t StructureInitiale(environment::CGestTRPIni& parametres) {
    const char* section = store::kServiceDonnees;
    const char* cle = kCleStructureInitiale;
    if (parametres.GetAssString(section, cle).empty()) section = store::kServiceStructure, cle = store::kCleMigrations;
    return static_cast<std::uint32_t>(parametres.GetAssInteger(section, cle, 0));
}

void RenumeroterFormesJuridiques(store::TdmKvarn& module) {
    if (StructureInitiale(ParametresDuDossier(module)) >= kStructureFormesDecalees) return;
    SurAssocies(module, [](const std::string& table, const db::FieldDef& champ) {
        return EqualsIgnoringCase(champ.name, "Titre") ? "UPDATE " + table + " SET Titre = Titre + 1 WHERE PersonnePhysique = 0"
                                     : std::string();
    });
}

void DeplacerSignature(store::TdmKvarn& module) {
    for (const char* cle : {"SignNom", "SignDate"}) Deplacer(ParametresDuDossier(module), "DEFAUT", "KV", cle);
}

void EffacerValeursVides(store::TdmKvarn& module) {
    SurAssocies(module, [](const std::string& table, const db::FieldDef& champ) {
        const std::string colonne = db::QuoteIdentifier(champ.name);
        const std::string debut = "UPDATE " + table + " SET " + colonne + " = NULL WHERE " + colonne;
        if (champ.type == db::FieldType::Number) return debut + " = -1.7976931348623157e308";
        if (champ.type == db::FieldType::Long) return debut + " IN (-32768, " + std::to_string(NULL_ENTIER) + ")";
        return std::string();
    });
}

void DeplacerCapital(store::TdmKvarn& module) {
    environment::CGestTRPIni& parametres = ParametresDuDossier(module);
    const int categorie = module.Environnement().GetCategorieImposition();
    const char* section = categorie == 3 ? "BN" : categorie == 5 ? "SI" : categorie == 8 ? "SM" : "CF";
    double capital = 0.0;
    {
        const DansLaSection dans(parametres, section);
        capital = parametres.GetReal("MontantCapital", 0.0);
        parametres.SupprimerCle("MontantCapital");
    }
    if (capital == 0.0) return;
    const DansLaSection dans(parametres, store::kServiceStructure);
    parametres.SetReal("MontantCapital", capital);
}

void ReprendreSiegeSocial(store::TdmKvarn& module) {
    TAdresseFormatTDFC precedent, courant;
    module.Environnement().GetAdresseSiegeSocial(&precedent, &courant);
    if (!AdresseVide(courant) || AdresseVide(precedent)) return;
    const TAdresseFormatTDFC vide;
    module.Environnement().SetAdresseSiegeSocial(&vide, &precedent);
}

void PaysParDefaut(store::TdmKvarn& module) {
    SurAssocies(module, [](const std::string& table, const db::FieldDef& champ) {
        for (const char* pays : {"AdrIDPays", "IDPaysNaissance", "Adr1JanIDPays"})
            if (EqualsIgnoringCase(champ.name, pays)) {
                const std::string colonne = db::QuoteIdentifier(champ.name);
                return "UPDATE " + table + " SET " + colonne + " = " + std::to_string(PAYS_FRANCE) + " WHERE " +
                       colonne + " IS NULL OR " + colonne + " = 0";
            }
        return std::string();
    });
}

}  // namespace kvarn::migration
