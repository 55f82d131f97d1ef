#include "isa_commands.hpp"

#include "export/participations.hpp"
#include "host/formes_juridiques.hpp"
#include "host/pays.hpp"
#include "identification/verifications.hpp"
#include "json.hpp"
#include "session.hpp"

#include <kvarn/export_isa.hpp>

#include <iostream>

namespace kvarn::cli {
namespace {

using exportisa::ParticipationFiliale;

std::string CheminParticipations(Session& session) {
    return exportisa::CheminParticipations(session.dossier().Repertoire().string());
}

std::string AbreviationForme(int code) {
    std::string abreviation;
    host::cFormeJuridique::DonnerInfos(code, nullptr, nullptr, &abreviation, nullptr);
    return abreviation;
}

ParticipationFiliale Participation(const ParticipationAjouterOptions& o) {
    if (!host::cFormeJuridique::Trouver(o.formeJuridique))
        throw Refus("Code inconnu pour la forme juridique : " + std::to_string(o.formeJuridique) +
                    " (voir kvarn formes-juridiques)");
    if (const auto verdict = identification::VerifierSIREN(o.siren); !verdict) throw Refus(verdict.raison);
    if (o.pays && !host::TListePays::Trouver(*o.pays))
        throw Refus("Pays inconnu : " + std::to_string(*o.pays) + " (voir kvarn pays)");
    ParticipationFiliale p{o.formeJuridique, o.denomination, o.siren, o.pourcentage, o.numeroVoie,
                           o.voie,          o.cp,           o.ville, o.pays.value_or(PAYS_FRANCE)};
    if (const std::string refus = exportisa::RefusParticipation(p); !refus.empty()) throw Refus(refus);
    return p;
}

}  // namespace

int ExporterIsa(const GlobalOptions& globals, const ExporterIsaOptions& options) {
    Session session = Session::WithDossier(globals);
    const standalone::DossierFichier& d = session.dossier();
    if (d.GetIdentifiantISA().empty())
        std::cerr << "kvarn : attention, le dossier n'a pas d'identifiant ISA : le fichier est écrit sans "
                     "(kvarn dossier modifier --identifiant-isa)\n";
    const std::vector<ResultatExportISA> resultats{
        {d.GetDateDebutExercice(), d.GetDateFinExercice(), {"Données permanentes"}, true}};
    session.OuvrirModule();
    if (!GenererFichierEGE_ISA(options.fichier, options.drapeau, resultats))
        throw Refus("le fichier " + options.fichier + " n'a pas été écrit");
    return kSucces;
}

int ParticipationAjouter(const GlobalOptions& globals, const ParticipationAjouterOptions& options) {
    Session session = Session::WithDossier(globals);
    const ParticipationFiliale nouvelle = Participation(options);
    const std::string chemin = CheminParticipations(session);
    auto participations = exportisa::LireParticipations(chemin);
    participations.push_back(nouvelle);
    exportisa::EcrireParticipations(chemin, participations);
    std::cout << participations.size() << '\n';
    return kSucces;
}

int ParticipationLister(const GlobalOptions& globals, const ParticipationOptions& options) {
    Session session = Session::WithDossier(globals);
    const auto participations = exportisa::LireParticipations(CheminParticipations(session));
    JsonWriter json;
    json.BeginArray();
    int numero = 0;
    for (const ParticipationFiliale& p : participations) {
        ++numero;
        const host::Pays* pays = host::TListePays::Trouver(p.pays);
        if (!options.json) {
            std::cout << numero << " : " << p.denomination << " (" << AbreviationForme(p.formeJuridique) << "), SIREN "
                      << p.siren << ", " << p.pourcentage << " %, " << p.numeroVoie << ' ' << p.voie << ", " << p.cp
                      << ' ' << p.ville << ", " << (pays ? pays->libelle : std::to_string(p.pays)) << '\n';
            continue;
        }
        json.BeginObject()
            .Field("numero", numero)
            .Field("forme_juridique", p.formeJuridique)
            .Field("denomination", p.denomination)
            .Field("siren", p.siren);
        json.Key("pourcentage").Number(p.pourcentage);
        json.Field("numero_voie", p.numeroVoie)
            .Field("voie", p.voie)
            .Field("cp", p.cp)
            .Field("ville", p.ville)
            .Field("pays", p.pays)
            .EndObject();
    }
    json.EndArray();
    if (options.json) std::cout << json.str() << '\n';
    return kSucces;
}

int ParticipationSupprimer(const GlobalOptions& globals, const ParticipationOptions& options) {
    Session session = Session::WithDossier(globals);
    const std::string chemin = CheminParticipations(session);
    auto participations = exportisa::LireParticipations(chemin);
    if (options.numero < 1 || static_cast<std::size_t>(options.numero) > participations.size())
        throw Refus("Aucune participation numéro " + std::to_string(options.numero) + " (" +
                    std::to_string(participations.size()) + " enregistrée(s))");
    participations.erase(participations.begin() + (options.numero - 1));
    exportisa::EcrireParticipations(chemin, participations);
    return kSucces;
}

}  // namespace kvarn::cli
