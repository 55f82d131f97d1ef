#include "identification_commands.hpp"

#include "common/dates.hpp"
#include "host/verifications.hpp"
#include "identification/messages_siret.hpp"
#include "identification/remplacement_categories.hpp"
#include "identification/screens/categorie_juridique_picker.hpp"
#include "json.hpp"
#include "session.hpp"
#include "identification/verifications.hpp"

#include <kvarn/categorie_juridique.hpp>
#include <kvarn/siret.hpp>

#include <iostream>

namespace kvarn::cli {
namespace {

double DateDeCloture(const std::string& texte) {
    const auto date = ParseDate(texte);
    if (!date) throw MauvaisUsage("date de clôture invalide : « " + texte + " » (format jj/mm/aaaa)");
    return *date;
}

// The checks the SIRET screen runs before it saves, with the module's messages.
void VerifierSaisieSiret(const SiretOptions& o) {
    if (o.pseudoSiret && !CSiret::PseudoSiretValide(*o.pseudoSiret))
        throw Refus(identification::kMessagePseudoSiretInvalide);
    if (o.idsp && !CSiret::IDSPValide(*o.idsp)) throw Refus(identification::kMessageIdspInvalide);
    if (o.siret && !o.siret->empty())
        if (const auto verdict = identification::VerifierSaisieSIRET(*o.siret); !verdict) throw Refus(verdict.raison);
}

void EcrireNoeud(JsonWriter& json, const identification::NoeudCategorie& noeud) {
    json.BeginObject().Field("code", noeud.ligne->code).Field("libelle", noeud.ligne->libelle);
    json.Key("enfants").BeginArray();
    for (const auto& enfant : noeud.enfants) EcrireNoeud(json, enfant);
    json.EndArray().EndObject();
}

}  // namespace

int Siret(const GlobalOptions& globals, const SiretOptions& o) {
    const double date = DateDeCloture(o.date);
    if (o.ecrire) VerifierSaisieSiret(o);
    Session session = Session::WithDossier(globals);
    session.OuvrirModule();
    if (o.ecrire) {
        if (o.siret) CSiret::SetSIRET(date, *o.siret);
        if (o.pseudoSiret) CSiret::SetPseudoSIRET(date, *o.pseudoSiret);
        if (o.idsp) CSiret::SetIDSP(date, *o.idsp);
        return kSucces;
    }
    const std::string siret = CSiret::GetSIRET(date), pseudo = CSiret::GetPseudoSIRET(date), idsp = CSiret::GetIDSP(date);
    if (o.json) {
        JsonWriter json;
        json.BeginObject().Field("date", FormatDate(date)).Field("siret", siret).Field("pseudo_siret", pseudo)
            .Field("idsp", idsp).EndObject();
        std::cout << json.str() << '\n';
    } else {
        std::cout << "SIRET : " << siret << "\nPseudo-SIRET : " << pseudo << "\nIDSP : " << idsp << '\n';
    }
    return kSucces;
}

int CategorieJuridique(const GlobalOptions& globals, const CategorieJuridiqueOptions& o) {
    if (o.ecrire && o.code && !o.code->empty()) {
        if (const std::string actuelle = identification::CategorieDeRemplacement(*o.code); !actuelle.empty())
            throw Refus("Catégorie juridique retirée de la nomenclature : « " + *o.code + " » ; utiliser " + actuelle +
                        " (" + CCategorieJuridique::DonneLibelleCategorieJuridique(actuelle) + ")");
        if (CCategorieJuridique::DonneLibelleCategorieJuridique(*o.code).empty())
            throw Refus("Catégorie juridique inconnue : « " + *o.code + " »");
    }
    Session session = Session::WithDossier(globals);
    session.OuvrirModule();
    if (o.ecrire) {
        CSiret::SetCategorieJuridique(o.code.value_or(""));
        return kSucces;
    }
    const std::string code = CSiret::GetCategorieJuridique();
    if (!code.empty()) std::cout << code << '\t' << CCategorieJuridique::DonneLibelleCategorieJuridique(code) << '\n';
    return kSucces;
}

int Nomenclature(const NomenclatureOptions& o) {
    if (o.code) {
        const std::string libelle = CCategorieJuridique::DonneLibelleCategorieJuridique(*o.code);
        if (libelle.empty()) throw Refus("Aucune catégorie juridique de code « " + *o.code + " »");
        std::cout << libelle << '\n';
        return kSucces;
    }
    if (o.libelle) {
        const CATEGORIE_JURIDIQUE position = CCategorieJuridique::DonneCategorieJuridique(*o.libelle);
        if (position == CJ_AUCUNE) throw Refus("Aucune catégorie juridique de libellé « " + *o.libelle + " »");
        const LigneCategorieJuridique& ligne = CCategorieJuridique::Niveau3()[static_cast<std::size_t>(position)];
        if (o.json) {
            JsonWriter json;
            json.BeginObject().Field("position", static_cast<int>(position)).Field("valeur", ligne.valeur)
                .Field("code", ligne.code).Field("libelle", ligne.libelle).EndObject();
            std::cout << json.str() << '\n';
        } else {
            std::cout << position << '\t' << ligne.valeur << '\t' << ligne.code << '\t' << ligne.libelle << '\n';
        }
        return kSucces;
    }
    if (o.arbre) {
        if (!o.json) throw MauvaisUsage("l'arbre ne s'affiche qu'en JSON (--arbre --json)");
        identification::EchangeCategorieJuridique echange;
        const identification::TfrmCategorieJuridique picker(echange);
        JsonWriter json;
        json.BeginArray();
        for (const auto& racine : picker.Arbre()) EcrireNoeud(json, racine);
        json.EndArray();
        std::cout << json.str() << '\n';
        return kSucces;
    }
    throw MauvaisUsage("préciser --code, --libelle ou --arbre --json");
}

int VerifierIdentifiant(const std::string& genre, const std::string& valeur) {
    const bool pseudo = genre == "pseudo-siret";
    if (pseudo ? !CSiret::PseudoSiretValide(valeur) : !CSiret::IDSPValide(valeur))
        throw Refus(pseudo ? identification::kMessagePseudoSiretInvalide : identification::kMessageIdspInvalide);
    std::cout << "valide\n";
    return kSucces;
}

}  // namespace kvarn::cli
