#include "identification/screens/general_numbers_screen.hpp"

#include "common/codepage.hpp"
#include "common/dates.hpp"
#include "common/fixed_field.hpp"
#include "common/text.hpp"
#include "environment/messages_rof.hpp"
#include "frame/etat_module.hpp"
#include "frame/screens/screen_registry.hpp"
#include "host/boites.hpp"
#include "host/regimes.hpp"
#include "host/verifications.hpp"
#include "identification/screens/ecran_protege.hpp"
#include "identification/screens/references_fiscales.hpp"

#include <kvarn/no_intracomm.hpp>

#include <algorithm>
#include <memory>

namespace kvarn::identification {

const std::array<const char*, 19> kRegimesTVA{
    "EM - Réel mensuel",
    "ET - Réel trimestriel",
    "RM - Mini réel mensuel",
    "RT - Mini réel trimestriel",
    "AM - Acomptes provisionnels mensuels",
    "EO - BNC allégé",
    "ES - Saisonnier",
    "RS - Mini réel saisonnier",
    "ST - RSI - Simplifié trimestriel",
    "AET - Réel trimestriel agricole",
    "AST - RSA - Simplifié agricole",
    "NI - Non imposable",
    "EB - Réel franchise",
    "SB - Simplifié franchise",
    "RFA - Remboursement forfaitaire agricole",
    "FBM - Franchise micro BA agricole",
    "SA - Sans activité (sommeil)",
    "EA - Etablissement secondaire (pour mémoire)",
    "RAT - TVA activités catégorielles distinctes",
};

namespace {

using environment::cEnvironBaseKV;

constexpr const char* kPrefixe = "prefixe";
constexpr const char* kApe = "ape";
constexpr const char* kApe2008 = "ape-2008";
constexpr const char* kNace = "nace";
constexpr const char* kPme = "pme";
constexpr const char* kRegime = "regime-tva";
constexpr const char* kDesignation = "designation";
constexpr const char* kDebut = "debut-activite";
constexpr const char* kCessation = "cessation-activite";
constexpr const char* kOui = "oui";
constexpr const char* kNon = "non";
constexpr std::size_t kLongueurCodeRegime = 3;

// One row of the ROF tab, in display order; `type` is the obligation's number in the environment's
// operations.
struct LigneROF {
    const char* nom;
    const char* entree;
    const char* libelle;
    const char* calculee;
    int type;
    int largeur;
    void (cEnvironBaseKV::*ecrire)(const std::string&);
};
constexpr LigneROF kLignes[CNumGeneraux::NB_ROF] = {
    {"TVA", "rof-tva", "rof-tva-libelle", "rof-tva-calculee", 0, 3, &cEnvironBaseKV::SetROF_TVA},
    {"TDFC", "rof-tdfc", "rof-tdfc-libelle", "rof-tdfc-calculee", 1, 5, &cEnvironBaseKV::SetROF_TDFC},
    {"CVAE", "rof-cvae", "rof-cvae-libelle", "rof-cvae-calculee", 3, 5, &cEnvironBaseKV::SetROF_CVAE},
    {"IS", "rof-is", "rof-is-libelle", "rof-is-calculee", 2, 5, &cEnvironBaseKV::SetROF_IS},
    {"RCM", "rof-rcm", "rof-rcm-libelle", "rof-rcm-calculee", 4, 5, &cEnvironBaseKV::SetROF_RCM},
};
constexpr std::size_t kLigneTDFC = 1;
constexpr std::size_t kLigneIS = 3;

// The number of a reference: what follows its letters ("BIC12" gives "12").
std::string PartieNumero(const std::string& reference) {
    const auto lettres = std::find_if(reference.begin(), reference.end(), [](char c) { return c >= '0' && c <= '9'; });
    return std::string(lettres, reference.end());
}

// Two numbers compared as numbers ("012" and "12" are the same reference).
bool MemeNumero(const std::string& a, const std::string& b) {
    const auto sansZeros = [](const std::string& n) {
        const std::size_t debut = n.find_first_not_of('0');
        return debut == std::string::npos ? std::string("0") : n.substr(debut);
    };
    return sansZeros(a) == sansZeros(b);
}

std::string TexteDate(double date) { return date == 0 ? std::string() : FormatDate(date); }

std::string CodeRegime(const std::string& entree) { return Trim(entree.substr(0, kLongueurCodeRegime)); }

void MontrerSi(frame::Field& field, bool visible) { field.visible = field.visible && visible; }

std::unique_ptr<frame::Screen> Creer(const frame::ScreenRequest& demande) {
    if (demande.typeRof < 0) return std::make_unique<TfrmNumGeneraux>();
    return std::make_unique<TfrmNumGeneraux>(TfrmNumGeneraux::PourROF(demande.typeRof, demande.rofObligatoire));
}

const frame::ScreenRegistration kEnregistrement{"TfrmNumGeneraux", frame::ScreenFactory(Creer)};

}  // namespace

LibellesROF LibellesLignesROF(int categorie, int regime) {
    const bool is = regime == host::RI_IS;
    switch (categorie) {
        case host::CI_BIC: return {is ? "IS" : "BIC", is ? "IS" : ""};
        case host::CI_BA: return {is ? "IS" : "BA", is ? "IS" : ""};
        case host::CI_BNC: return {"BNC", ""};
        case host::CI_RF:
        case host::CI_RF_SOCIETE_IMMOBILIERE: return {"RF", ""};
        case host::CI_IS_GROUPE: return {"ISGROUPE", "ISGROUPE"};
        case host::CI_BIC_2036: return {"BIC", ""};
        default: return {};
    }
}

const char* TfrmNumGeneraux::LibelleOnglet(Onglet onglet) {
    static constexpr const char* kLibelles[] = {"Numéros d'identification ", "ROF", "Information TVA", "Activité"};
    return kLibelles[onglet];
}

CNumGeneraux TfrmNumGeneraux::ParDefaut() {
    return CNumGeneraux(0, true, true, true, true, false, true, true, true, true, true, true, true, false, false,
                        false, false, false);
}

CNumGeneraux TfrmNumGeneraux::PourROF(int typeRof, bool obligatoire) {
    CNumGeneraux affichage(0, false, false, false, false, false, false, false, false, false, false, false, false,
                           false, false, false, false, false);
    for (std::size_t i = 0; i < std::size(kLignes); ++i)
        if (kLignes[i].type == typeRof) {
            affichage.AfficherROF[i] = true;
            affichage.ROFObligatoire[i] = obligatoire;
        }
    return affichage;
}

TfrmNumGeneraux::TfrmNumGeneraux(const CNumGeneraux& affichage, Imposition imposition, bool detache)
    : affichage_(affichage), imposition_(std::move(imposition)), detache_(detache) {
    Declare({.name = kPrefixe, .label = "Préfixe intracommunautaire", .width = 4});
    for (frame::Field& champ : siren_.Champs("SIREN", "NIC", false)) Declare(std::move(champ));
    Declare({.name = kApe, .label = "Code APE avant le 01/01/2008", .width = 5});
    Declare({.name = kApe2008, .label = "Code APE à partir du 01/01/2008", .width = 5});
    Declare({.name = kNace, .label = "Code NACE", .width = 6});
    Declare({.name = kPme, .label = "PME au sens communautaire", .value = kNon});
    for (const LigneROF& ligne : kLignes) {
        Declare({.name = ligne.libelle, .label = std::string("Libellé ") + ligne.nom, .readOnly = true});
        Declare({.name = ligne.calculee, .label = std::string("ROF ") + ligne.nom + " affichée", .readOnly = true});
        Declare({.name = ligne.entree, .label = std::string("ROF ") + ligne.nom + " saisie", .width = ligne.largeur});
        DeclareGenre(ligne.entree, GenreSaisie::Chiffres);
    }
    frame::Field regime{.name = kRegime, .label = "Régime TVA :"};
    regime.choices.assign(kRegimesTVA.begin(), kRegimesTVA.end());
    Declare(std::move(regime));
    for (ChampReference& reference : ChampsReferencesFiscales()) {
        DeclareGenre(reference.field.name, reference.genre);
        Declare(std::move(reference.field));
    }
    Declare({.name = kDesignation, .label = "Désignation"});
    Declare({.name = kDebut, .label = "Début d'activité le", .readOnly = true, .width = 10});
    Declare({.name = kCessation, .label = "Cessation d'activité le", .width = 10});
    for (const char* code : {kPrefixe, kApe, kApe2008, kNace}) DeclareGenre(code, GenreSaisie::Code);
    DeclareGenre(kPme, GenreSaisie::Coche);
    for (const std::string& groupe : siren_.Noms()) DeclareGenre(groupe, GenreSaisie::Chiffres);
    AppliquerAffichage(affichage_);
}

void TfrmNumGeneraux::AppliquerAffichage(const CNumGeneraux& a) {
    const bool identification = a.AfficherIdentification;
    for (const std::string& groupe : siren_.Noms()) MontrerSi(FieldRef(groupe), identification && a.AfficherSirenNic);
    const auto montrer = [this](const char* champ, bool visible) { MontrerSi(FieldRef(champ), visible); };
    montrer(kPrefixe, identification && a.AfficherPrefixe);
    montrer(kApe, identification && a.AfficherAPE && a.AfficherAPEAvant2008);
    montrer(kApe2008, identification && a.AfficherAPE);
    montrer(kNace, identification && a.AfficherAPE);
    montrer(kPme, identification);
    for (std::size_t i = 0; i < std::size(kLignes); ++i)
        for (const char* champ : {kLignes[i].libelle, kLignes[i].calculee, kLignes[i].entree}) montrer(champ, a.AfficherROF[i]);
    montrer(kRegime, a.AfficherInformationTVA);
    for (const ChampReference& reference : ChampsReferencesFiscales())
        MontrerSi(FieldRef(reference.field.name), a.AfficherInformationTVA);
    for (const char* champ : {kDesignation, kDebut, kCessation}) montrer(champ, a.AfficherActivite);
}

bool TfrmNumGeneraux::OngletVisible(Onglet onglet) const {
    switch (onglet) {
        case kOngletIdentification: return affichage_.AfficherIdentification;
        case kOngletROF: return std::any_of(std::begin(affichage_.AfficherROF), std::end(affichage_.AfficherROF), [](bool b) { return b; });
        case kOngletInformationTVA: return affichage_.AfficherInformationTVA;
        case kOngletActivite: return affichage_.AfficherActivite;
    }
    return false;
}

bool TfrmNumGeneraux::SeulOngletROF() const {
    return OngletVisible(kOngletROF) && !OngletVisible(kOngletIdentification) &&
           !OngletVisible(kOngletInformationTVA) && !OngletVisible(kOngletActivite);
}

void TfrmNumGeneraux::Activate() {
    Proteger(kUniteNumGeneraux, kCharger, [this] { Charger(); });
    charge_.clear();
    for (const frame::Field& champ : Fields()) charge_[champ.name] = champ.value;
}

void TfrmNumGeneraux::Charger() {
    cEnvironBaseKV& environnement = frame::Environnement();
    const int categorie = imposition_.categorie ? imposition_.categorie() : environnement.GetCategorieImposition();
    const int regime = imposition_.regime ? imposition_.regime() : environnement.RecupRegimeImposition();
    const LibellesROF libelles = LibellesLignesROF(categorie, regime);
    for (const LigneROF& ligne : kLignes) SetValue(ligne.libelle, ligne.nom);
    SetValue(kLignes[kLigneTDFC].libelle, libelles.tdfc);
    SetValue(kLignes[kLigneIS].libelle, libelles.is);

    tagNOINTRACOMM numero;
    environnement.GetNoIntraComm(numero);
    SetValue(kPrefixe, ReadField(numero.Prefixe, sizeof numero.Prefixe, CodePage::Ansi));
    for (const auto& [champ, valeur] : siren_.Valeurs(ReadField(numero.Siren, sizeof numero.Siren, CodePage::Ansi) +
                                                      ReadField(numero.Nic, sizeof numero.Nic, CodePage::Ansi)))
        SetValue(champ, valeur);
    SetValue(kApe, environnement.GetCodeAPE());
    SetValue(kApe2008, environnement.GetCodeAPE2008());
    SetValue(kNace, environnement.GetCodeNACE());

    if (!detache_) {
        for (const LigneROF& ligne : kLignes) {
            std::string nom, saisie, calculee;
            environnement.GetROFSaisieEtCalculee(ligne.type, nom, saisie, calculee);
            SetValue(ligne.entree, PartieNumero(saisie));
            SetValue(ligne.calculee, calculee);
        }
        SetValue(kPme, environnement.GetEstPMEAuSensCommunautaire() ? kOui : kNon);
    }

    tagDONNEES_ADM donnees{};
    environnement.GetDonneesAdministratives(donnees);
    for (const auto& [champ, valeur] : ValeursReferencesFiscales(donnees)) SetValue(champ, valeur);
    const std::string code = ReadField(donnees.RegimeTVA, sizeof donnees.RegimeTVA, CodePage::Ansi);
    const auto entree = std::find_if(kRegimesTVA.begin(), kRegimesTVA.end(),
                                     [&](const char* e) { return !code.empty() && CodeRegime(e) == code; });
    SetValue(kRegime, entree == kRegimesTVA.end() ? "" : *entree);

    SetValue(kDesignation, environnement.GetActivitePrincipale());
    SetValue(kDebut, TexteDate(environnement.GetDateDebActivite()));
    SetValue(kCessation, TexteDate(environnement.GetDateCessationActivite()));

    lectureSeule_ = !detache_ && environnement.GetTraitementISAGI();
    if (lectureSeule_) ToutEnLectureSeule();
}

void TfrmNumGeneraux::ApresSaisie(frame::Field& field, const std::string& before) {
    // A VAT reference is numbered from 1.
    if (field.name == kLignes[0].entree && !field.value.empty() && field.value.find_first_not_of('0') == std::string::npos) {
        field.value = before;
        return;
    }
    if (const std::string suivant = siren_.Suivant(field, before); !suivant.empty()) SetFocus(suivant);
}

bool TfrmNumGeneraux::Change(const std::string& field) const {
    const auto charge = charge_.find(field);
    return charge == charge_.end() || charge->second != Value(field);
}

std::optional<std::string> TfrmNumGeneraux::Leave() {
    modifie_ = std::any_of(Fields().begin(), Fields().end(), [this](const frame::Field& f) { return Change(f.name); });
    if (auto focus = VerifierIdentification()) return focus;
    if (auto focus = VerifierROF()) return focus;
    return affichage_.AfficherActivite ? VerifierDate(kCessation, "de cessation d'activité") : std::nullopt;
}

// The SIRET first (the host says why it refuses); then, when the SIREN is one and a prefix is
// typed, the VAT number they make (the host says why it refuses).
std::optional<std::string> TfrmNumGeneraux::VerifierIdentification() const {
    if (!GetField(siren_.Noms()[0]).visible) return std::nullopt;
    const std::string siren = siren_.Siren(*this);
    if (siren.empty()) return std::nullopt;
    if (!host::VerificationDuSIRET(siren + Value(siren_.Noms()[3]))) return siren_.Noms()[0];
    if (!host::EstUnSIREN(siren, true, false) || Value(kPrefixe).empty()) return std::nullopt;
    if (!host::EstUnNumeroTVAIntraCommFrancaisValide(Value(kPrefixe) + siren, true)) return kPrefixe;
    return std::nullopt;
}

std::optional<std::string> TfrmNumGeneraux::VerifierROF() const {
    std::vector<std::string> manquantes, differentes;
    std::string focusManquante, focusDifferente;
    for (std::size_t i = 0; i < std::size(kLignes); ++i) {
        if (!affichage_.AfficherROF[i]) continue;
        const std::string& saisie = Value(kLignes[i].entree);
        const std::string& calculee = Value(kLignes[i].calculee);
        if (affichage_.ROFObligatoire[i] && saisie.empty() && calculee.empty()) {
            if (manquantes.empty()) focusManquante = kLignes[i].entree;
            manquantes.push_back(kLignes[i].nom);
        }
        if (!saisie.empty() && !calculee.empty() && !MemeNumero(saisie, PartieNumero(calculee))) {
            if (differentes.empty()) focusDifferente = kLignes[i].entree;
            differentes.push_back(kLignes[i].nom);
        }
    }
    if (!manquantes.empty()) {
        host::ZORAttention(environment::MessageROFNonRenseignees(manquantes));
        return focusManquante;
    }
    if (!differentes.empty() && host::ZORQuestion(environment::MessageROFDifferentes(differentes), environment::kTitreROF))
        return focusDifferente;
    return std::nullopt;
}


void TfrmNumGeneraux::Deactivate() {
    if (!lectureSeule_) Proteger(kUniteNumGeneraux, kEnregistrer, [this] { Enregistrer(); });
}

void TfrmNumGeneraux::Enregistrer() {
    cEnvironBaseKV& environnement = frame::Environnement();
    if (OngletVisible(kOngletIdentification)) {
        // The SIREN first: setting it clears the whole record.
        CNoIntraComm numero;
        numero.SetasSIREN(siren_.Siren(*this));
        numero.SetasNIC(Value(siren_.Noms()[3]));
        if (affichage_.AfficherAPE) {
            environnement.SetCodeAPE(Value(kApe));
            environnement.SetCodeAPE2008(Value(kApe2008));
        }
        environnement.SetCodeNACE(Value(kNace));
        numero.SetasPrefixeIntracomm(Value(kPrefixe));
        tagNOINTRACOMM record;
        numero.GetrNoIntraComm(record);
        environnement.SetNoIntraComm(record);
    }
    for (std::size_t i = 0; i < std::size(kLignes); ++i) {
        const std::string& saisie = Value(kLignes[i].entree);
        if (affichage_.AfficherROF[i] && (!detache_ || Change(kLignes[i].entree)))
            (environnement.*kLignes[i].ecrire)(saisie.empty() ? saisie : Value(kLignes[i].libelle) + saisie);
    }
    if (OngletVisible(kOngletInformationTVA)) {
        tagDONNEES_ADM donnees{};
        environnement.GetDonneesAdministratives(donnees);
        LireReferencesFiscales(*this, donnees);
        WriteCStringField(donnees.RegimeTVA, sizeof donnees.RegimeTVA, CodeRegime(Value(kRegime)), CodePage::Ansi);
        environnement.SetDonneesAdministratives(donnees);
    }
    if (OngletVisible(kOngletActivite)) {
        environnement.SetActivitePrincipale(Value(kDesignation));
        environnement.SetDateCessationActivite(ParseDate(Value(kCessation)).value_or(0));
    }
    if (GetField(kPme).visible && (!detache_ || Change(kPme)))
        frame::Parametres().SetAssBool(environment::kSectionKV, environment::kClePMEAuSensCommunautaire,
                                       Value(kPme) == kOui);
}

}  // namespace kvarn::identification

kvarn::frame::Screen* DonnerFormNumGeneraux(TComponent*, TDonnerCategorieImposition categorie,
                                            TDonnerRegimeImposition regime, bool detache) {
    using namespace kvarn::identification;
    kvarn::frame::Screen* ecran = nullptr;
    Proteger(kUniteNumGeneraux, kCreer, [&] {
        Imposition imposition;
        if (categorie) imposition.categorie = categorie;
        if (regime) imposition.regime = regime;
        ecran = new TfrmNumGeneraux(TfrmNumGeneraux::ParDefaut(), std::move(imposition), detache);
    });
    return ecran;
}
