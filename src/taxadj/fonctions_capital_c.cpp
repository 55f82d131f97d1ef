// The C interface over the associates' functions and capital in other companies: a walk over the
// table's rows, and a look-up by row number through the cache. Errors as execution_c.hpp says.
// The walk leaves the table open between its calls and closes it when it reaches the end.
#include <kvarn/kvarn.h>

#include "associates/execution_c.hpp"
#include "taxadj/fonctions_capital.hpp"

#include <cstring>

namespace kvarn::taxadj {
namespace {

enum Place : std::uint32_t { kPremier = 30, kSuivant, kInit, kDonner };

bool Remplir(db::CTable& table, FONCTIONSETCAPITAL_C& r) {
    if (table.Eof()) {
        table.Close();
        return false;
    }
    RemplirFonctionsEtCapitalC(table, r);
    return true;
}

}  // namespace
}  // namespace kvarn::taxadj

namespace tx = kvarn::taxadj;
namespace as = kvarn::associates;

bool KVDonnePremierFonctionsEtCapital_C(FONCTIONSETCAPITAL_C* r) {
    if (!r) return false;
    std::memset(r, 0, sizeof *r);
    return as::ExecuterC(as::kUniteInterfaceC, tx::kPremier, [&](kvarn::store::TdmKvarn& module) {
        module.cacheFonctionsChargee = false;
        kvarn::db::CTable& table = module.Donnees().Composant("tblFonctionsEtCapital");
        table.Open();
        table.First();
        return tx::Remplir(table, *r);
    });
}

bool KVDonneFonctionsEtCapitalSuivant_C(FONCTIONSETCAPITAL_C* r) {
    if (!r) return false;
    std::memset(r, 0, sizeof *r);
    return as::ExecuterC(as::kUniteInterfaceC, tx::kSuivant, [&](kvarn::store::TdmKvarn& module) {
        kvarn::db::CTable& table = module.Donnees().Composant("tblFonctionsEtCapital");
        if (!table.Active()) return false;
        table.Next();
        return tx::Remplir(table, *r);
    });
}

bool InitFonctionsEtCapital(void) {
    return as::ExecuterC(as::kUniteInterfaceC, tx::kInit, [](kvarn::store::TdmKvarn& module) {
        tx::ChargerFonctionsEtCapital(module);
        return true;
    });
}

bool KVDonnerFonctionsEtCapital(int32_t numero, FONCTIONSETCAPITAL_C* r, int32_t* suivant) {
    if (suivant) *suivant = 0;
    if (!r) return false;
    return as::ExecuterC(as::kUniteInterfaceC, tx::kDonner, [&](kvarn::store::TdmKvarn& module) {
        if (!module.cacheFonctionsChargee) tx::ChargerFonctionsEtCapital(module);
        std::memset(r, 0, sizeof *r);
        const auto& parNumero = module.EtatDe<tx::EtatFonctionsCapital>().parNumero;
        const auto trouve = parNumero.find(numero);
        if (trouve == parNumero.end()) return false;
        *r = trouve->second;
        if (suivant && parNumero.count(numero + 1)) *suivant = numero + 1;
        return true;
    });
}
