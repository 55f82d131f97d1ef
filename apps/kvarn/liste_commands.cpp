#include "liste_commands.hpp"

#include "host/formes_juridiques.hpp"
#include "host/pays.hpp"
#include "host/regimes.hpp"
#include "json.hpp"

#include <iostream>

namespace kvarn::cli {
namespace {

// One row of a list: its code and named texts, in output order.
struct Ligne {
    int code;
    std::vector<std::pair<const char*, std::string>> textes;
};

void Ecrire(const std::vector<Ligne>& lignes, bool json) {
    if (json) {
        JsonWriter out;
        out.BeginArray();
        for (const Ligne& l : lignes) {
            out.BeginObject().Field("code", l.code);
            for (const auto& [cle, texte] : l.textes) out.Field(cle, texte);
            out.EndObject();
        }
        out.EndArray();
        std::cout << out.str() << '\n';
        return;
    }
    for (const Ligne& l : lignes) {
        std::cout << l.code;
        for (const auto& [cle, texte] : l.textes) std::cout << '\t' << texte;
        std::cout << '\n';
    }
}

std::vector<Ligne> Lignes(const std::vector<host::CodeLibelle>& table) {
    std::vector<Ligne> lignes;
    for (const auto& c : table) lignes.push_back({c.code, {{"abreviation", c.abreviation}, {"libelle", c.libelle}}});
    return lignes;
}

}  // namespace

int ListerFormesJuridiques(const ListeOptions& options) {
    std::vector<Ligne> lignes;
    for (const auto& f : host::cFormeJuridique::Liste())
        lignes.push_back({f.code, {{"abreviation", f.abreviation}, {"libelle", f.libelle}, {"libelle_edi", f.libelleEDI}}});
    Ecrire(lignes, options.json);
    return kSucces;
}

int ListerPays(const ListeOptions& options) {
    std::vector<Ligne> lignes;
    for (const auto& p : host::TListePays::Liste()) lignes.push_back({p.id, {{"iso", p.codeIso}, {"libelle", p.libelle}}});
    Ecrire(lignes, options.json);
    return kSucces;
}

int ListerRegimes(const ListeOptions& options) {
    if (options.json) {
        JsonWriter out;
        out.BeginObject();
        for (const auto& [nom, table] : {std::pair{"regimes_fiscaux", &host::cRegimesFiscaux::Liste()},
                                         std::pair{"regimes_imposition", &host::cRegimesImposition::Liste()}}) {
            out.Key(nom).BeginArray();
            for (const auto& c : *table)
                out.BeginObject().Field("code", c.code).Field("abreviation", c.abreviation).Field("libelle", c.libelle).EndObject();
            out.EndArray();
        }
        out.EndObject();
        std::cout << out.str() << '\n';
        return kSucces;
    }
    std::cout << "Régimes fiscaux :\n";
    Ecrire(Lignes(host::cRegimesFiscaux::Liste()), false);
    std::cout << "Régimes d'imposition :\n";
    Ecrire(Lignes(host::cRegimesImposition::Liste()), false);
    return kSucces;
}

int ListerCategories(const ListeOptions& options) {
    Ecrire(Lignes(host::cCategoriesImposition::Liste()), options.json);
    return kSucces;
}

}  // namespace kvarn::cli
