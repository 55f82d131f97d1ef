#include "info_commands.hpp"

#include "common/codepage.hpp"
#include "common/dates.hpp"
#include "common/fixed_field.hpp"
#include "common/nulls.hpp"
#include "frame/etat_module.hpp"
#include "presentation.hpp"
#include "session.hpp"

#include <kvarn/accesseurs.hpp>
#include <kvarn/environnement.hpp>

#include <charconv>
#include <iostream>
#include <iterator>
#include <tuple>

namespace kvarn::cli {
namespace {

// JSON keys of the obligations, in the order of their types (0 TVA to 4 RCM).
constexpr const char* kClesROF[] = {"tva", "tdfc", "is", "cvae", "rcm"};

std::string Nombre(double valeur) {
    char texte[32];
    const auto fin = std::to_chars(texte, texte + sizeof texte, valeur).ptr;
    return std::string(texte, fin);
}

// An integer setting, empty when not set.
std::string Entier(int valeur) { return valeur == NULL_ENTIER ? std::string() : std::to_string(valeur); }

std::string OuiNon(bool valeur) { return valeur ? "oui" : "non"; }

std::string Code(int code, const std::string& libelle) {
    return code == 0 ? std::string() : std::to_string(code) + (libelle.empty() ? "" : " - " + libelle);
}

Groupe Repertoires() {
    return {"repertoires", "Répertoires et alias",
            {{"dossier", "Dossier", GetRepDossier()}, {"commun", "Commun", GetRepCommun()},
             {"temporaire", "Temporaire", GetRepTmp()}, {"programme", "Programme", GetRepExe()},
             {"alias_dossier", "Alias du dossier", GetAliasDossier()}, {"alias_tmp", "Alias temporaire", GetAliasTmp()},
             {"alias_commun", "Alias commun", GetAliasCommun()}}};
}

Groupe Exercice() {
    return {"exercice", "Exercice",
            {{"libelle", "Exercice", GetExerciceDossier()}, {"debut", "Début", FormatDate(GetDateDebEx())},
             {"fin", "Fin", FormatDate(GetDateFinEx())},
             {"debut_precedent", "Début de l'exercice précédent", FormatDate(GetDateDebExNm1())},
             {"fin_precedent", "Fin de l'exercice précédent", FormatDate(GetDateFinExNm1())},
             {"situation", "Date de situation", FormatDate(GetDateSituation())},
             {"debut_activite", "Début d'activité", FormatDate(GetDateDebActivite())},
             {"cessation_activite", "Cessation d'activité", FormatDate(GetDateCessationActivite())},
             {"tenu_en", "Tenu en", GetTenuEn()}}};
}

Groupe Fiscalite() {
    return {"fiscalite", "Forme juridique et régimes",
            {{"forme_juridique", "Forme juridique", Code(RecupFormeJuridique(), RecupLibelleFormeJuridique())},
             {"forme_courte", "Abréviation", RecupFormeJuridiqueCourte()},
             {"entreprise_individuelle", "Entreprise individuelle", OuiNon(GetDossierEstEntrepriseIndividuel())},
             {"regime_fiscal", "Régime fiscal", Code(RecupRegimeFiscal(), "")},
             {"regime_imposition", "Régime d'imposition", Code(RecupRegimeImposition(), "")},
             {"categorie", "Catégorie d'imposition", Code(GetCategorieImposition(), "")},
             {"mode_chargement", "Mode de chargement", std::to_string(frame::DataModule()->ModeChargement())},
             {"pme", "PME au sens communautaire", OuiNon(GetEstPMEAuSensCommunautaire())}}};
}

Groupe Identification() {
    tagNOINTRACOMM numero{};
    GetNoIntraComm(numero);
    // Without its prefix the SIREN alone is no intra-community number.
    const std::string prefixe = ReadField(numero.Prefixe, sizeof numero.Prefixe, CodePage::Ansi);
    const std::string intracom =
        prefixe.empty() ? std::string() : prefixe + ReadField(numero.Siren, sizeof numero.Siren, CodePage::Ansi);
    return {"identification", "Identification",
            {{"siren", "SIREN", GetSirenDossier()}, {"siret", "SIRET", GetSiretDossier()},
             {"tva_intracom", "N° TVA intracommunautaire", intracom}, {"code_ape", "Code APE", GetCodeAPE()},
             {"code_ape_2008", "Code APE 2008", GetCodeAPE2008()}, {"code_nace", "Code NACE", GetCodeNACE()},
             {"activite", "Activité principale", GetActivitePrincipale()},
             {"siren_societe_associee", "SIREN de la société dont le dossier est associé",
              GetSiretSEP_SCP_SCM_Dossier()}}};
}

Groupe References() {
    Groupe groupe{"rof", "Références obligations fiscales (ROF)", {}};
    for (int type = 0; type < static_cast<int>(std::size(kClesROF)); ++type) {
        std::string libelle, saisie, calculee;
        GetROFSaisieEtCalculee(type, libelle, saisie, calculee);
        const std::string cle = kClesROF[type];
        groupe.lignes.push_back({cle + "_saisie", libelle + " saisie", saisie});
        groupe.lignes.push_back({cle + "_calculee", libelle + " calculée", calculee});
        groupe.lignes.push_back({cle + "_retenue", libelle + " retenue", GetRofRetenue(type)});
    }
    return groupe;
}

Groupe Adresse(const char* cle, const char* titre, const TAdresseFormatTDFC& a, const std::string& nom = {}) {
    return {cle, titre,
            {{"nom", "Nom", nom}, {"complement1", "Complément 1", a.Complement1},
             {"complement2", "Complément 2", a.Complement2}, {"numero_voie", "Numéro", a.NoVoie},
             {"indice_repetition", "Indice de répétition", a.IndiceRepetition}, {"voie", "Voie", a.NomVoie},
             {"bp", "BP", a.BP}, {"cp", "Code postal", a.CP}, {"ville", "Ville", a.Ville},
             {"pays", "Pays", std::to_string(a.IDPays)},
             {"bureau_distributeur", "Bureau distributeur", a.BureauDistributeur},
             {"telephone", "Téléphone", a.Telephone}}};
}

std::vector<Groupe> Adresses() {
    TAdresseFormatTDFC dossier, declarant, siege, siegePrecedent, destinataire;
    GetAdresseDestDec(dossier, declarant);
    GetAdresseSiegeSocial(&siegePrecedent, &siege);
    std::string nomDestinataire;
    GetAdresseDestDiff(destinataire, nomDestinataire);
    Groupe groupeDeclarant = Adresse("adresse_declarant", "Adresse du déclarant", declarant);
    groupeDeclarant.lignes.push_back(
        {"differente", "Différente de celle du destinataire", OuiNon(GetAdrDeclarDiffDeAdrDest())});
    return {Adresse("adresse_dossier", "Adresse du dossier", dossier), groupeDeclarant,
            Adresse("siege_social", "Siège social", siege),
            Adresse("siege_social_precedent", "Siège social de l'exercice précédent", siegePrecedent),
            Adresse("destinataire", "Destinataire autre que le déclarant", destinataire, nomDestinataire)};
}

Groupe Intervenants() {
    using Lecture = bool (*)(INTERVENANT_KV&);
    const std::tuple<const char*, const char*, Lecture> parties[] = {
        {"comptable", "Comptable", GetComptableSelectionne}, {"conseil", "Conseil", GetConseilSelectionne},
        {"administrateur", "Administrateur de biens", GetAdminSelectionne}, {"aga", "AGA", GetAGASelectionne},
        {"sie", "SIE", GetSIESelectionne}, {"cgi", "CGI", GetCGISelectionne}};
    Groupe groupe{"intervenants", "Intervenants", {}};
    for (const auto& [cle, titre, lire] : parties) {
        INTERVENANT_KV partie{};
        const bool present = lire(partie);
        groupe.lignes.push_back({cle, titre, present ? ReadField(partie.Nom, sizeof partie.Nom, CodePage::Oem) : ""});
    }
    return groupe;
}

Groupe Capital() {
    return {"capital", "Capital et règlement",
            {{"montant", "Capital", Nombre(GetMontantCapital())},
             {"montant_debut", "Capital au début de l'exercice", Nombre(GetMontantCapitalDebEx())},
             {"parts_debut", "Parts au début de l'exercice", Nombre(GetNombrePartsDebEx())},
             {"mode_paiement", "Mode de paiement", Entier(GetModePaiement())},
             {"nb_virements", "Nombre de virements", Entier(GetNbVirements())}}};
}

}  // namespace

int Info(const GlobalOptions& globals, const InfoOptions& options) {
    Session session = Session::WithDossier(globals);
    session.OuvrirModule();
    std::vector<Groupe> groupes{Repertoires(), Exercice(), Fiscalite(), Identification(), References()};
    for (Groupe& g : Adresses()) groupes.push_back(std::move(g));
    groupes.push_back(Intervenants());
    groupes.push_back(Capital());
    Afficher(groupes, options.json);
    return kSucces;
}

}  // namespace kvarn::cli
