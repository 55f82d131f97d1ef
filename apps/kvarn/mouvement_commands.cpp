#include "mouvement_commands.hpp"

#include "common/dates.hpp"
#include "common/numbers.hpp"
#include "db/session.hpp"
#include "frame/etat_module.hpp"
#include "lignes_table.hpp"
#include "movements/libelle_synthese.hpp"
#include "movements/saisie_mouvement.hpp"
#include "movements/synthese_mouvements.hpp"
#include "movements/table_synthese.hpp"
#include "session.hpp"

#include <kvarn/mouvements.hpp>

#include <algorithm>
#include <charconv>
#include <iostream>

namespace kvarn::cli {
namespace {

using movements::Colonne;
using movements::LigneDetail;

// "ID:A:B": the key and the two other parts, or MauvaisUsage naming the option and its form.
struct Triplet {
    int id = 0;
    std::string milieu;
    double nombre = 0.0;
};

int Entier(std::string_view texte, bool& valide) {
    int valeur = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    valide = valide && erreur == std::errc() && fin == texte.data() + texte.size();
    return valeur;
}

Triplet LireTriplet(const std::string& texte, const char* option, const char* forme) {
    const std::size_t a = texte.find(':'), b = texte.rfind(':');
    bool valide = a != std::string::npos && b != a;
    Triplet t;
    if (valide) {
        t.id = Entier(std::string_view(texte).substr(0, a), valide);
        t.milieu = texte.substr(a + 1, b - a - 1);
        t.nombre = ZORStr2Double(texte.substr(b + 1), &valide);
    }
    if (!valide) throw MauvaisUsage(std::string(option) + " attend " + forme + ", pas « " + texte + " »");
    return t;
}

// A quantity column by its name in the table or without its "NbParts" prefix.
Colonne LireColonne(const std::string& nom, const std::string& texte) {
    for (const Colonne colonne : movements::kColonnes) {
        const std::string_view complet = movements::NomColonne(colonne);
        if (nom == complet || nom == complet.substr(7)) return colonne;
    }
    throw MauvaisUsage("--detail : colonne inconnue « " + nom + " » dans « " + texte + " »");
}

// One row per associate named, each column given once.
std::vector<LigneDetail> LireDetails(const std::vector<std::string>& details) {
    std::vector<LigneDetail> lignes;
    for (const std::string& texte : details) {
        const Triplet t = LireTriplet(texte, "--detail", "ID:COLONNE:NOMBRE");
        const Colonne colonne = LireColonne(t.milieu, texte);
        auto ligne = std::find_if(lignes.begin(), lignes.end(), [&](const LigneDetail& l) { return l.idAsso == t.id; });
        if (ligne == lignes.end()) ligne = lignes.insert(lignes.end(), LigneDetail{t.id, {}, {}, {}, {}, {}, {}});
        std::optional<double>& quantite = movements::Quantite(*ligne, colonne);
        if (quantite) throw MauvaisUsage("--detail : la colonne " + std::string(movements::NomColonne(colonne)) +
                                         " de l'associé n° " + std::to_string(t.id) + " est donnée deux fois");
        quantite = t.nombre;
    }
    return lignes;
}

std::vector<movements::LienNPU> LireLiens(const std::vector<std::string>& liens) {
    std::vector<movements::LienNPU> lus;
    for (const std::string& texte : liens) {
        const Triplet t = LireTriplet(texte, "--lien", "IDNP:IDU:NOMBRE");
        bool valide = true;
        const int idU = Entier(t.milieu, valide);
        if (!valide) throw MauvaisUsage("--lien attend IDNP:IDU:NOMBRE, pas « " + texte + " »");
        lus.push_back({0, 0, t.id, idU, t.nombre});
    }
    return lus;
}

store::TdmKvarn& Module(Session& session) {
    session.OuvrirModule();
    return *frame::DataModule();
}

}  // namespace

int MouvementAjouter(const GlobalOptions& globals, const MouvementAjouterOptions& options) {
    const std::optional<double> date = ParseDate(options.date);
    if (!date) throw MauvaisUsage("--date attend une date jj/mm/aaaa, pas « " + options.date + " »");
    movements::MouvementSaisi saisie{*date, options.type, options.cedant.value_or(0), LireDetails(options.details)};
    const std::vector<movements::LienNPU> liens = LireLiens(options.liens);
    Session session = Session::WithDossier(globals);
    const movements::ResultatAjout resultat = movements::AjouterMouvement(Module(session), saisie, liens);
    if (resultat.refus) {
        if (!resultat.refus->liens) throw Refus(resultat.refus->message);
        throw Refus(resultat.refus->message + "\nAffectez les usufruits avec --lien IDNP:IDU:NOMBRE.");
    }
    std::cout << resultat.id << '\n';
    return kSucces;
}

int MouvementLister(const GlobalOptions& globals, const MouvementListerOptions& options) {
    Session session = Session::WithDossier(globals);
    movements::InitialiserSyntheseMouvements(Module(session));
    const auto libelle = [](db::CTable& ligne) {
        const movements::TypeEtParts t = movements::LireTypeEtParts(ligne);
        return movements::LibelleTypeSynthese(t.type, t.pp, t.u, t.np);
    };
    AfficherTable(db::ALIAS_TMP, "SyntheseMouvementKV", "idxTRI",
                  {{"IdMouvement", "DateMouvement", "IdAssocie", "PartsPP", "PartsNP", "PartsU"},
                   [&](JsonWriter& json, db::CTable& ligne) { json.Field("Libelle", libelle(ligne)); },
                   libelle},
                  options.json);
    return kSucces;
}

int MouvementSupprimer(const GlobalOptions& globals, int idMouvement) {
    Session session = Session::WithDossier(globals);
    store::TdmKvarn& module = Module(session);
    if (!movements::LireEnteteMouvement(module, idMouvement))
        throw Refus("Le mouvement n° " + std::to_string(idMouvement) + " n'existe pas");
    if (!movements::SupprimerMouvementConfirme(module, idMouvement)) throw Refus("Suppression abandonnée");
    return kSucces;
}

int MouvementVerifierLiens(const GlobalOptions& globals) {
    Session session = Session::WithDossier(globals);
    Module(session);
    if (!MouvementsDePartsAssoNPUSontOK())
        throw Refus("Les usufruits d'un mouvement au moins ne sont pas tous affectés à leurs nus-propriétaires");
    return kSucces;
}

}  // namespace kvarn::cli
