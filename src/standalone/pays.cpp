// The host's country list; its table is generated (see scripts/generate-countries).
#include "host/pays.hpp"

#include "common/text.hpp"

#include <algorithm>

namespace kvarn::host {
namespace {

const std::vector<Pays> kPays{
#include "standalone/pays_table.inc"
};

}  // namespace

const std::vector<Pays>& TListePays::Liste() { return kPays; }

const Pays* TListePays::Trouver(int id) {
    const auto trouve = std::lower_bound(kPays.begin(), kPays.end(), id, [](const Pays& p, int i) { return p.id < i; });
    return trouve != kPays.end() && trouve->id == id ? &*trouve : nullptr;
}

const Pays* TListePays::TrouverCodeIso(std::string_view codeIso) {
    const auto trouve = std::find_if(kPays.begin(), kPays.end(),
                                     [&](const Pays& p) { return EqualsIgnoringCase(p.codeIso, codeIso); });
    return trouve == kPays.end() ? nullptr : &*trouve;
}

void TListePays::AffecterComboBox(ListeChoix& liste, int selection) {
    std::vector<Pays> tries = kPays;
    std::stable_sort(tries.begin(), tries.end(),
                     [](const Pays& a, const Pays& b) { return CompareFrench(a.libelle, b.libelle) < 0; });
    liste = ListeChoix{};
    for (const Pays& p : tries) liste.elements.push_back({p.libelle, p.id});
    liste.selection = liste.IndexDeObjet(selection);
}

bool CPays::ChoisirPays(int id) {
    if (!TListePays::Trouver(id)) return false;
    id_ = id;
    return true;
}

}  // namespace kvarn::host
