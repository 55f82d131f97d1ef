#include "parametre_commands.hpp"

#include "common/text.hpp"
#include "environment/environ_kv.hpp"
#include "json.hpp"
#include "session.hpp"

#include <iostream>

namespace kvarn::cli {
namespace {

// The dossier open through the host, and the module's environment with its settings store.
class DossierParametres {
public:
    DossierParametres(const GlobalOptions& globals, Acces acces) : session_(Session::WithDossier(globals, acces)) {
        environnement_.Initialiser();
    }
    environment::CGestTRPIni& Store() { return *environnement_.GestIni(); }

private:
    Session session_;
    environment::cEnvironKV environnement_;
};

void EcrireTexte(const std::vector<std::pair<std::string, std::vector<IniDocument::Entry>>>& contenu) {
    for (const auto& [section, entrees] : contenu) {
        std::cout << '[' << section << "]\n";
        for (const auto& [cle, valeur] : entrees) std::cout << cle << '=' << valeur << '\n';
    }
}

void EcrireJson(const std::vector<std::pair<std::string, std::vector<IniDocument::Entry>>>& contenu) {
    JsonWriter json;
    json.BeginObject();
    for (const auto& [section, entrees] : contenu) {
        json.Key(section).BeginObject();
        for (const auto& [cle, valeur] : entrees) json.Field(cle, valeur);
        json.EndObject();
    }
    json.EndObject();
    std::cout << json.str() << '\n';
}

}  // namespace

int ParametreLire(const GlobalOptions& globals, const ParametreCleOptions& o) {
    DossierParametres parametres(globals, Acces::Lecture);
    const std::string valeur = parametres.Store().GetAssString(o.section, o.cle);
    if (!valeur.empty()) std::cout << valeur << '\n';
    return kSucces;
}

int ParametreEcrire(const GlobalOptions& globals, const ParametreEcrireOptions& o) {
    DossierParametres parametres(globals, Acces::Modification);
    parametres.Store().SetAssString(o.section, o.cle, o.valeur);
    return kSucces;
}

int ParametreSupprimer(const GlobalOptions& globals, const ParametreCleOptions& o) {
    DossierParametres parametres(globals, Acces::Modification);
    parametres.Store().SupprimerCleAss(o.section, o.cle);
    return kSucces;
}

int ParametreLister(const GlobalOptions& globals, const ParametreListerOptions& o) {
    DossierParametres parametres(globals, Acces::Lecture);
    auto contenu = parametres.Store().Contenu();
    // A section named on the command line is matched as the module matches names: without
    // regard to case. Listing a section that does not exist prints nothing and succeeds.
    if (!o.section.empty())
        std::erase_if(contenu, [&](const auto& section) { return !EqualsIgnoringCase(section.first, o.section); });
    if (o.json) EcrireJson(contenu);
    else EcrireTexte(contenu);
    return kSucces;
}

}  // namespace kvarn::cli
