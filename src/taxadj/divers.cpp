#include "taxadj/divers.hpp"

#include "db/transaction.hpp"
#include "frame/etat_module.hpp"
#include "taxadj/calculs_divers.hpp"
#include "taxadj/etat_divers.hpp"
#include "taxadj/table_parts_associe.hpp"

#include <map>
#include <stdexcept>

namespace kvarn::taxadj {
namespace {

void Preparer(db::CQuery& requete, const Instruction& instruction) {
    requete.Close();
    requete.SQL().Clear();
    for (const std::string& ligne : instruction) requete.SQL().Add(ligne);
}

template <class Ligne, class Lire>
std::vector<Ligne> LireTout(db::CQuery& requete, const Instruction& instruction, Lire&& lire) {
    Ouvrir(requete, instruction);
    std::vector<Ligne> lignes;
    for (requete.First(); !requete.Eof(); requete.Next()) lignes.push_back(lire(requete));
    requete.Close();
    return lignes;
}

std::vector<PartAssocieDivers> LireParts(db::CQuery& requete, const Instruction& instruction) {
    return LireTout<PartAssocieDivers>(requete, instruction, [](db::CQuery& q) { return LirePart(q); });
}

}  // namespace

store::TdmKvarn& ModuleDivers() { return frame::DataModuleCree(); }

void Ouvrir(db::CQuery& requete, const Instruction& instruction) {
    Preparer(requete, instruction);
    requete.Open();
}

void Executer(db::CQuery& requete, const Instruction& instruction) {
    Preparer(requete, instruction);
    requete.ExecSQL();
}

std::vector<LigneDiversFisc> LireLignesDivers(store::TdmDonnees& donnees) {
    return LireTout<LigneDiversFisc>(donnees.qTraitement(), RequeteLignes(),
                                     [](db::CQuery& q) { return LireLigneDivers(q); });
}

std::optional<LigneDiversFisc> TrouverLigne(store::TdmDonnees& donnees, const std::string& designation) {
    const auto lignes = LireTout<LigneDiversFisc>(donnees.qTraitement(), RequeteLigneParDesignation(designation),
                                                  [](db::CQuery& q) { return LireLigneDivers(q); });
    if (lignes.empty()) return std::nullopt;
    return lignes.front();
}

void MettreAJourLigne(store::TdmDonnees& donnees, const CDeductionsReintegrationsDiverses& ligne) {
    db::CQuery& requete = donnees.qTraitement();
    Ouvrir(requete, RequeteLigneParDesignation(ligne.Designation));
    const bool existe = !requete.IsEmpty();
    requete.Close();
    if (const std::optional<Instruction> instruction = InstructionMAJ(donnees, ligne, existe))
        Executer(requete, *instruction);
}

void ChargerListes(store::TdmKvarn& module) {
    EtatDivers& etat = module.EtatDe<EtatDivers>();
    etat.deductions.clear();
    etat.reintegrations.clear();
    for (LigneDiversFisc& ligne : LireLignesDivers(module.Donnees()))
        (ligne.divers.EstReintegration ? etat.reintegrations : etat.deductions).push_back(std::move(ligne.divers));
    etat.deductionsChargees = etat.reintegrationsChargees = true;
}

const TListeDeductionsReintegrations& ListeChargee(store::TdmKvarn& module, bool reintegrations) {
    EtatDivers& etat = module.EtatDe<EtatDivers>();
    if (!(reintegrations ? etat.reintegrationsChargees : etat.deductionsChargees)) ChargerListes(module);
    return reintegrations ? etat.reintegrations : etat.deductions;
}

void SynchroniserPartsAssocie(store::TdmDonnees& donnees, int idAssocie) {
    db::CQuery& requete = donnees.qTraitement();
    db::AllOrNothing(donnees.Session(), [&] {
        Executer(requete, SuppressionPartsOrphelines());
        const PlanParts plan = PlanSynchronisation(LireLignesDivers(donnees),
                                                   LireParts(requete, RequeteToutesPartsAssocie(idAssocie)), idAssocie);
        for (int autoId : plan.suppressions) Executer(requete, SuppressionPart(autoId));
        for (const PartAssocieDivers& part : plan.changementsDeSens) Executer(requete, ChangementDeSensPart(donnees, part));
        for (const PartAssocieDivers& part : plan.ajouts) Executer(requete, InsertionPart(donnees, part));
    });
}

int TotalAssocie(store::TdmDonnees& donnees, bool deduction, int idAssocie, double numerateur, double denominateur,
                 bool ba) {
    SynchroniserPartsAssocie(donnees, idAssocie);
    std::map<int, LigneDiversFisc> lignes;
    for (LigneDiversFisc& ligne : LireLignesDivers(donnees)) lignes.emplace(ligne.id, std::move(ligne));
    const std::vector<PartAssocieDivers> parts =
        LireParts(donnees.qTraitement(), RequetePartsAssocie(donnees, idAssocie, deduction, ba));
    return TotalPartsAssocie(parts, lignes, numerateur, denominateur, ba);
}

}  // namespace kvarn::taxadj
