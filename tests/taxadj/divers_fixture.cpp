#include "divers_fixture.hpp"

#include "frame/etat_module.hpp"
#include "taxadj/divers.hpp"

#include <kvarn/kvarn.h>

namespace kvarn::taxadj {

CDeductionsReintegrationsDiverses Divers(const std::string& designation, bool deduction, Euros bic, Euros ba,
                                         Euros bnc) {
    const auto montant = [](Euros euros) { return euros ? std::optional<CCurrency>(CCurrency(*euros)) : std::nullopt; };
    return {!deduction, montant(bic), montant(ba), montant(bnc), designation};
}

store::TdmDonnees& DossierDivers::Donnees() { return frame::DataModule()->Donnees(); }

void DossierDivers::Ecrire(const std::vector<CDeductionsReintegrationsDiverses>& lignes) {
    for (const auto& ligne : lignes) ligne.MAJ();
}

void DossierDivers::Sql(const std::string& instruction) { Executer(Donnees().qTraitement(), {instruction}); }

std::vector<RangeeDivers> DossierDivers::RangeesDivers() {
    std::vector<RangeeDivers> rangees;
    for (const LigneDiversFisc& l : LireLignesDivers(Donnees())) {
        const auto euros = [](const std::optional<CCurrency>& m) {
            return m ? std::optional<long>(static_cast<long>(m->EnDouble())) : std::nullopt;
        };
        rangees.emplace_back(l.divers.Designation, !l.divers.EstReintegration, euros(l.divers.MontantBIC),
                             euros(l.divers.MontantBA), euros(l.divers.MontantBNC));
    }
    return rangees;
}

std::vector<RangeePart> DossierDivers::RangeesParts(int idAssocie) {
    db::CQuery& q = Donnees().qTraitement();
    Ouvrir(q, {"SELECT D.Designation, P.EstPourBA, P.IsDeduction, P.ValeurSaisi FROM KOLMIKV3 P JOIN KOLMIKV2 D "
               "ON D.IdDiversFisc = P.IdDiversFisc WHERE P.IdAssocie = " + std::to_string(idAssocie) +
               " ORDER BY D.IdDiversFisc, P.EstPourBA"});
    std::vector<RangeePart> rangees;
    for (q.First(); !q.Eof(); q.Next()) {
        const db::Field& saisi = q.Fields(3);
        rangees.emplace_back(q.Fields(0).AsString(), q.Fields(1).AsBoolean(), q.Fields(2).AsBoolean(),
                             saisi.IsNull() ? std::nullopt : std::optional<long>(saisi.AsInteger()));
    }
    return rangees;
}

int DossierDivers::Associe(const std::string& nom) {
    Sql("INSERT INTO KOLMIKV1(Nom, Prenoms) VALUES(" + TexteSQL(nom) + ", 'Jean')");
    db::CQuery& q = Donnees().qTraitement();
    Ouvrir(q, {"SELECT MAX(ShIDAssocie) AS Id FROM KOLMIKV1"});
    return q.FieldByName("Id").AsInteger();
}

void DossierDivers::SaisirPart(int idAssocie, const std::string& designation, bool ba, long valeur) {
    Sql("UPDATE KOLMIKV3 SET ValeurSaisi = " + std::to_string(valeur) + " WHERE IdAssocie = " +
        std::to_string(idAssocie) + " AND EstPourBA = " + (ba ? "'True'" : "'False'") +
        " AND IdDiversFisc = (SELECT IdDiversFisc FROM KOLMIKV2 WHERE Designation = " + TexteSQL(designation) + ")");
}

}  // namespace kvarn::taxadj
