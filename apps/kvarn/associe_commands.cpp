#include "associe_commands.hpp"

#include "adresse_commands.hpp"
#include "associates/colonne_associe.hpp"
#include "associates/creation_associe.hpp"
#include "associates/liste_associes.hpp"
#include "associates/modification_associe.hpp"
#include "associates/suppression_associe.hpp"
#include "associates/table_associes.hpp"
#include "common/codepage.hpp"
#include "common/dates.hpp"
#include "common/fixed_field.hpp"
#include "common/nulls.hpp"
#include "common/numbers.hpp"
#include "db/transaction.hpp"
#include "frame/etat_module.hpp"
#include "json.hpp"
#include "session.hpp"

#include <kvarn/associe.hpp>
#include <kvarn/liste_associes.hpp>

#include <charconv>
#include <iostream>
#include <algorithm>
#include <list>
#include <set>

namespace kvarn::cli {
namespace {

// The code must name an entry of its table: its label is not empty.
template <class Libelle>
int CodeVerifie(const std::optional<int>& code, int siAbsent, const char* quoi, Libelle&& libelle) {
    if (!code) return siAbsent;
    if (libelle(*code).empty()) throw Refus("Code de " + std::string(quoi) + " inconnu : " + std::to_string(*code));
    return *code;
}

double Parts(const std::string& texte, const char* option) {
    if (texte.empty()) return 0.0;
    bool valide = false;
    const double parts = ZORStr2Double(texte, &valide);
    if (!valide) throw MauvaisUsage(std::string(option) + " attend un nombre de parts, pas « " + texte + " »");
    return parts;
}

void AppliquerIdentite(const AssocieAjouterOptions& o, Associe& a) {
    a.PersonnePhysique = o.physique;
    a.Nom = o.nom;
    a.Prenoms = o.prenoms;
    a.Titre = CodeVerifie(o.titre, o.physique ? TAP_M : TAP_AUCUN, "titre", [&](int code) {
        return DonnerTitreOuFormeJuridique(code, o.physique, false);
    });
    a.Qualite = CodeVerifie(o.qualite, QA_ASSOCIE, "qualité",
                            [](int code) { return CQualiteAssocie::QualiteAssocie(static_cast<QUALITE_ASSOCIE>(code)); });
    a.RegimeImpositionSCI = CodeVerifie(o.regime, RIS_AUCUN, "régime d'imposition", [](int code) {
        return CRegimeImposition::RegimeImposition(static_cast<REGIME_IMPOT_SCI>(code));
    });
    a.RegimeMatrimonial = CodeVerifie(o.regimeMatrimonial, RM_AUCUN, "régime matrimonial", [](int code) {
        return CRegimeMatrimonial::RegimeMatrimonial(static_cast<REGIME_MATRIMONIAL_ASSOCIE_PHYSIQUE>(code));
    });
    a.SituationFamille = CodeVerifie(o.situationFamille, SF_AUCUNE, "situation de famille", [](int code) {
        return CSituationFamille::SituationFamille(static_cast<SITUATION_FAMILLE>(code));
    });
    a.NomPatronymique = o.nomNaissance;
    a.NomMarital = o.nomMarital;
    a.Profession = o.profession;
    a.NoIdentFisc = o.numeroFiscal;
    a.NoSiret = o.siret;
}

void AppliquerNaissanceEtAdresse(const AssocieAjouterOptions& o, Associe& a) {
    if (!o.dateNaissance.empty()) {
        const std::optional<double> date = ParseDate(o.dateNaissance);
        if (!date) throw MauvaisUsage("--date-naissance attend une date jj/mm/aaaa, pas « " + o.dateNaissance + " »");
        a.DateNaissance = *date;
    }
    a.CPNaissance = o.cpNaissance;
    a.LieuNaissance = o.lieuNaissance;
    if (o.paysNaissance) a.IDPaysNaissance = *o.paysNaissance;
    CAdresse adresse;
    AppliquerAdresse(adresse, o.adresse);
    a.AdrComplmt1 = adresse.Complement1;
    a.AdrComplmt2 = adresse.Complement2;
    a.AdrNoVoie = adresse.NoVoie;
    a.AdrCmplNoVoie = adresse.CmplNoVoie;
    a.AdrNomVoie = adresse.NomVoie;
    a.AdrBP = adresse.BP;
    a.AdrCP = adresse.CP;
    a.AdrVille = adresse.Ville;
    a.AdrTel = adresse.Telephone;
    a.AdrFax = adresse.Fax;
    a.AdrCodeInsee = adresse.CodeInsee;
    a.AdrBureauDistrib = adresse.BureauDistributeur;
    a.AdrIDPays = adresse.IDPays;
}

void AppliquerParts(const AssocieAjouterOptions& o, Associe& a) {
    const bool partsDonnees = !o.pp.empty() || !o.u.empty() || !o.np.empty();
    if (partsDonnees && (a.Qualite == QA_GERANT_NON_ASSOCIE || a.Qualite == QA_BENEFICIAIRE))
        throw Refus("La qualité « " + a.GetTextQualite() + " » ne détient pas de parts en propre");
    a.NbParts = Parts(o.pp, "--pp");
    a.NbPartsU = Parts(o.u, "--u");
    a.NbPartsN = Parts(o.np, "--np");
}

// The columns each option of "associe modifier" writes: a new option joins with its line.
struct OptionColonnes {
    const char* option;
    std::vector<const char*> colonnes;
};
const std::vector<OptionColonnes> kOptionsColonnes{
    {"--physique", {"PersonnePhysique"}},   {"--morale", {"PersonnePhysique"}},
    {"--nom", {"Nom"}},                     {"--prenoms", {"Prenoms"}},
    {"--titre", {"Titre"}},                 {"--qualite", {"Qualite"}},
    {"--regime", {"RegimeImpositionSCI"}},  {"--regime-matrimonial", {"RegimeMatrimonial"}},
    {"--situation-famille", {"SituationFamille"}},
    {"--pp", {"NbParts"}},                  {"--u", {"NbPartsU"}},
    {"--np", {"NbPartsN"}},                 {"--nom-naissance", {"NomPatronymique"}},
    {"--nom-marital", {"NomMarital"}},      {"--profession", {"Profession"}},
    {"--numero-fiscal", {"NoIdentFisc"}},   {"--siret", {"NoSiret"}},
    {"--date-naissance", {"DateNaissance"}}, {"--cp-naissance", {"CPNaissance"}},
    {"--lieu-naissance", {"LieuNaissance"}}, {"--pays-naissance", {"IDPaysNaissance"}},
    {"--complement1", {"AdrComplmt1"}},     {"--complement2", {"AdrComplmt2"}},
    {"--numero-voie", {"AdrNoVoie"}},       {"--indice-repetition", {"AdrCmplNoVoie"}},
    {"--voie", {"AdrNomVoie"}},             {"--bp", {"AdrBP"}},
    {"--cp", {"AdrCP"}},                    {"--ville", {"AdrVille"}},
    {"--telephone", {"AdrTel"}},            {"--fax", {"AdrFax"}},
    {"--pays", {"AdrIDPays"}},
    {"--champ", {}},  // its columns by their names (EcrireChamps)
};

std::set<std::string> ColonnesDonnees(const std::vector<std::string>& donnees) {
    std::set<std::string> colonnes;
    for (const std::string& option : donnees) {
        const auto ligne = std::find_if(kOptionsColonnes.begin(), kOptionsColonnes.end(),
                                        [&](const OptionColonnes& o) { return option == o.option; });
        if (ligne == kOptionsColonnes.end()) throw MauvaisUsage(option + " ne modifie pas un associé");
        colonnes.insert(ligne->colonnes.begin(), ligne->colonnes.end());
    }
    return colonnes;
}

// "--champ COLONNE=VALEUR", in the order given: any stored column of the associate's row by its
// name, the text read by the column's type. false for an unknown associate; a column that cannot
// be written or a value it cannot take is bad usage.
bool EcrireChamps(store::TdmKvarn& module, int idAssocie, const std::vector<std::string>& champs) {
    db::CTable table(module.Donnees().Session());
    if (!associates::OuvrirSurAssocie(module, table, idAssocie)) return false;
    table.Edit();
    for (const std::string& champ : champs) {
        const std::size_t egal = champ.find('=');
        try {
            if (egal == std::string::npos) throw std::invalid_argument("--champ " + champ + " : COLONNE=VALEUR attendu");
            associates::EcrireColonneAssocie(table, std::string_view(champ).substr(0, egal),
                                             std::string_view(champ).substr(egal + 1));
        } catch (const std::invalid_argument& refus) {
            table.Cancel();
            throw MauvaisUsage(refus.what());
        }
    }
    table.Post();
    associates::DesinitListe(module);
    return true;
}

// The options over the stored record: the kind of person and the quality stay as stored unless
// given, so that a title or shares are checked against them.
void AppliquerModification(AssocieAjouterOptions o, Associe& a) {
    if (!o.physique && !o.morale) (a.PersonnePhysique ? o.physique : o.morale) = true;
    const int qualite = a.Qualite;
    AppliquerIdentite(o, a);
    if (!o.qualite) a.Qualite = qualite;
    AppliquerNaissanceEtAdresse(o, a);
    AppliquerParts(o, a);
}

// One associate as a JSON object: every member under its name, sentinels and empty dates as null.
void EcrireJson(JsonWriter& json, const Associe& associe) {
    json.BeginObject();
    associates::ParcourirMembres(
        associe,
        {[&](const char* nom, int valeur) {
             if (valeur == NULL_ENTIER) json.Key(nom).Null();
             else json.Field(nom, valeur);
         },
         [&](const char* nom, double valeur) {
             if (valeur == NULL_REEL) json.Key(nom).Null();
             else json.Key(nom).Number(valeur);
         },
         [&](const char* nom, double jour) {
             if (jour == 0) json.Key(nom).Null();
             else json.Field(nom, FormatDate(jour));
         },
         [&](const char* nom, bool valeur) { json.Field(nom, valeur); },
         [&](const char* nom, const std::string& valeur) { json.Field(nom, valeur); }});
    json.EndObject();
}

// The shortest text that reads back as the same number: 10.5, 3, 0.33333333333333331.
std::string TexteParts(double parts) {
    char tampon[64];
    const auto fin = std::to_chars(tampon, tampon + sizeof tampon, parts).ptr;
    return std::string(tampon, fin);
}

// A manager's record: its texts from the OEM code page, as other programs read them.
void EcrireGerant(JsonWriter& json, const char* role, const INTERVENANT_KV& g) {
    const auto texte = [](const auto& champ) { return ReadField(champ, sizeof champ, CodePage::Oem); };
    json.BeginObject().Field("Role", role).Field("Id", static_cast<int>(g.Id)).Field("Nom", texte(g.Nom));
    json.Field("EstPersonneMorale", g.EstPersonneMorale != 0).Field("Siret", texte(g.Siret));
    json.Field("AdrComplmt1", texte(g.AdrComplmt1)).Field("AdrComplmt2", texte(g.AdrComplmt2));
    json.Field("AdrNoVoie", texte(g.AdrNoVoie)).Field("AdrCmplNoVoie", texte(g.AdrCmplNoVoie));
    json.Field("AdrNomVoie", texte(g.AdrNomVoie)).Field("AdrBP", texte(g.AdrBP)).Field("AdrCP", texte(g.AdrCP));
    json.Field("AdrVille", texte(g.AdrVille)).Field("AdrIDPays", static_cast<int>(g.AdrIDPays)).EndObject();
}

}  // namespace

int AssocieModifier(const GlobalOptions& globals, int idAssocie, const AssocieAjouterOptions& options,
                    const std::vector<std::string>& donnees) {
    const std::set<std::string> colonnes = ColonnesDonnees(donnees);
    Session session = Session::WithDossier(globals);
    session.OuvrirModule();
    store::TdmKvarn& module = *frame::DataModule();
    const auto appliquer = [&](Associe& a) { AppliquerModification(options, a); };
    // The options' columns and the named ones together, or nothing.
    auto resultat = associates::Modification::Inconnu;
    db::AllOrNothing(module.Donnees().Session(), [&] {
        resultat = associates::ModifierAssocie(module, idAssocie, appliquer, colonnes);
        if (resultat == associates::Modification::Modifie && !options.champs.empty() &&
            !EcrireChamps(module, idAssocie, options.champs))
            resultat = associates::Modification::Inconnu;
    });
    switch (resultat) {
        case associates::Modification::Modifie: return kSucces;
        case associates::Modification::Inconnu: throw Refus("L'associé n° " + std::to_string(idAssocie) + " n'existe pas");
        case associates::Modification::NomPris: break;
    }
    throw Refus("Un autre associé porte déjà ce nom et ces prénoms");
}

int AssocieSupprimer(const GlobalOptions& globals, int idAssocie) {
    Session session = Session::WithDossier(globals);
    session.OuvrirModule();
    switch (associates::SupprimerAssocie(*frame::DataModule(), idAssocie)) {
        case associates::Suppression::Supprime: return kSucces;
        case associates::Suppression::Inconnu: throw Refus("L'associé n° " + std::to_string(idAssocie) + " n'existe pas");
        case associates::Suppression::Abandonnee: throw Refus("Suppression abandonnée");
        case associates::Suppression::DetientDesParts: break;
    }
    return kRefus;  // the module's error box has said why
}

int AssocieGerant(const GlobalOptions& globals, bool json) {
    Session session = Session::WithDossier(globals);
    session.OuvrirModule();
    INTERVENANT_KV gerant{};
    std::vector<std::pair<const char*, INTERVENANT_KV>> lignes;
    if (GetGerant(&gerant)) lignes.emplace_back("gerant", gerant);
    std::list<INTERVENANT_KV> cogerants;
    GetCogerant(cogerants);
    for (const INTERVENANT_KV& cogerant : cogerants) lignes.emplace_back("cogerant", cogerant);
    JsonWriter sortie;
    sortie.BeginArray();
    for (const auto& [role, g] : lignes) {
        if (json) EcrireGerant(sortie, role, g);
        else std::cout << role << '\t' << g.Id << '\t' << ReadField(g.Nom, sizeof g.Nom, CodePage::Oem) << '\n';
    }
    sortie.EndArray();
    if (json) std::cout << sortie.str() << '\n';
    return lignes.empty() ? kRefus : kSucces;
}

int AssocieAjouter(const GlobalOptions& globals, const AssocieAjouterOptions& options) {
    // The host first: a legal form is looked up in its list.
    Session session = Session::WithDossier(globals);
    Associe associe;
    AppliquerIdentite(options, associe);
    AppliquerNaissanceEtAdresse(options, associe);
    AppliquerParts(options, associe);
    session.OuvrirModule();
    // Creating under a name already in the table would overwrite that associate.
    if (const int cle = associates::CleAssocieNomme(*frame::DataModule(), associe.Nom, associe.Prenoms))
        throw Refus("L'associé n° " + std::to_string(cle) + " porte déjà ce nom et ces prénoms");
    associe.Creer();
    std::cout << associe.ShIDAssocie << '\n';
    return kSucces;
}

int AssocieLister(const GlobalOptions& globals, const AssocieListerOptions& options) {
    Session session = Session::WithDossier(globals);
    session.OuvrirModule();
    const CarteAssocies& associes = *DonnerListeAssocies(options.parNom);
    const OrdreAssocies& ordre = *DonnerOrdreAssocies(options.parNom);
    if (options.json) {
        JsonWriter json;
        json.BeginArray();
        for (const int id : ordre) EcrireJson(json, associes.at(id));
        json.EndArray();
        std::cout << json.str() << '\n';
        return kSucces;
    }
    for (const int id : ordre) {
        const Associe& a = associes.at(id);
        std::cout << a.ShIDAssocie << '\t' << a.Nom << '\t' << a.Prenoms << '\t' << a.GetTextQualite() << '\t'
                  << TexteParts(a.NbPartsPPFinExo) << '\t' << TexteParts(a.NbPartsUFinExo) << '\t'
                  << TexteParts(a.NbPartsNPFinExo)
                  << '\n';
    }
    return kSucces;
}

}  // namespace kvarn::cli
