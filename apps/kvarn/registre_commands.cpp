#include "registre_commands.hpp"

#include "common/atomic_file.hpp"
#include "common/dates.hpp"
#include "frame/etat_module.hpp"
#include "json.hpp"
#include "movements/lecture_registre.hpp"
#include "movements/registre_colonnes.hpp"
#include "movements/registre_csv.hpp"
#include "session.hpp"

#include <algorithm>
#include <charconv>
#include <iostream>

namespace kvarn::cli {
namespace {

using movements::Registre;

class PuitsJson final : public movements::PuitsColonnes {
public:
    explicit PuitsJson(JsonWriter& json) : json_(json) {}
    void Texte(std::string_view cle, std::string_view valeur) override { json_.Field(cle, valeur); }
    void Nombre(std::string_view cle, std::optional<double> valeur) override {
        json_.Key(cle);
        if (valeur) json_.Number(*valeur);
        else json_.Null();
    }
    void Entier(std::string_view cle, std::optional<int> valeur) override {
        if (valeur) json_.Field(cle, *valeur);
        else json_.Key(cle).Null();
    }
    void Date(std::string_view cle, double jour) override {
        if (jour == 0) json_.Key(cle).Null();
        else json_.Field(cle, FormatDate(jour));
    }

private:
    JsonWriter& json_;
};

template <class Entree, class Colonnes>
void Objets(JsonWriter& json, PuitsJson& puits, std::string_view cle, const std::vector<Entree>& entrees,
            Colonnes colonnes) {
    json.Key(cle).BeginArray();
    for (const Entree& e : entrees) {
        json.BeginObject();
        colonnes(e, puits);
        json.EndObject();
    }
    json.EndArray();
}

void Entete(JsonWriter& json, PuitsJson& puits, const movements::EnteteRegistre& e) {
    json.Field("RaisonSociale", e.raisonSociale).Field("Siren", e.siren);
    json.Key("Exercice").BeginObject();
    puits.Date("Debut", e.debut);
    puits.Date("Fin", e.fin);
    puits.Date("DateSituation", e.dateSituation);
    json.EndObject();
    json.Key("NbPartsDeclarees").Number(e.nbPartsDeclarees);
    json.Field("MouvementsApresSituation", e.mouvementsApresSituation);
}

std::string EnJson(const Registre& r) {
    JsonWriter json;
    PuitsJson puits(json);
    json.BeginObject();
    Entete(json, puits, r.entete);
    Objets(json, puits, "Detentions", r.detentions, movements::ColonnesDetention);
    json.Key("Mouvements").BeginArray();
    for (const movements::MouvementRegistre& m : r.mouvements) {
        json.BeginObject();
        movements::ColonnesMouvement(m, puits);
        Objets(json, puits, "Lignes", m.lignes, movements::ColonnesLigne);
        Objets(json, puits, "Liens", m.liens, movements::ColonnesLien);
        json.EndObject();
    }
    json.EndArray();
    json.Key("Liens").BeginObject();
    Objets(json, puits, "Debut", r.liensDebut, movements::ColonnesLien);
    Objets(json, puits, "Fin", r.liensFin, movements::ColonnesLien);
    json.EndObject();
    if (r.annexe2072) Objets(json, puits, "Annexe2072", *r.annexe2072, movements::ColonnesAnnexe);
    else json.Key("Annexe2072").Null();
    Objets(json, puits, "Ecarts", r.ecarts, movements::ColonnesEcart);
    json.EndObject();
    return json.str() + "\n";
}

// As a French reader writes a number: 22,5.
std::string Parts(double parts) {
    char tampon[64];
    std::string texte(tampon, std::to_chars(tampon, tampon + sizeof tampon, parts).ptr);
    std::replace(texte.begin(), texte.end(), '.', ',');
    return texte;
}

void Avertir(const Registre& r) {
    for (const movements::EcartRegistre& e : r.ecarts)
        std::cerr << "Écart sur l'associé n° " << e.idAssocie << " (" << movements::NomNature(e.nature)
                  << ") : début " << Parts(e.debut) << ", mouvements " << Parts(e.mouvements) << ", fin "
                  << Parts(e.fin) << '\n';
    if (const int apres = r.entete.mouvementsApresSituation)
        std::cerr << apres << " mouvement(s) daté(s) après la date de situation du "
                  << FormatDate(r.entete.dateSituation) << " ne figure(nt) pas au registre\n";
    const double declarees = r.entete.nbPartsDeclarees;
    if (declarees != 0 && r.entete.totalFin != declarees)
        std::cerr << "Le total des parts en fin d'exercice (" << Parts(r.entete.totalFin)
                  << ") diffère du nombre de parts déclaré (" << Parts(declarees) << ")\n";
}

std::string Format(const RegistreOptions& o) {
    if (o.json && !o.format.empty() && o.format != "json") throw MauvaisUsage("--json et --format csv s'excluent");
    const std::string format = o.json ? "json" : o.format;
    if (format.empty()) throw MauvaisUsage("--format json|csv ou --json est obligatoire");
    if (format == "json" && !o.table.empty()) throw MauvaisUsage("--table ne vaut que pour --format csv");
    return format;
}

}  // namespace

int TirerRegistre(const GlobalOptions& globals, const RegistreOptions& options) {
    const std::string format = Format(options);
    Session session = Session::WithDossier(globals);
    session.OuvrirModule();
    store::TdmKvarn& module = frame::DataModuleCree();
    const int annee = DecodeDate(module.Environnement().GetDateFinEx()).year;
    if (options.exercice && *options.exercice != annee)
        throw Refus("L'exercice ouvert se termine en " + std::to_string(annee) +
                    " ; le registre d'un exercice clôturé se tire de la sauvegarde faite avant sa clôture, "
                    "restaurée dans un autre répertoire");
    const Registre registre = movements::ConstruireRegistre(module);
    std::string texte;
    if (format == "json") {
        texte = EnJson(registre);
    } else {
        const auto table = movements::TableNommee(options.table.empty() ? "detentions" : options.table);
        if (!table) throw MauvaisUsage("--table attend detentions, mouvements, liens ou 2072");
        if (*table == movements::TableRegistre::Annexe2072 && !registre.annexe2072)
            throw Refus("Pas d'annexe 2072 : " + registre.motifSansAnnexe);
        texte = movements::RegistreEnCsv(registre, *table, !options.sansBom);
    }
    Avertir(registre);
    if (options.sortie.empty()) std::cout << texte << std::flush;
    else WriteFileAtomically(options.sortie, texte);
    return kSucces;
}

}  // namespace kvarn::cli
