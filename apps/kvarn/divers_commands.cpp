#include "divers_commands.hpp"

#include "common/text.hpp"
#include "db/transaction.hpp"
#include "frame/etat_module.hpp"
#include "json.hpp"
#include "session.hpp"
#include "taxadj/associes_divers.hpp"
#include "taxadj/calculs_divers.hpp"
#include "taxadj/divers.hpp"
#include "taxadj/screens/rev_fisc_deduc.hpp"

#include <iostream>

namespace kvarn::cli {
namespace {

using taxadj::LigneDiversFisc;

constexpr const char* kTitresMontants[] = {"BIC/IS", "BA", "BNC"};
constexpr int kColonneSaisi = 3;

store::TdmKvarn& ModuleDuDossier(Session& session) {
    session.OuvrirModule();
    return taxadj::ModuleDivers();
}

// The amounts given on the command line, over those of the line.
void AppliquerMontants(const DiversLigneOptions& options, CDeductionsReintegrationsDiverses& ligne) {
    for (int i = 0; i < 3; ++i) {
        if (!options.montantsDonnes[i]) continue;
        const std::optional<long> euros = taxadj::LireEurosSaisis(options.montants[i]).value();
        ligne.*taxadj::kMontantsDivers[i] =
            euros ? std::optional<CCurrency>(CCurrency(static_cast<double>(*euros))) : std::nullopt;
    }
}

// A text left-aligned or right-aligned in `largeur` characters.
std::string Cadrer(const std::string& texte, std::size_t largeur, bool aDroite) {
    const std::size_t longueur = CharacterCount(texte);
    const std::string blancs(longueur < largeur ? largeur - longueur : 0, ' ');
    return aDroite ? blancs + texte : texte + blancs;
}

void EcrireRangee(const std::string& designation, const std::string& sens, const std::string (&montants)[3]) {
    std::cout << Cadrer(designation, taxadj::kLargeurDesignation, false) << "  " << Cadrer(sens, 14, false);
    for (const std::string& montant : montants) std::cout << Cadrer(montant, 12, true);
    std::cout << '\n';
}

void JsonEuros(JsonWriter& json, const char* cle, std::optional<long> euros) {
    json.Key(cle);
    if (euros) json.Integer(*euros);
    else json.Null();
}

// The row of a designation in the per-associate grid.
int RangeeDe(const taxadj::TfrmRevFiscDeduc& ecran, const std::string& designation) {
    for (std::size_t r = 0; r < ecran.Parts().size(); ++r)
        if (ecran.Parts()[r].designation == designation) return static_cast<int>(r);
    throw Refus("Aucune ligne « " + designation + " » pour cet associé");
}

}  // namespace

bool SensDemande(bool deduction, bool reintegration, const char* options) {
    if (deduction == reintegration) throw MauvaisUsage(std::string("une seule des options ") + options + " est attendue");
    return deduction;
}

int DiversAjouter(const GlobalOptions& globals, const DiversLigneOptions& options) {
    const bool deduction = SensDemande(options.deduction, options.reintegration, "--deduction, --reintegration");
    Session session = Session::WithDossier(globals);
    store::TdmDonnees& donnees = ModuleDuDossier(session).Donnees();
    if (taxadj::TrouverLigne(donnees, options.designation))
        throw Refus("La ligne « " + options.designation + " » existe déjà");
    CDeductionsReintegrationsDiverses ligne;
    ligne.EstReintegration = !deduction;
    ligne.Designation = options.designation;
    AppliquerMontants(options, ligne);
    if (!ligne.MontantBIC && !ligne.MontantBA && !ligne.MontantBNC)
        throw Refus("Aucun montant : la ligne « " + options.designation + " » n'est pas enregistrée");
    taxadj::MettreAJourLigne(donnees, ligne);
    return kSucces;
}

int DiversModifier(const GlobalOptions& globals, const DiversLigneOptions& options) {
    Session session = Session::WithDossier(globals);
    store::TdmDonnees& donnees = ModuleDuDossier(session).Donnees();
    std::optional<LigneDiversFisc> ligne = taxadj::TrouverLigne(donnees, options.designation);
    if (!ligne) throw Refus("Aucune ligne « " + options.designation + " »");
    if (options.deduction || options.reintegration) ligne->divers.EstReintegration = options.reintegration;
    AppliquerMontants(options, ligne->divers);
    taxadj::MettreAJourLigne(donnees, ligne->divers);
    return kSucces;
}

int DiversLister(const GlobalOptions& globals, const DiversListerOptions& options) {
    Session session = Session::WithDossier(globals);
    const std::vector<LigneDiversFisc> lignes = taxadj::LireLignesDivers(ModuleDuDossier(session).Donnees());
    const auto montre = [&](bool deduction) { return deduction ? !options.reintegrations : !options.deductions; };
    if (options.json) {
        JsonWriter json;
        json.BeginArray();
        for (const LigneDiversFisc& ligne : lignes) {
            if (!montre(!ligne.divers.EstReintegration)) continue;
            json.BeginObject().Field("IdDiversFisc", ligne.id).Field("IsDeduction", !ligne.divers.EstReintegration);
            json.Field("Designation", ligne.divers.Designation);
            const char* cles[] = {"MontantBIC", "MontantBA", "MontantBNC"};
            for (int i = 0; i < 3; ++i)
                JsonEuros(json, cles[i], taxadj::EurosEntiers(ligne.divers.*taxadj::kMontantsDivers[i]));
            json.EndObject();
        }
        std::cout << json.EndArray().str() << '\n';
        return kSucces;
    }
    const std::string titres[3] = {kTitresMontants[0], kTitresMontants[1], kTitresMontants[2]};
    EcrireRangee("Désignation", "Sens", titres);
    for (const LigneDiversFisc& ligne : lignes) {
        const bool deduction = !ligne.divers.EstReintegration;
        if (!montre(deduction)) continue;
        std::string montants[3];
        for (int i = 0; i < 3; ++i)
            montants[i] = taxadj::TexteEuros(taxadj::EurosEntiers(ligne.divers.*taxadj::kMontantsDivers[i]));
        EcrireRangee(ligne.divers.Designation, deduction ? "déduction" : "réintégration", montants);
    }
    for (const bool deduction : {true, false}) {
        if (!montre(deduction)) continue;
        const TYPE_ASSOCIE types[] = {TA_BIC, TA_BA, TA_BNC};
        std::string totaux[3];
        for (int i = 0; i < 3; ++i) totaux[i] = std::to_string(taxadj::SommeDivers(lignes, types[i], deduction));
        EcrireRangee(deduction ? "Total des déductions" : "Total des réintégrations", "", totaux);
    }
    return kSucces;
}

int DiversSupprimer(const GlobalOptions& globals, const DiversSupprimerOptions& options) {
    Session session = Session::WithDossier(globals);
    store::TdmKvarn& module = ModuleDuDossier(session);
    const std::optional<LigneDiversFisc> ligne = taxadj::TrouverLigne(module.Donnees(), options.designation);
    if (!ligne) throw Refus("Aucune ligne « " + options.designation + " »");
    taxadj::TfrmRevFiscDeduc ecran(module, !ligne->divers.EstReintegration, {}, {});
    ecran.Activate();
    for (std::size_t r = 0; r < ecran.Lignes().size(); ++r)
        if (ecran.Lignes()[r].id == ligne->id) ecran.SelectionnerLigne(static_cast<int>(r));
    if (!ecran.Supprimer()) throw Refus("Suppression abandonnée");
    ecran.Fermer();
    return kSucces;
}

int DiversAssocie(const GlobalOptions& globals, const DiversAssocieOptions& options) {
    const bool deduction = SensDemande(options.deductions, options.reintegrations, "--deductions, --reintegrations");
    Session session = Session::WithDossier(globals);
    store::TdmKvarn& module = ModuleDuDossier(session);
    if (!taxadj::NomAssocie(module, options.idAssocie))
        throw Refus("Aucun associé n'a le numéro " + std::to_string(options.idAssocie));
    long partAssocie = 0;
    long totalBA = 0;
    const TPartAssocieDiversEvent rappel = [&](bool, int& denominateur, int& numerateur, int& id, long*& part) {
        denominateur = options.denominateur;
        numerateur = options.numerateur;
        id = options.idAssocie;
        part = &partAssocie;
    };
    taxadj::TfrmRevFiscDeduc ecran(module, deduction, {nullptr, options.ba ? &totalBA : nullptr, nullptr}, rappel);
    ecran.Activate();
    {
        // Every entry or none: a refused one undoes those before it.
        db::Transaction transaction(module.Donnees().Session());
        for (const std::string& saisie : options.saisies) {
            const std::size_t egal = saisie.rfind('=');
            if (!ecran.Grille().SetCellText(RangeeDe(ecran, saisie.substr(0, egal)), kColonneSaisi,
                                            saisie.substr(egal + 1)))
                throw Refus("Saisie refusée : " + saisie + " (rien n'est enregistré)");
        }
        transaction.Commit();
    }
    ecran.Fermer();
    if (options.json) {
        JsonWriter json;
        json.BeginObject().Key("Lignes").BeginArray();
        for (const taxadj::PartAffichee& part : ecran.Parts()) {
            json.BeginObject().Field("Designation", part.designation);
            JsonEuros(json, "Total", part.total);
            JsonEuros(json, "ValeurCalcule", part.valeurCalcule);
            JsonEuros(json, "ValeurSaisi", part.valeurSaisi);
            json.EndObject();
        }
        json.EndArray().Key("PartAssocie").Integer(partAssocie);
        std::cout << json.EndObject().str() << '\n';
        return kSucces;
    }
    const std::string titres[3] = {"Total", "Calculé", "Saisi"};
    EcrireRangee("Désignation", "", titres);
    for (const taxadj::PartAffichee& part : ecran.Parts()) {
        const std::string valeurs[3] = {taxadj::TexteEuros(part.total), taxadj::TexteEuros(part.valeurCalcule),
                                        taxadj::TexteEuros(part.valeurSaisi)};
        EcrireRangee(part.designation, "", valeurs);
    }
    std::cout << "Part de l'associé : " << partAssocie << '\n';
    return kSucces;
}

}  // namespace kvarn::cli
