#include "dossier_commands.hpp"

#include "common/dates.hpp"
#include "common/fixed_field.hpp"
#include "common/ini_values.hpp"
#include "host/formes_juridiques.hpp"
#include "host/pays.hpp"
#include "host/regimes.hpp"
#include "json.hpp"
#include "presentation.hpp"
#include "session.hpp"
#include "standalone/verifications.hpp"
#include "store/nouveau_dossier.hpp"

#include <functional>
#include <iostream>

namespace kvarn::cli {
namespace {

using standalone::ValeurDossier;
using Valeurs = std::vector<ValeurDossier>;

void Ajouter(Valeurs& out, const char* section, const char* cle, const std::optional<std::string>& valeur) {
    if (valeur) out.push_back({section, cle, *valeur});
}

// A code option: empty clears it, otherwise it must be one of the list's codes.
void AjouterCode(Valeurs& out, const char* cle, const std::optional<std::string>& valeur, const char* nomListe,
                 const char* commandeListe, const std::function<bool(int)>& existe) {
    if (!valeur) return;
    if (!valeur->empty()) {
        const auto code = ParseIniInteger(*valeur);
        if (!code || !existe(*code))
            throw Refus("Code inconnu pour " + std::string(nomListe) + " : « " + *valeur + " » (voir kvarn " +
                        commandeListe + ")");
    }
    out.push_back({"Dossier", cle, *valeur});
}

void AjouterDate(Valeurs& out, const char* section, const char* cle, const std::optional<std::string>& valeur,
                 const char* option) {
    if (valeur && !valeur->empty() && !ParseDate(*valeur))
        throw Refus("Date invalide pour " + std::string(option) + " : « " + *valeur + " » (format jj/mm/aaaa)");
    Ajouter(out, section, cle, valeur);
}

// The SIRET sets the SIREN and the NIC; the VAT number sets the prefix, and the SIREN only for a
// dossier that has none yet (the record refuses a VAT number that does not fit its SIREN).
void AjouterIdentification(Valeurs& out, const DossierValeurs& v, const std::string& sirenActuel) {
    std::optional<std::string> sirenDuSiret;
    if (v.siret) {
        if (const auto verdict = standalone::VerifierSaisieSIRET(*v.siret); !verdict) throw Refus(verdict.raison);
        sirenDuSiret = v.siret->substr(0, std::min<std::size_t>(9, v.siret->size()));
        out.push_back({"Identification", "Siren", *sirenDuSiret});
        out.push_back({"Identification", "Nic", v.siret->size() > 9 ? v.siret->substr(9) : ""});
    }
    if (v.tvaIntracom) {
        if (v.tvaIntracom->empty()) {
            out.push_back({"Identification", "Prefixe", ""});
            return;
        }
        if (const auto verdict = standalone::VerifierTVAIntracommunautaire(*v.tvaIntracom); !verdict)
            throw Refus(verdict.raison);
        const std::string siren = v.tvaIntracom->substr(4);
        if (sirenDuSiret && !sirenDuSiret->empty() && *sirenDuSiret != siren)
            throw Refus("Le numéro de TVA intracommunautaire " + *v.tvaIntracom + " ne porte pas le SIREN du SIRET (" +
                        *sirenDuSiret + ")");
        out.push_back({"Identification", "Prefixe", v.tvaIntracom->substr(0, 4)});
        if (!sirenDuSiret && sirenActuel.empty()) out.push_back({"Identification", "Siren", siren});
    }
}

void AjouterAdresse(Valeurs& out, const AdresseOptions& a) {
    const std::pair<const char*, const std::string*> textes[] = {
        {"Complement1", &a.complement1}, {"Complement2", &a.complement2}, {"NoVoie", &a.numeroVoie},
        {"CmplNoVoie", &a.indiceRepetition}, {"NomVoie", &a.voie}, {"BP", &a.bp}, {"CP", &a.cp},
        {"Ville", &a.ville}, {"Telephone", &a.telephone}, {"Fax", &a.fax}, {"Email", &a.email},
        {"BureauDistributeur", &a.bureauDistributeur}, {"CodeInsee", &a.codeInsee}};
    for (const auto& [cle, valeur] : textes)
        if (!valeur->empty()) out.push_back({"Adresse", cle, *valeur});
    if (a.pays) {
        if (!host::TListePays::Trouver(*a.pays)) throw Refus("Pays inconnu : " + std::to_string(*a.pays) + " (voir kvarn pays)");
        out.push_back({"Adresse", "Pays", std::to_string(*a.pays)});
    }
}

Valeurs ValeursDuDossier(const DossierValeurs& v, const std::string& sirenActuel) {
    Valeurs out;
    AjouterAdresse(out, v.adresse);
    Ajouter(out, "Dossier", "RaisonSociale", v.raisonSociale);
    Ajouter(out, "Dossier", "Nom", v.nom);
    Ajouter(out, "Dossier", "Prenom", v.prenom);
    Ajouter(out, "Dossier", "Libelle", v.libelle);
    AjouterCode(out, "FormeJuridique", v.formeJuridique, "la forme juridique", "formes-juridiques",
                [](int c) { return host::cFormeJuridique::Trouver(c) != nullptr; });
    AjouterCode(out, "Categorie", v.categorie, "la catégorie d'imposition", "categories",
                [](int c) { return host::cCategoriesImposition::DonnerInfos(c, nullptr, nullptr); });
    AjouterCode(out, "RegimeFiscal", v.regimeFiscal, "le régime fiscal", "regimes",
                [](int c) { return host::cRegimesFiscaux::DonnerInfos(c, nullptr, nullptr); });
    AjouterCode(out, "RegimeImposition", v.regimeImposition, "le régime d'imposition", "regimes",
                [](int c) { return host::cRegimesImposition::DonnerInfos(c, nullptr, nullptr); });
    AjouterDate(out, "Exercice", "Debut", v.debutExercice, "--debut-exercice");
    AjouterDate(out, "Exercice", "Fin", v.finExercice, "--fin-exercice");
    AjouterDate(out, "Exercice", "DebutPrecedent", v.debutExercicePrecedent, "--debut-exercice-precedent");
    AjouterDate(out, "Exercice", "FinPrecedent", v.finExercicePrecedent, "--fin-exercice-precedent");
    AjouterDate(out, "Exercice", "Situation", v.dateSituation, "--date-situation");
    AjouterDate(out, "Activite", "Debut", v.debutActivite, "--debut-activite");
    AjouterDate(out, "Activite", "Cessation", v.cessationActivite, "--cessation-activite");
    AjouterDate(out, "Dossier", "DernierExportISACOMPTA", v.dernierExportIsacompta, "--dernier-export-isacompta");
    AjouterIdentification(out, v, sirenActuel);
    Ajouter(out, "Activite", "CodeAPE", v.codeApe);
    Ajouter(out, "Activite", "CodeAPE2008", v.codeApe2008);
    Ajouter(out, "Activite", "CodeNACE", v.codeNace);
    Ajouter(out, "Activite", "ActivitePrincipale", v.activite);
    const std::pair<const char*, const std::optional<std::string>*> rofs[] = {
        {"TVA", &v.rofTva}, {"TDFC", &v.rofTdfc}, {"IS", &v.rofIs}, {"CVAE", &v.rofCvae}, {"RCM", &v.rofRcm},
        {"TVACalculee", &v.rofTvaCalculee}, {"TDFCCalculee", &v.rofTdfcCalculee}, {"ISCalculee", &v.rofIsCalculee},
        {"CVAECalculee", &v.rofCvaeCalculee}, {"RCMCalculee", &v.rofRcmCalculee}};
    for (const auto& [cle, valeur] : rofs) Ajouter(out, "ROF", cle, *valeur);
    Ajouter(out, "Dossier", "IdentifiantISA", v.identifiantIsa);
    Ajouter(out, "Hote", "LanceParISAGI", v.lanceParIsa);
    Ajouter(out, "Hote", "AssistantsInstalles", v.assistants);
    return out;
}

std::string Libelle(int code, bool (*donner)(int, std::string*, std::string*)) {
    std::string libelle;
    donner(code, &libelle, nullptr);
    return libelle;
}

std::string LibelleForme(int code) {
    std::string libelle;
    host::cFormeJuridique::DonnerInfos(code, &libelle, nullptr, nullptr, nullptr);
    return libelle;
}

std::vector<Groupe> Presentation(standalone::DossierFichier& d) {
    const auto date = [](double jour) { return FormatDate(jour); };
    const auto code = [](int c, const std::string& libelle) {
        return c == 0 ? std::string() : std::to_string(c) + (libelle.empty() ? "" : " - " + libelle);
    };
    tagNOINTRACOMM numero;
    d.GetNoIntraComm(numero);
    const std::string intracom = ReadField(numero.Prefixe, 4, CodePage::Ansi) + ReadField(numero.Siren, 9, CodePage::Ansi);
    std::string tdfc1, tdfc2, is1, is2, tdfcC1, tdfcC2, isC1, isC2;
    d.GetROF_TDFC(tdfc1, tdfc2, false);
    d.GetROF_TDFC(tdfcC1, tdfcC2, true);
    d.GetROF_IS(is1, is2, false);
    d.GetROF_IS(isC1, isC2, true);
    const host::CAdresse a = d.GetAdresse();
    const host::Pays* pays = host::TListePays::Trouver(a.IDPays);
    return {
        {"identite", "", {{"raison_sociale", "Raison sociale", d.GetRaisonSociale()}, {"nom", "Nom", d.GetNom()},
                      {"prenom", "Prénom", d.GetPrenom()}, {"libelle", "Libellé", d.GetLibelle()}}},
        {"fiscalite", "", {{"forme_juridique", "Forme juridique", code(d.GetFormeJuridique(), LibelleForme(d.GetFormeJuridique()))},
                       {"categorie", "Catégorie d'imposition",
                        code(d.GetCategorie(), Libelle(d.GetCategorie(), host::cCategoriesImposition::DonnerInfos))},
                       {"regime_fiscal", "Régime fiscal",
                        code(d.GetRegimeFiscal(), Libelle(d.GetRegimeFiscal(), host::cRegimesFiscaux::DonnerInfos))},
                       {"regime_imposition", "Régime d'imposition",
                        code(d.GetRegimeImposition(), Libelle(d.GetRegimeImposition(), host::cRegimesImposition::DonnerInfos))}}},
        {"exercice", "", {{"debut", "Début de l'exercice", date(d.GetDateDebutExercice())},
                      {"fin", "Fin de l'exercice", date(d.GetDateFinExercice())},
                      {"debut_precedent", "Début de l'exercice précédent", date(d.GetDateDebutExercicePrecedent())},
                      {"fin_precedent", "Fin de l'exercice précédent", date(d.GetDateFinExercicePrecedent())},
                      {"situation", "Date de situation", date(d.GetDateSituation())},
                      {"debut_activite", "Début d'activité", date(d.GetDateDebutActivite())},
                      {"cessation_activite", "Cessation d'activité", date(d.GetDateCessation())}}},
        {"identification", "", {{"siret", "SIRET", d.GetSIRET()}, {"tva_intracom", "N° TVA intracommunautaire", intracom},
                            {"code_ape", "Code APE", d.GetCodeAPE()}, {"code_ape_2008", "Code APE 2008", d.GetCodeAPE_2008()},
                            {"code_nace", "Code NACE", d.GetCodeNACE()},
                            {"activite", "Activité principale", d.GetActivitePrincipale()}}},
        {"rof", "", {{"tva", "ROF TVA", d.GetROF_TVA(false)}, {"tdfc", "ROF TDFC", tdfc1 + tdfc2}, {"is", "ROF IS", is1 + is2},
                 {"cvae", "ROF CVAE", d.GetROF_CVAE(false)}, {"rcm", "ROF RCM", d.GetROF_RCM(false)},
                 {"tva_calculee", "ROF TVA calculée", d.GetROF_TVA(true)},
                 {"tdfc_calculee", "ROF TDFC calculée", tdfcC1 + tdfcC2}, {"is_calculee", "ROF IS calculée", isC1 + isC2},
                 {"cvae_calculee", "ROF CVAE calculée", d.GetROF_CVAE(true)},
                 {"rcm_calculee", "ROF RCM calculée", d.GetROF_RCM(true)}}},
        {"adresse", "", {{"complement1", "Complément 1", a.Complement1}, {"complement2", "Complément 2", a.Complement2},
                     {"numero_voie", "Numéro", a.NoVoie}, {"indice_repetition", "Indice de répétition", a.CmplNoVoie},
                     {"voie", "Voie", a.NomVoie}, {"bp", "BP", a.BP}, {"cp", "Code postal", a.CP}, {"ville", "Ville", a.Ville},
                     {"bureau_distributeur", "Bureau distributeur", a.BureauDistributeur},
                     {"pays", "Pays", pays ? pays->libelle : std::to_string(a.IDPays)},
                     {"telephone", "Téléphone", a.Telephone}, {"fax", "Télécopie", a.Fax}, {"email", "Courriel", a.Email}}},
    };
}

}  // namespace

int DossierCreer(const GlobalOptions& globals, const DossierCreerOptions& options) {
    if (options.repertoire.empty()) throw MauvaisUsage("le répertoire du dossier à créer est obligatoire");
    (void)globals;
    standalone::DossierFichier::Creer(options.repertoire, ValeursDuDossier(options.valeurs, ""));
    store::InitialiserNouveauDossier(options.repertoire);
    return kSucces;
}

int DossierModifier(const GlobalOptions& globals, const DossierValeurs& valeurs) {
    Session session = Session::WithDossier(globals);
    tagNOINTRACOMM numero;
    session.dossier().GetNoIntraComm(numero);
    session.dossier().Modifier(ValeursDuDossier(valeurs, ReadField(numero.Siren, sizeof numero.Siren, CodePage::Ansi)));
    return kSucces;
}

int DossierAfficher(const GlobalOptions& globals, const DossierAfficherOptions& options) {
    Session session = Session::WithDossier(globals);
    standalone::DossierFichier& d = session.dossier();
    const auto groupes = Presentation(d);
    if (options.json) {
        JsonWriter json;
        json.BeginObject().Field("repertoire", d.Repertoire().string());
        EcrireJson(json, groupes);
        json.Key("intervenants").BeginObject();
        for (const auto& i : session.host().Annuaire().Lister())
            if (d.GetIntervenantAttache(i.Type) == i.Id) json.Field(standalone::NomTypeIntervenant(i.Type), i.Nom);
        json.EndObject().EndObject();
        std::cout << json.str() << '\n';
        return kSucces;
    }
    std::cout << "Dossier " << d.Repertoire().string() << '\n';
    EcrireTexte(std::cout, groupes);
    for (const auto& i : session.host().Annuaire().Lister())
        if (d.GetIntervenantAttache(i.Type) == i.Id)
            std::cout << "  Intervenant (" << standalone::NomTypeIntervenant(i.Type) << ") : " << i.Nom << '\n';
    return kSucces;
}

}  // namespace kvarn::cli
