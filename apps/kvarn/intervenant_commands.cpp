#include "intervenant_commands.hpp"

#include "json.hpp"
#include "session.hpp"

#include <iostream>

namespace kvarn::cli {
namespace {

int Type(const std::string& nom) {
    const auto type = standalone::TypeIntervenantDeNom(nom);
    if (!type)
        throw MauvaisUsage("type d'intervenant inconnu « " + nom +
                           " » (comptable, conseil, CGA, AGA, cabinet, SIE, CGI, administrateur, ou leur numéro)");
    return *type;
}

void WriteJson(JsonWriter& json, const standalone::Intervenant& i) {
    json.BeginObject()
        .Field("id", i.Id)
        .Field("type", i.Type)
        .Field("type_nom", standalone::NomTypeIntervenant(i.Type))
        .Field("nom", i.Nom)
        .Field("personne_morale", i.EstPersonneMorale)
        .Field("siret", i.Siret)
        .Field("complement1", i.AdrComplmt1)
        .Field("complement2", i.AdrComplmt2)
        .Field("numero_voie", i.AdrNoVoie)
        .Field("indice_repetition", i.AdrCmplNoVoie)
        .Field("voie", i.AdrNomVoie)
        .Field("bp", i.AdrBP)
        .Field("cp", i.AdrCP)
        .Field("ville", i.AdrVille)
        .Field("pays", i.AdrIDPays)
        .Field("telephone", i.AdrTel)
        .Field("fax", i.AdrFax)
        .Field("email", i.Email)
        .Field("agrement", i.NoAgrement)
        .Field("contact", i.Contact)
        .Field("observations", i.Observations)
        .Field("par_defaut", i.ParDefaut)
        .Field("mode_affectation", i.ModeAffectation)
        .EndObject();
}

}  // namespace

int IntervenantAjouter(const GlobalOptions& globals, const IntervenantAjouterOptions& o) {
    standalone::Intervenant i;
    i.Type = Type(o.type);
    i.Nom = o.nom;
    i.Siret = o.siret;
    i.EstPersonneMorale = !o.personnePhysique;
    i.Observations = o.observations;
    i.NoAgrement = o.agrement;
    i.Contact = o.contact;
    i.ParDefaut = o.parDefaut;
    i.ModeAffectation = o.modeAffectation;
    const AdresseOptions& a = o.adresse;
    i.AdrComplmt1 = a.complement1;
    i.AdrComplmt2 = a.complement2;
    i.AdrNoVoie = a.numeroVoie;
    i.AdrCmplNoVoie = a.indiceRepetition;
    i.AdrNomVoie = a.voie;
    i.AdrBP = a.bp;
    i.AdrCP = a.cp;
    i.AdrVille = a.ville;
    i.AdrTel = a.telephone;
    i.AdrFax = a.fax;
    i.Email = a.email;
    i.AdrIDPays = a.pays.value_or(PAYS_FRANCE);
    Session session = Session::WithoutDossier(globals);
    std::cout << session.host().Annuaire().Ajouter(i) << '\n';
    return kSucces;
}

int IntervenantLister(const GlobalOptions& globals, const IntervenantListerOptions& o) {
    const std::optional<int> type = o.type.empty() ? std::nullopt : std::optional<int>(Type(o.type));
    Session session = Session::WithoutDossier(globals);
    const auto liste = session.host().Annuaire().Lister(type);
    if (o.json) {
        JsonWriter json;
        json.BeginArray();
        for (const auto& i : liste) WriteJson(json, i);
        json.EndArray();
        std::cout << json.str() << '\n';
    } else {
        for (const auto& i : liste)
            std::cout << i.Id << '\t' << standalone::NomTypeIntervenant(i.Type) << '\t' << i.Nom << '\t'
                      << i.AdrCP << ' ' << i.AdrVille << (i.ParDefaut ? "\t(par défaut)" : "") << '\n';
    }
    return kSucces;
}

int IntervenantAttacher(const GlobalOptions& globals, const IntervenantAttacherOptions& o) {
    const int type = Type(o.type);
    Session session = Session::WithDossier(globals, Acces::Modification);
    host::FicheIntervenant fiche{};
    if (o.id) {
        if (!host::GetIntervenant(*o.id, &fiche, type))
            throw Refus("Aucun intervenant n° " + std::to_string(*o.id) + " de type " +
                        standalone::NomTypeIntervenant(type) + " dans l'annuaire");
        session.dossier().SetIntervenantAttache(type, *o.id);
        return kSucces;
    }
    if (!host::SelectionneIntervenant(type, &fiche, true, 1, 0)) throw Refus("Aucun intervenant choisi");
    return kSucces;
}

int IntervenantDetacher(const GlobalOptions& globals, const IntervenantAttacherOptions& o) {
    const int type = Type(o.type);
    Session session = Session::WithDossier(globals, Acces::Modification);
    const int attache = session.dossier().GetIntervenantAttache(type);
    if (attache == 0) throw Refus("Aucun intervenant de type " + standalone::NomTypeIntervenant(type) + " n'est attaché au dossier");
    if (o.id && *o.id != attache)
        throw Refus("L'intervenant n° " + std::to_string(*o.id) + " n'est pas celui attaché au dossier (n° " +
                    std::to_string(attache) + ")");
    session.dossier().SetIntervenantAttache(type, 0);
    return kSucces;
}

}  // namespace kvarn::cli
