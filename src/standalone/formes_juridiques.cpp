// The legal forms of the host list. Codes are frozen: never renumber, never reuse; add new
// forms with new codes.
#include "host/formes_juridiques.hpp"

#include "common/text.hpp"

#include <algorithm>

namespace kvarn::host {
namespace {

// code | abbreviation | label | label of the electronic returns
const std::vector<cFormeJuridique::Forme> kFormes{
    {FJ_ENTREPRISE_INDIVIDUELLE, "EI", "Entreprise individuelle", "EI"},
    {FJ_EIRL, "EIRL", "Entreprise individuelle à responsabilité limitée", "EIRL"},
    {FJ_EURL, "EURL", "Entreprise unipersonnelle à responsabilité limitée", "EURL"},
    {FJ_SARL, "SARL", "Société à responsabilité limitée", "SARL"},
    {FJ_SA, "SA", "Société anonyme", "SA"},
    {FJ_SAS, "SAS", "Société par actions simplifiée", "SAS"},
    {FJ_SASU, "SASU", "Société par actions simplifiée unipersonnelle", "SASU"},
    {FJ_SNC, "SNC", "Société en nom collectif", "SNC"},
    {FJ_SCS, "SCS", "Société en commandite simple", "SCS"},
    {FJ_SCA, "SCA", "Société en commandite par actions", "SCA"},
    {FJ_SCI, "SCI", "Société civile immobilière", "SCI"},
    {FJ_SCM, "SCM", "Société civile de moyens", "SCM"},
    {FJ_SCP, "SCP", "Société civile professionnelle", "SCP"},
    {FJ_SEP, "SEP", "Société en participation", "SEP"},
    {FJ_SELARL, "SELARL", "Société d'exercice libéral à responsabilité limitée", "SELARL"},
    {FJ_SELAS, "SELAS", "Société d'exercice libéral par actions simplifiée", "SELAS"},
    {FJ_SELAFA, "SELAFA", "Société d'exercice libéral à forme anonyme", "SELAFA"},
    {FJ_SELCA, "SELCA", "Société d'exercice libéral en commandite par actions", "SELCA"},
    {FJ_GAEC, "GAEC", "Groupement agricole d'exploitation en commun", "GAEC"},
    {FJ_EARL, "EARL", "Exploitation agricole à responsabilité limitée", "EARL"},
    {FJ_GFA, "GFA", "Groupement foncier agricole", "GFA"},
    {FJ_SCEA, "SCEA", "Société civile d'exploitation agricole", "SCEA"},
    {FJ_GFV, "GFV", "Groupement foncier viticole", "GFV"},
    {FJ_SOCIETE_CIVILE, "SC", "Société civile", "SC"},
    {FJ_SCPI, "SCPI", "Société civile de placement immobilier", "SCPI"},
    {FJ_SCCV, "SCCV", "Société civile de construction vente", "SCCV"},
    {FJ_ASSOCIATION, "ASSO", "Association", "ASSOCIATION"},
    {FJ_GIE, "GIE", "Groupement d'intérêt économique", "GIE"},
    {FJ_SCOP, "SCOP", "Société coopérative de production", "SCOP"},
    {FJ_COOPERATIVE, "COOP", "Société coopérative", "COOPERATIVE"},
    {FJ_SOCIETE_DE_FAIT, "SDF", "Société de fait", "SDF"},
    {FJ_INDIVISION, "INDIV", "Indivision", "INDIVISION"},
    {FJ_SPFPL, "SPFPL", "Société de participations financières de professions libérales", "SPFPL"},
    {FJ_SELURL, "SELURL", "Société d'exercice libéral à responsabilité limitée unipersonnelle", "SELURL"},
    {FJ_SCIC, "SCIC", "Société coopérative d'intérêt collectif", "SCIC"},
    {FJ_FONDATION, "FOND", "Fondation", "FONDATION"},
    {FJ_SYNDICAT_COPROPRIETAIRES, "SYND", "Syndicat de copropriétaires", "SYNDICAT"},
    {FJ_ETABLISSEMENT_PUBLIC, "EP", "Établissement public", "EP"},
    {FJ_COLLECTIVITE_TERRITORIALE, "CT", "Collectivité territoriale", "CT"},
    {FJ_MUTUELLE, "MUT", "Mutuelle", "MUTUELLE"},
    {FJ_FONDS_DE_DOTATION, "FDD", "Fonds de dotation", "FDD"},
    {FJ_SOCIETE_EUROPEENNE, "SE", "Société européenne", "SE"},
    {FJ_SELEURL, "SELEURL", "Société d'exercice libéral unipersonnelle à responsabilité limitée", "SELEURL"},
    {FJ_AUTRE, "AUTRE", "Autre forme juridique", "AUTRE"},
};

void Donner(std::string* sortie, const char* valeur) {
    if (sortie) *sortie = valeur;
}

}  // namespace

const std::vector<cFormeJuridique::Forme>& cFormeJuridique::Liste() { return kFormes; }

const cFormeJuridique::Forme* cFormeJuridique::Trouver(int code) {
    const auto forme = std::find_if(kFormes.begin(), kFormes.end(), [code](const Forme& f) { return f.code == code; });
    return forme == kFormes.end() ? nullptr : &*forme;
}

bool cFormeJuridique::DonnerInfos(int code, std::string* libelle, std::string* libelleEDI, std::string* abreviation,
                                  std::string* codeTexte) {
    const Forme* forme = Trouver(code);
    Donner(libelle, forme ? forme->libelle : "");
    Donner(libelleEDI, forme ? forme->libelleEDI : "");
    Donner(abreviation, forme ? forme->abreviation : "");
    if (codeTexte) *codeTexte = forme ? std::to_string(code) : "";
    return forme != nullptr;
}

void cFormeJuridique::AffecterComboBox(ListeChoix& liste, bool avecVide, bool trier, int formeSelectionnee) {
    liste = ListeChoix{};
    if (avecVide) liste.elements.push_back({"", 0});
    std::vector<Forme> formes = kFormes;
    if (trier)
        std::stable_sort(formes.begin(), formes.end(),
                         [](const Forme& a, const Forme& b) { return CompareFrench(a.libelle, b.libelle) < 0; });
    for (const Forme& forme : formes) liste.elements.push_back({forme.libelle, forme.code});
    liste.selection = liste.IndexDeObjet(formeSelectionnee);
}

}  // namespace kvarn::host
