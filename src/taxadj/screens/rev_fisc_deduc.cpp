#include "taxadj/screens/rev_fisc_deduc.hpp"

#include "common/text.hpp"
#include "host/boites.hpp"
#include "taxadj/calculs_divers.hpp"
#include "taxadj/divers.hpp"

#include <cmath>
#include <numeric>
#include <stdexcept>

namespace kvarn::taxadj {
namespace {

constexpr const char* kComposantLignes = "tblDiversFisc";
constexpr const char* kComposantParts = "tblDiversFiscPartAssocie";
constexpr const char* kIndexParts = "idxIdDiversFisc";
constexpr const char* kTotaux[] = {"total-bic", "total-ba", "total-bnc"};
constexpr const char* kLibellesTotaux[] = {"Total BIC/IS", "Total BA", "Total BNC"};
constexpr const char* kPartAssocie = "part-associe";
constexpr int kColonneSaisi = 3;

// An entry the screen refused (after saying why) or an insertion it does not allow: the caller
// cancels the record and goes on.
struct SaisieAnnulee : std::runtime_error {
    SaisieAnnulee() : std::runtime_error("Saisie annulée") {}
};

}  // namespace

TfrmRevFiscDeduc::TfrmRevFiscDeduc(store::TdmKvarn& module, bool deduction, SortiesDivers sorties,
                                   const TPartAssocieDiversEvent& partAssocie)
    : module_(module), deduction_(deduction), sorties_(sorties), parAssocie_(static_cast<bool>(partAssocie)) {
    if (parAssocie_) {
        partAssocie(deduction_, denominateur_, numerateur_, idAssocie_, partAssocie_);
        Declare({.name = kPartAssocie, .label = "Part associé", .readOnly = true});
    } else {
        for (int c = 0; c < 3; ++c) Declare({.name = kTotaux[c], .label = kLibellesTotaux[c], .readOnly = true});
    }
}

TfrmRevFiscDeduc::~TfrmRevFiscDeduc() { Restaurer(); }

std::string TfrmRevFiscDeduc::Titre() const {
    return std::string(deduction_ ? "Déductions diverses" : "Réintégrations diverses") + (parAssocie_ ? " par associé" : "");
}

db::CTable& TfrmRevFiscDeduc::Composant() { return (parAssocie_ ? reglagesParts_ : reglagesLignes_)->Table(); }

void TfrmRevFiscDeduc::Activate() {
    store::TdmDonnees& donnees = module_.Donnees();
    if (parAssocie_) SynchroniserPartsAssocie(donnees, idAssocie_);
    db::CTable& lignes = reglagesLignes_.emplace(donnees.Composant(kComposantLignes)).Table();
    lignes.SetFilter(FiltreSens(donnees, deduction_));
    lignes.SetFiltered(true);
    if (!lignes.Active()) lignes.Open();
    if (parAssocie_) {
        db::CTable& parts = reglagesParts_.emplace(donnees.Composant(kComposantParts)).Table();
        calculPrecedent_ = parts.OnCalcFields;
        parts.OnCalcFields = [this](db::CTable& t) { CalculerPart(t); };
        parts.BeforePost = [this](db::CTable& t) { VerifierPart(t); };
        parts.BeforeInsert = [](db::CTable&) { throw SaisieAnnulee(); };
        parts.SetIndexName(kIndexParts);
        parts.SetFilter(ConditionPartsAssocie(donnees, idAssocie_, deduction_, sorties_.ba != nullptr));
        parts.SetFiltered(true);
        if (!parts.Active()) parts.Open();
    }
    Recharger();
}

void TfrmRevFiscDeduc::CalculerPart(db::CTable& parts) {
    if (calculPrecedent_) calculPrecedent_(parts);
    EcrireValeurCalculee(parts, ValeurCalculee(LirePartAffichee(parts).total, numerateur_, denominateur_));
}

void TfrmRevFiscDeduc::VerifierPart(db::CTable& parts) {
    const PartAffichee part = LirePartAffichee(parts);
    if (part.valeurSaisi && part.total && *part.valeurSaisi > *part.total) {
        host::ZORAttention(kMessagePartSuperieure);
        throw SaisieAnnulee();
    }
}

void TfrmRevFiscDeduc::Recharger() {
    db::CTable& table = Composant();
    signets_.clear();
    lignes_.clear();
    parts_.clear();
    for (table.First(); !table.Eof(); table.Next()) {
        signets_.push_back(table.GetBookmark());
        if (parAssocie_) parts_.push_back(LirePartAffichee(table));
        else lignes_.push_back(LireLigneDivers(table));
    }
    if (parAssocie_) {
        const long somme = std::accumulate(parts_.begin(), parts_.end(), 0L, [](long s, const PartAffichee& p) {
            return s + p.valeurSaisi.value_or(p.valeurCalcule.value_or(0));
        });
        SetValue(kPartAssocie, std::to_string(somme));
        return;
    }
    for (int c = 0; c < 3; ++c) {
        long somme = 0;
        for (const LigneDiversFisc& ligne : lignes_) somme += EurosEntiers(ligne.divers.*kMontantsDivers[c]).value_or(0);
        SetValue(kTotaux[c], std::to_string(somme));
    }
}

void TfrmRevFiscDeduc::AbandonnerNouvelleLigne() {
    if (!nouvelleLigne_) return;
    nouvelleLigne_ = false;
    Composant().Cancel();
}

void TfrmRevFiscDeduc::SelectionnerLigne(int ligne) {
    AbandonnerNouvelleLigne();
    selection_ = ligne;
}

bool TfrmRevFiscDeduc::InsererLigne() {
    AbandonnerNouvelleLigne();
    db::CTable& table = Composant();
    try {
        table.Append();
    } catch (const SaisieAnnulee&) {
        return false;
    }
    EcrireSens(table, deduction_);
    nouvelleLigne_ = true;
    return true;
}

bool TfrmRevFiscDeduc::Supprimer() {
    AbandonnerNouvelleLigne();
    if (parAssocie_ || selection_ < 0 || selection_ >= static_cast<int>(signets_.size())) return false;
    if (!host::ZORQuestion(kQuestionSuppression, "Suppression")) return false;
    db::CTable& table = Composant();
    table.GotoBookmark(signets_[static_cast<std::size_t>(selection_)]);
    table.Delete();
    Recharger();
    selection_ = std::min(selection_, static_cast<int>(signets_.size()) - 1);
    return true;
}

bool TfrmRevFiscDeduc::SaisirLigne(int ligne, ColonneDivers colonne, const std::string& texte) {
    const std::optional<std::optional<long>> euros = LireEurosSaisis(texte);
    if (colonne != ColonneDivers::Designation && !euros) return false;
    db::CTable& table = Composant();
    if (!(nouvelleLigne_ && ligne == static_cast<int>(signets_.size()))) {
        AbandonnerNouvelleLigne();
        table.GotoBookmark(signets_.at(static_cast<std::size_t>(ligne)));
        table.Edit();
    }
    nouvelleLigne_ = false;
    if (colonne == ColonneDivers::Designation) EcrireDesignation(table, Trim(texte));
    else EcrireMontant(table, colonne, *euros);
    table.Post();
    const LigneDiversFisc ecrite = LireLigneDivers(table);
    const CDeductionsReintegrationsDiverses& d = ecrite.divers;
    if (d.Designation.empty() && !d.MontantBIC && !d.MontantBA && !d.MontantBNC) table.Delete();
    Recharger();
    return true;
}

bool TfrmRevFiscDeduc::SaisirPart(int ligne, const std::string& texte) {
    const std::optional<std::optional<long>> euros = LireEurosSaisis(texte);
    if (!euros) return false;
    db::CTable& table = Composant();
    table.GotoBookmark(signets_.at(static_cast<std::size_t>(ligne)));
    table.Edit();
    EcrireValeurSaisie(table, *euros);
    try {
        table.Post();
    } catch (const SaisieAnnulee&) {
        table.Cancel();
        return false;
    }
    Recharger();
    return true;
}

std::optional<std::string> TfrmRevFiscDeduc::Leave() {
    AbandonnerNouvelleLigne();
    return std::nullopt;
}

void TfrmRevFiscDeduc::Deactivate() {
    struct Fin {
        TfrmRevFiscDeduc& ecran;
        ~Fin() { ecran.Restaurer(); }
    } fin{*this};
    AbandonnerNouvelleLigne();
    if (parAssocie_) {
        if (partAssocie_) *partAssocie_ = std::stol(Value(kPartAssocie));
        return;
    }
    db::CQuery& requete = module_.Donnees().qTraitement();
    taxadj::Ouvrir(requete, RequeteTotaux(module_.Donnees(), deduction_));
    const Totaux totaux = LireTotaux(requete);
    requete.Close();
    const std::pair<long*, double> sorties[] = {{sorties_.bic, totaux.bic}, {sorties_.ba, totaux.ba},
                                                {sorties_.bnc, totaux.bnc}};
    for (const auto& [sortie, total] : sorties)
        if (sortie) *sortie = static_cast<long>(std::trunc(total));
}

bool TfrmRevFiscDeduc::Fermer() {
    if (Leave()) return false;
    Deactivate();
    return true;
}

void TfrmRevFiscDeduc::Restaurer() noexcept {
    if (reglagesParts_) reglagesParts_->Restaurer();
    if (reglagesLignes_) reglagesLignes_->Restaurer();
}

std::string TfrmRevFiscDeduc::ModeleGrille::ColumnTitle(int column) const {
    static const char* const kLignes[] = {"Désignation", "BIC/IS", "BA", "BNC"};
    static const char* const kParts[] = {"Désignation", "Total", "Calculé", "Saisi"};
    return (ecran_.parAssocie_ ? kParts : kLignes)[column];
}

std::string TfrmRevFiscDeduc::ModeleGrille::TitreGroupe(int column) const {
    return ecran_.parAssocie_ && column >= 2 ? "Part associé" : ColumnTitle(column);
}

int TfrmRevFiscDeduc::ModeleGrille::RowCount() const {
    return static_cast<int>(ecran_.signets_.size()) + (ecran_.nouvelleLigne_ ? 1 : 0);
}

std::string TfrmRevFiscDeduc::ModeleGrille::CellText(int row, int column) const {
    const auto r = static_cast<std::size_t>(row);
    if (ecran_.parAssocie_) {
        const PartAffichee& part = ecran_.parts_.at(r);
        const std::optional<long> valeurs[] = {std::nullopt, part.total, part.valeurCalcule, part.valeurSaisi};
        return column == 0 ? part.designation : TexteEuros(valeurs[column]);
    }
    if (r == ecran_.lignes_.size()) return {};  // the new line
    const CDeductionsReintegrationsDiverses& ligne = ecran_.lignes_.at(r).divers;
    return column == 0 ? ligne.Designation : TexteEuros(EurosEntiers(ligne.*kMontantsDivers[column - 1]));
}

bool TfrmRevFiscDeduc::ModeleGrille::CellEditable(int row, int column) const {
    return row >= 0 && row < RowCount() && (!ecran_.parAssocie_ || column == kColonneSaisi);
}

bool TfrmRevFiscDeduc::ModeleGrille::SetCellText(int row, int column, const std::string& text) {
    if (!CellEditable(row, column)) return false;
    return ecran_.parAssocie_ ? ecran_.SaisirPart(row, text)
                              : ecran_.SaisirLigne(row, static_cast<ColonneDivers>(column), text);
}

}  // namespace kvarn::taxadj
