#include "movements/registre.hpp"

#include "common/dates.hpp"
#include "common/rounding.hpp"
#include "movements/codes_mouvement.hpp"
#include "movements/cumul.hpp"
#include "movements/libelle_synthese.hpp"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace kvarn::movements {
namespace {

using Sommes = std::map<int, std::array<double, 3>>;  // associate → PP, U, NP

bool EstMouvement(int type) { return type < kPremierTypeHorsMouvement; }

// Where a synthesis row comes in its movement: its detail row's entry, then main before derived
// (the derived keys are −2 × AutoID and −2 × AutoID − 1).
std::pair<int, int> RangDansMouvement(int idDetail) {
    if (idDetail > 0) return {idDetail, 0};
    return {-idDetail / 2, 1 + (-idDetail) % 2};
}

std::string LibelleDuType(int type) {
    return type >= kCessionPP && type < kPremierTypeHorsMouvement ? LibellesTypeMouvement[type] : "";
}

std::array<double, 3> Valeurs(const PartsStockees& parts) {
    return {parts.pp.value_or(0.0), parts.u.value_or(0.0), parts.np.value_or(0.0)};
}

LienRegistre LienAvecSesRoles(const cAssoNPU& lien, int type) {
    if (type == kCessionU) return {lien.IdU, lien.IdNP, lien.NbU};
    return {lien.IdNP, lien.IdU, lien.NbU};
}

class Composition {
public:
    explicit Composition(const SourcesRegistre& sources) : sources_(sources) {
        for (const PositionStockee& p : sources.positions) designations_[p.idAssocie] = p.designation;
        for (const LigneSyntheseStockee& l : sources.synthese) synthese_[l.idMouvement].push_back(l);
        for (const cAssoNPU& l : sources.liens) liens_[l.IdMouv].push_back(l);
    }

    Registre Composer() {
        registre_.entete = sources_.entete;
        ListerMouvements();
        ListerDetentions();
        ListerLiens();
        ComposerAnnexe();
        Relever();
        return std::move(registre_);
    }

private:
    void ListerMouvements() {
        for (const auto& [rang, m] : *sources_.mouvements) {
            if (!EstMouvement(m.TypeMouvement)) continue;
            if (ApresSituation(m.DateMouvement, sources_.entete.dateSituation)) {
                ++registre_.entete.mouvementsApresSituation;
                continue;
            }
            MouvementRegistre inscrit{m.AutoID, m.DateMouvement, std::nullopt, LibelleDuType(m.TypeMouvement),
                                      std::nullopt, Lignes(m.AutoID), {}};
            if (m.TypeMouvement != kTypeNonDefini) inscrit.type = m.TypeMouvement;
            if (m.IDCedant != 0) inscrit.idCedant = m.IDCedant;
            if (const auto liens = liens_.find(m.AutoID); liens != liens_.end())
                for (const cAssoNPU& lien : liens->second) inscrit.liens.push_back(LienAvecSesRoles(lien, m.TypeMouvement));
            registre_.mouvements.push_back(std::move(inscrit));
        }
    }

    std::vector<LigneRegistre> Lignes(int idMouvement) {
        std::vector<LigneRegistre> lignes;
        const auto trouvees = synthese_.find(idMouvement);
        if (trouvees == synthese_.end()) return lignes;
        std::vector<LigneSyntheseStockee>& stockees = trouvees->second;
        std::sort(stockees.begin(), stockees.end(), [](const auto& a, const auto& b) {
            return RangDansMouvement(a.idDetail) < RangDansMouvement(b.idDetail);
        });
        lignes.reserve(stockees.size());
        for (const LigneSyntheseStockee& s : stockees) {
            const auto designation = designations_.find(s.idAssocie);
            lignes.push_back({s.idAssocie, designation == designations_.end() ? std::string() : designation->second,
                              {s.pp, s.u, s.np},
                              LibelleTypeSynthese(s.type, s.pp.value_or(0), s.u.value_or(0), s.np.value_or(0))});
            std::array<double, 3>& somme = lignesParAssocie_[s.idAssocie];
            somme[kPartsPP] += s.pp.value_or(0);
            somme[kPartsU] += s.u.value_or(0);
            somme[kPartsNP] += s.np.value_or(0);
        }
        return lignes;
    }

    void ListerDetentions() {
        for (const PositionStockee& p : sources_.positions) {
            const auto debut = Valeurs(p.debut), fin = Valeurs(p.fin);
            const bool rien = debut == std::array<double, 3>{} && fin == std::array<double, 3>{};
            if (rien && !lignesParAssocie_.count(p.idAssocie)) continue;
            registre_.detentions.push_back(p);
            registre_.entete.totalDebut += debut[kPartsPP] + debut[kPartsNP];
            registre_.entete.totalFin += fin[kPartsPP] + fin[kPartsNP];
        }
    }

    void ListerLiens() {
        std::map<std::pair<int, int>, double> debut;
        for (const cAssoNPU& lien : liens_[0]) debut[{lien.IdNP, lien.IdU}] += lien.NbU;
        for (const auto& [paire, nbU] : debut)
            if (nbU != 0) registre_.liensDebut.push_back({paire.first, paire.second, nbU});
        for (const auto& [nuProprietaire, usufruitiers] : sources_.carte)
            for (const cUsufruitier& u : Usufruitiers(sources_.carte, nuProprietaire))
                registre_.liensFin.push_back({nuProprietaire, u.IdAsso, u.NbParts});
    }

    void ComposerAnnexe() {
        const EnteteRegistre& e = sources_.entete;
        const CalendarDate debut = DecodeDate(e.debut), fin = DecodeDate(e.fin);
        if (debut.day != 1 || debut.month != 1 || fin.day != 31 || fin.month != 12 || fin.year != debut.year) {
            registre_.motifSansAnnexe = "L'exercice ne court pas du 1er janvier au 31 décembre d'une même année";
            return;
        }
        if (e.dateSituation != 0 && e.dateSituation != e.fin) {
            registre_.motifSansAnnexe = "La date de situation n'est pas le 31 décembre";
            return;
        }
        registre_.annexe2072.emplace();
        for (const PositionStockee& p : registre_.detentions)
            registre_.annexe2072->push_back({p.idAssocie, p.designation, p.debut, p.fin});
    }

    // Gaps: every holding, and whoever appears in lines without one.
    void Relever() {
        Sommes debuts, fins;
        for (const PositionStockee& p : registre_.detentions) {
            debuts[p.idAssocie] = Valeurs(p.debut);
            fins[p.idAssocie] = Valeurs(p.fin);
        }
        std::set<int> associes;
        for (const auto& [id, valeurs] : debuts) associes.insert(id);
        for (const auto& [id, valeurs] : lignesParAssocie_) associes.insert(id);
        for (const int id : associes)
            for (const int nature : {kPartsPP, kPartsU, kPartsNP}) {
                const double d = debuts[id][nature], m = lignesParAssocie_[id][nature], f = fins[id][nature];
                if (Round(d + m, 5) != Round(f, 5)) registre_.ecarts.push_back({id, nature, d, m, f});
            }
    }

    const SourcesRegistre& sources_;
    Registre registre_;
    std::unordered_map<int, std::string> designations_;
    std::unordered_map<int, std::vector<LigneSyntheseStockee>> synthese_;
    std::unordered_map<int, std::vector<cAssoNPU>> liens_;
    std::unordered_map<int, std::array<double, 3>> lignesParAssocie_;
};

}  // namespace

Registre ComposerRegistre(const SourcesRegistre& sources) { return Composition(sources).Composer(); }

}  // namespace kvarn::movements
