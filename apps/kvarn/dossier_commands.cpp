#include "dossier_commands.hpp"

#include "adresse_commands.hpp"
#include "common/text.hpp"

#include "common/dates.hpp"
#include "common/fixed_field.hpp"
#include "common/ini_values.hpp"
#include "host/formes_juridiques.hpp"
#include "host/regimes.hpp"
#include "json.hpp"
#include "presentation.hpp"
#include "session.hpp"
#include "identification/numeros_dossier.hpp"
#include "standalone/nouveau_dossier.hpp"

#include <iostream>
#include <tuple>

namespace kvarn::cli {
namespace {

using standalone::DossierFichier;

// A code option: empty clears it (0), otherwise it must be one of the list's codes.
int Code(const std::string& valeur, const char* nomListe, const char* commandeListe, bool (*existe)(int)) {
    if (valeur.empty()) return 0;
    const auto code = ParseIniInteger(valeur);
    if (!code || !existe(*code))
        throw Refus("Code inconnu pour " + std::string(nomListe) + " : « " + valeur + " » (voir kvarn " +
                    commandeListe + ")");
    return *code;
}

// A date option: empty clears it (0).
double Date(const std::string& valeur, const char* option) {
    if (valeur.empty()) return 0;
    const auto date = ParseDate(valeur);
    if (!date) throw Refus("Date invalide pour " + std::string(option) + " : « " + valeur + " » (format jj/mm/aaaa)");
    return *date;
}

// The address options given, over the dossier's address; nothing happens when none is given.
void ModifierAdresse(DossierFichier& d, const AdresseOptions& a) {
    host::CAdresse adresse = d.GetAdresse();
    if (AppliquerAdresse(adresse, a)) d.MAJAdresse(adresse);
}

// The administrative record's options given, each refused beyond its field's width.
void ModifierDonneesAdministratives(DossierFichier& d, const DossierValeurs& v) {
    tagDONNEES_ADM adm;
    d.GetDonneesAdministratives(adm);
    const std::tuple<const std::optional<std::string>*, char*, std::size_t, const char*> champs[] = {
        {&v.frpSie, adm.CodeSIE, sizeof adm.CodeSIE, "--frp-sie"},
        {&v.frpDossier, adm.NoDossier, sizeof adm.NoDossier, "--frp-dossier"},
        {&v.frpCle, adm.Cle, sizeof adm.Cle, "--frp-cle"},
        {&v.regimeTva, adm.RegimeTVA, sizeof adm.RegimeTVA, "--regime-tva"},
        {&v.cdi, adm.CodeCDI, sizeof adm.CodeCDI, "--cdi"},
        {&v.inspection, adm.CodeInspection, sizeof adm.CodeInspection, "--inspection"},
        {&v.service, adm.NoService, sizeof adm.NoService, "--service"}};
    bool modifiees = false;
    for (const auto& [option, champ, taille, nom] : champs) {
        if (!*option) continue;
        if (CharacterCount(**option) > taille - 1)
            throw Refus(std::string(nom) + " : « " + **option + " » dépasse " + std::to_string(taille - 1) + " caractères");
        WriteCStringField(champ, taille, **option, CodePage::Ansi);
        modifiees = true;
    }
    if (modifiees) d.SetDonneesAdministratives(adm);
}

bool FormeExiste(int code) { return host::cFormeJuridique::Trouver(code) != nullptr; }
bool CategorieExiste(int code) { return host::cCategoriesImposition::DonnerInfos(code, nullptr, nullptr); }
bool RegimeFiscalExiste(int code) { return host::cRegimesFiscaux::DonnerInfos(code, nullptr, nullptr); }
bool RegimeImpositionExiste(int code) { return host::cRegimesImposition::DonnerInfos(code, nullptr, nullptr); }

// Every option given, through the record's setters; the record writes them all or none.
void ModifierDossier(DossierFichier& d, const DossierValeurs& v) {
    using Option = const std::optional<std::string>*;
    ModifierAdresse(d, v.adresse);
    const std::pair<Option, void (DossierFichier::*)(const std::string&)> textes[] = {
        {&v.raisonSociale, &DossierFichier::SetRaisonSociale}, {&v.nom, &DossierFichier::SetNom},
        {&v.prenom, &DossierFichier::SetPrenom},             {&v.libelle, &DossierFichier::SetLibelle},
        {&v.codeApe, &DossierFichier::SetCodeAPE},           {&v.codeApe2008, &DossierFichier::SetCodeAPE_2008},
        {&v.codeNace, &DossierFichier::SetCodeNACE},         {&v.activite, &DossierFichier::SetActivitePrincipale},
        {&v.identifiantIsa, &DossierFichier::SetIdentifiantISA},
        {&v.assistants, &DossierFichier::SetAssistantsInstalles}};
    for (const auto& [option, poser] : textes)
        if (*option) (d.*poser)(**option);
    const struct {
        Option option;
        void (DossierFichier::*poser)(int);
        const char* nomListe;
        const char* commandeListe;
        bool (*existe)(int);
    } codes[] = {{&v.formeJuridique, &DossierFichier::SetFormeJuridique, "la forme juridique", "formes-juridiques", FormeExiste},
                 {&v.categorie, &DossierFichier::SetCategorie, "la catégorie d'imposition", "categories", CategorieExiste},
                 {&v.regimeFiscal, &DossierFichier::SetRegimeFiscal, "le régime fiscal", "regimes", RegimeFiscalExiste},
                 {&v.regimeImposition, &DossierFichier::SetRegimeImposition, "le régime d'imposition", "regimes",
                  RegimeImpositionExiste}};
    for (const auto& c : codes)
        if (*c.option) (d.*c.poser)(Code(**c.option, c.nomListe, c.commandeListe, c.existe));
    const std::tuple<Option, void (DossierFichier::*)(double), const char*> dates[] = {
        {&v.debutExercice, &DossierFichier::SetDateDebutExercice, "--debut-exercice"},
        {&v.finExercice, &DossierFichier::SetDateFinExercice, "--fin-exercice"},
        {&v.debutExercicePrecedent, &DossierFichier::SetDateDebutExercicePrecedent, "--debut-exercice-precedent"},
        {&v.finExercicePrecedent, &DossierFichier::SetDateFinExercicePrecedent, "--fin-exercice-precedent"},
        {&v.dateSituation, &DossierFichier::SetDateSituation, "--date-situation"},
        {&v.debutActivite, &DossierFichier::SetDateDebutActivite, "--debut-activite"},
        {&v.cessationActivite, &DossierFichier::SetDateCessation, "--cessation-activite"},
        {&v.dernierExportIsacompta, &DossierFichier::SetDernierExportVersISACOMPTA, "--dernier-export-isacompta"}};
    for (const auto& [option, poser, nom] : dates)
        if (*option) (d.*poser)(Date(**option, nom));
    if (v.siret || v.tvaIntracom)
        d.SetNumerosIdentification(identification::AppliquerSaisie(d.GetNumerosIdentification(), {v.siret, v.tvaIntracom}));
    const std::tuple<host::TypeROF, Option, Option> rofs[] = {
        {host::TypeROF::TVA, &v.rofTva, &v.rofTvaCalculee}, {host::TypeROF::TDFC, &v.rofTdfc, &v.rofTdfcCalculee},
        {host::TypeROF::IS, &v.rofIs, &v.rofIsCalculee},    {host::TypeROF::CVAE, &v.rofCvae, &v.rofCvaeCalculee},
        {host::TypeROF::RCM, &v.rofRcm, &v.rofRcmCalculee}};
    for (const auto& [type, saisie, calculee] : rofs) {
        if (*saisie) d.SetROFSaisie(type, **saisie);
        if (*calculee) d.SetROFCalculee(type, **calculee);
    }
    if (v.dateEngagement) {
        try {
            d.SetDateEngagement(Date(*v.dateEngagement, "--date-engagement"));
        } catch (const std::invalid_argument& erreur) {
            throw Refus(erreur.what());
        }
    }
    ModifierDonneesAdministratives(d, v);
    if (v.lanceParIsa) {
        const auto lance = ParseIniInteger(v.lanceParIsa->empty() ? "0" : *v.lanceParIsa);
        if (!lance) throw Refus("--lance-par-isa attend 1 ou 0 : « " + *v.lanceParIsa + " »");
        d.SetLanceParISAGI(*lance != 0);
    }
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

std::vector<Groupe> Presentation(DossierFichier& d) {
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
        GroupeAdresse("adresse", "", a),
    };
}

}  // namespace

int DossierCreer(const GlobalOptions& globals, const DossierCreerOptions& options) {
    if (options.repertoire.empty()) throw MauvaisUsage("le répertoire du dossier à créer est obligatoire");
    (void)globals;
    standalone::CreerNouveauDossier(options.repertoire, [&](DossierFichier& d) { ModifierDossier(d, options.valeurs); });
    return kSucces;
}

int DossierModifier(const GlobalOptions& globals, const DossierValeurs& valeurs) {
    Session session = Session::WithDossier(globals, Acces::Modification);
    session.dossier().Modifier([&](DossierFichier& d) { ModifierDossier(d, valeurs); });
    return kSucces;
}

int DossierAfficher(const GlobalOptions& globals, const DossierAfficherOptions& options) {
    Session session = Session::WithDossier(globals);
    DossierFichier& d = session.dossier();
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
