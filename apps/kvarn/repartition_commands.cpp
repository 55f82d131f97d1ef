#include "repartition_commands.hpp"

#include "associates/liste_associes.hpp"
#include "associates/repartition.hpp"
#include "associates/screens/repartition_resultat.hpp"
#include "associates/screens/resultat_associe.hpp"
#include "associates/screens/resultat_bic_ba.hpp"
#include "associates/screens/saisies_resultats.hpp"
#include "associates/table_resultats.hpp"
#include "common/nulls.hpp"
#include "common/numbers.hpp"
#include "frame/etat_module.hpp"
#include "json.hpp"
#include "session.hpp"
#include "standalone/montants_repartition.hpp"

#include <kvarn/associe.hpp>

#include <array>
#include <iostream>
#include <memory>
#include <set>
#include <utility>

namespace kvarn::cli {
namespace {

using associates::TfrmRepartitionResultatEntreAssocies;
using associates::TfrmResultAssoBICBA;
using associates::TfrmResultatAssocie;

std::optional<long> Euros(const std::optional<std::string>& texte, const char* option) {
    if (!texte) return std::nullopt;
    const std::optional<long> euros = standalone::LireEurosEntiers(*texte);
    if (!euros) throw MauvaisUsage(std::string(option) + " attend un montant en euros entiers, pas « " + *texte + " »");
    return euros;
}

// The host's amounts, its prerequisite installed in the module's hook for the command's run.
class HoteMontants {
public:
    explicit HoteMontants(const MontantsOptions& o)
        : montants_(o.fichier.empty() ? std::nullopt : std::optional<std::filesystem::path>(o.fichier),
                    {Euros(o.resultat, "--resultat"), Euros(o.pvlt, "--pvlt"), Euros(o.bic, "--bic"),
                     Euros(o.ba, "--ba"), Euros(o.abandons, "--abandons")}),
          avant_(std::exchange(_CalculerPrealablesRepartitionResultatEntreAssocies, montants_.Crochet())) {}
    ~HoteMontants() { _CalculerPrealablesRepartitionResultatEntreAssocies = avant_; }
    HoteMontants(const HoteMontants&) = delete;
    HoteMontants& operator=(const HoteMontants&) = delete;

    standalone::MontantsRepartition& montants() { return montants_; }

private:
    standalone::MontantsRepartition montants_;
    KV_PREALABLES_REPARTITION avant_;
};

// The result screen, created as the host creates it: its prerequisite reads the amounts, whose
// bad values are bad usage.
std::unique_ptr<TfrmRepartitionResultatEntreAssocies> EcranRepartition(store::TdmKvarn& module,
                                                                       const CRepartitionResultatAssocies& parametre) {
    try {
        return std::make_unique<TfrmRepartitionResultatEntreAssocies>(module, parametre);
    } catch (const standalone::MontantsInvalides& erreur) {
        throw MauvaisUsage(erreur.what());
    }
}

// The six members' shares of one associate.
struct Parts {
    std::array<long, 6> valeurs{};  // Benefice, Deficit, PVLT, BIC, BA, Abandons
};
constexpr const char* kNomsParts[] = {"BeneficeCalc", "DeficitCalc", "PVLTCalc", "ResultatBICCalc",
                                      "ResultatBACalc", "AbandonsLoyersCalc"};
constexpr const char* kTitresParts[] = {"Bénéfice", "Déficit", "PV LT", "BIC", "BA", "Abandons"};

Parts PartsAssocie(const Associe& a, const standalone::Montants& m) {
    const int resultat = static_cast<int>(m.resultat.value_or(0));
    return {{a.BeneficeCalc(resultat), a.DeficitCalc(resultat),
             a.PVLTCalc(m.pvlt ? static_cast<int>(*m.pvlt) : NULL_ENTIER, NULL_ENTIER),
             a.ResultatBICCalc(m.bic.value_or(0)), a.ResultatBACalc(m.ba.value_or(0)),
             a.AbandonsLoyersCalc(m.abandons.value_or(0))}};
}

// Each amount less the shares of it: the profit and loss shares both come from the result.
std::array<std::pair<const char*, long>, 5> Ecarts(const standalone::Montants& m, const Parts& totaux) {
    const auto& t = totaux.valeurs;
    return {{{"Resultat", m.resultat.value_or(0) - t[0] - t[1]},
             {"PVLT", m.pvlt.value_or(0) - t[2]},
             {"BIC", m.bic.value_or(0) - t[3]},
             {"BA", m.ba.value_or(0) - t[4]},
             {"Abandons", m.abandons.value_or(0) - t[5]}}};
}

void EcrireChamp(JsonWriter& json, db::Field& champ) {
    json.Key(champ.FieldName());
    if (champ.IsNull()) {
        json.Null();
        return;
    }
    switch (champ.DataType()) {
        case db::FieldType::Alpha: json.String(champ.AsString()); break;
        case db::FieldType::Number:
        case db::FieldType::Money: json.Number(champ.AsFloat()); break;
        default: json.Integer(champ.AsInteger()); break;
    }
}

struct LigneListee {
    int id = 0;
    std::string denomination, regime;
    double nbParts = 0;
    std::optional<Parts> parts;
    bool afficheBICBA = false;
};

// The rows the BIC/BA screen shows, by key.
std::set<int> AffichesBICBA(db::CTable& vue) {
    std::set<int> affiches;
    for (vue.First(); !vue.Eof(); vue.Next()) affiches.insert(associates::LireLigneResultats(vue).ShIDAssocie);
    return affiches;
}

// An entered share as the screens take it: a number, or "" to clear.
const std::optional<std::string>& Saisie(const std::optional<std::string>& texte, const char* option) {
    if (texte && !associates::SaisieLisible(*texte))
        throw MauvaisUsage(std::string(option) + " attend un nombre (ou \"\" pour effacer), pas « " + *texte + " »");
    return texte;
}

std::string NommerAssocie(int id) { return "L'associé n° " + std::to_string(id); }

// The BIC/BA screen's entries: refused, before anything is written, for a row the screen does not
// show, a line the associate's regime does not keep, or a share the screen would put back to its
// Calculé value; then entered on the row and saved.
void SaisirBICBA(store::TdmKvarn& module, standalone::MontantsRepartition& montants,
                 const RepartitionSaisirOptions& o) {
    TfrmResultAssoBICBA ecran(module, CResultatAssociesBICBA(0, montants.CalculBICBA()));
    if (!ecran.Vue().Locate("ShIDAssocie", o.idAssocie))
        throw Refus(NommerAssocie(o.idAssocie) + " n'est pas sur l'écran des résultats BIC/BA (bénéficiaire, régime RF "
                                            "ou BNC, ou aucune part en fin d'exercice)");
    const int regime = associates::LireLigneResultats(ecran.Vue()).RegimeImpositionSCI;
    if (o.bic && regime != RIS_BIC && regime != RIS_IS)
        throw Refus(NommerAssocie(o.idAssocie) + " n'est pas au régime BIC ou IS : --bic-saisi ne serait pas gardé");
    if (o.ba && regime != RIS_BA)
        throw Refus(NommerAssocie(o.idAssocie) + " n'est pas au régime BA : --ba-saisi ne serait pas gardé");
    const std::pair<const std::optional<std::string>*, const char*> exploitation[] = {{&o.bic, "bic"}, {&o.ba, "ba"}};
    for (const auto& [valeur, ligne] : exploitation) {
        if (!*valeur) continue;
        const std::string champ = std::string(ligne) + "-saisi";
        ecran.Edit(champ, **valeur);
        if (ecran.GetField(champ).value != **valeur)
            throw Refus("La part saisie " + **valeur + " dépasse le total " + ecran.GetField(std::string(ligne) + "-total").value +
                        " ou n'en a pas le signe : l'écran la remplace par la part calculée " +
                        ecran.GetField(std::string(ligne) + "-calcule").value);
    }
    if (o.abandons) ecran.Edit("abandons-saisi", *o.abandons);
    ecran.Fermer();
}

void SaisirResultat(store::TdmKvarn& module, TfrmRepartitionResultatEntreAssocies& liste,
                    const RepartitionSaisirOptions& o) {
    liste.Afficher();
    TfrmResultatAssocie ecran(module);
    liste.Vue().Locate("ShIDAssocie", o.idAssocie);
    if (o.benefice) ecran.Edit("benefice-saisi", *o.benefice);
    if (o.pvlt) ecran.Edit("pvlt-saisi", *o.pvlt);
    ecran.Fermer();
}

}  // namespace

int RepartitionSaisir(const GlobalOptions& globals, const RepartitionSaisirOptions& options) {
    Saisie(options.benefice, "--benefice-saisi");
    Saisie(options.pvlt, "--pvlt-saisi");
    Saisie(options.bic, "--bic-saisi");
    Saisie(options.ba, "--ba-saisi");
    Saisie(options.abandons, "--abandons-saisi");
    Session session = Session::WithDossier(globals);
    session.OuvrirModule();
    store::TdmKvarn& module = frame::DataModuleCree();
    HoteMontants hote(options.montants);
    const auto liste =
        EcranRepartition(module, CRepartitionResultatAssocies(0, hote.montants().CalculResultat()));
    liste->Afficher();
    if (!liste->Vue().Locate("ShIDAssocie", options.idAssocie))
        throw Refus(NommerAssocie(options.idAssocie) + " n'existe pas");
    if (options.bic || options.ba || options.abandons) SaisirBICBA(module, hote.montants(), options);
    if (options.benefice || options.pvlt) SaisirResultat(module, *liste, options);
    liste->Fermer();
    return kSucces;
}

int Repartition(const GlobalOptions& globals, const RepartitionOptions& options) {
    Session session = Session::WithDossier(globals);
    session.OuvrirModule();
    store::TdmKvarn& module = frame::DataModuleCree();
    HoteMontants hote(options.montants);
    standalone::MontantsRepartition& montants = hote.montants();
    const auto liste = EcranRepartition(module, CRepartitionResultatAssocies(0, montants.CalculResultat()));
    liste->Afficher();
    db::CTable& vue = liste->Vue();
    const std::string ordre = vue.IndexName();
    TfrmResultAssoBICBA bicba(module, CResultatAssociesBICBA(0, montants.CalculBICBA()));
    const std::set<int> affiches = AffichesBICBA(vue);
    // Every row in the list's order, the BIC/BA screen's callback still set.
    vue.SetFiltered(false);
    vue.SetIndexName(ordre);

    const int n = associates::NbPartsDeclarees();
    JsonWriter json;
    json.BeginObject().Field("NbParts", n).Key("Associes").BeginArray();
    std::vector<LigneListee> lignes;
    Parts totaux;
    for (vue.First(); !vue.Eof(); vue.Next()) {
        LigneListee ligne;
        ligne.id = associates::LireLigneResultats(vue).ShIDAssocie;
        ligne.denomination = vue.FieldByName("Denomination").AsString();
        ligne.regime = vue.FieldByName("RegimeImpositionSCI").DisplayText();
        ligne.nbParts = vue.FieldByName("NbPartsCalc").AsFloat();
        ligne.afficheBICBA = affiches.count(ligne.id) > 0;
        if (const Associe* associe = associates::TrouverAssocie(module, ligne.id, nullptr)) {
            ligne.parts = PartsAssocie(*associe, montants.Lus());
            for (std::size_t k = 0; k < totaux.valeurs.size(); ++k) totaux.valeurs[k] += ligne.parts->valeurs[k];
        }
        if (options.json) {
            json.BeginObject();
            for (int i = 0; i < vue.FieldCount(); ++i) EcrireChamp(json, vue.Fields(i));
            json.Key("Parts");
            if (ligne.parts) {
                json.BeginObject();
                for (std::size_t k = 0; k < 6; ++k) json.Field(kNomsParts[k], static_cast<long long>(ligne.parts->valeurs[k]));
                json.EndObject();
            } else {
                json.Null();
            }
            json.Field("AfficheBICBA", ligne.afficheBICBA).EndObject();
        }
        lignes.push_back(std::move(ligne));
    }
    bicba.Fermer();
    liste->Fermer();

    const auto ecarts = Ecarts(montants.Lus(), totaux);
    if (options.json) {
        json.EndArray().Key("Totaux").BeginObject();
        for (std::size_t k = 0; k < 6; ++k) json.Field(kNomsParts[k], static_cast<long long>(totaux.valeurs[k]));
        json.EndObject().Key("Ecarts").BeginObject();
        for (const auto& [nom, ecart] : ecarts) json.Field(nom, static_cast<long long>(ecart));
        json.EndObject().EndObject();
        std::cout << json.str() << '\n';
        return kSucces;
    }
    std::cout << "N°\tNom ou dénomination\tRégime fiscal\tNb de parts";
    for (const char* titre : kTitresParts) std::cout << '\t' << titre;
    std::cout << '\n';
    for (const LigneListee& l : lignes) {
        std::cout << l.id << '\t' << l.denomination << '\t' << l.regime << '\t' << associates::TexteNombreParts(l.nbParts);
        for (std::size_t k = 0; k < 6; ++k) std::cout << '\t' << (l.parts ? std::to_string(l.parts->valeurs[k]) : "");
        std::cout << '\n';
    }
    std::cout << "Total\t\t\t";
    for (const long total : totaux.valeurs) std::cout << '\t' << total;
    std::cout << "\nÉcarts (montant moins parts) :";
    for (const auto& [nom, ecart] : ecarts) std::cout << ' ' << nom << ' ' << ecart;
    std::cout << '\n';
    return kSucces;
}

}  // namespace kvarn::cli
