// TfrmRevFiscDeduc: the screen of the miscellaneous deductions or reintegrations, without its
// widgets, in its two modes.
//
// Lines (no callback; caption "Déductions diverses" or "Réintégrations diverses"): the grid shows
// the lines of one kind (tblDiversFisc filtered on IsDeduction), columns Désignation, BIC/IS, BA,
// BNC, every cell editable, with the three totals in the read-only fields "total-bic", "total-ba",
// "total-bnc", recomputed whenever a line changes. A new line is added at the end of the grid and
// written at its first entry; leaving a line whose designation is empty and whose amounts are all
// null deletes it (a new line left untouched is dropped). Supprimer asks "Etes-vous sûr de vouloir
// supprimer cette ligne ?" (caption "Suppression") and deletes the selected line on yes. Closing
// sums the kind's three columns in KOLMIKV2 and stores each sum, truncated, into each output given.
//
// Per associate (callback given; the caption followed by " par associé"): the callback is called
// once, when the screen is made, and gives the denominator, the numerator, the associate's key and
// where the associate's total goes. Activating brings the associate's share rows in line with the
// lines, then the grid shows the associate's rows of the kind and of one category (BA when the BA
// output is given, else BIC): Désignation, Total, then under "Part associé" Calculé (Total ×
// numerator ÷ denominator, truncated) and Saisi, the only editable column. An entered share above
// the total is refused with the warning "La part de l'associé ne peut étre supérieure au total"
// and the entry cancelled; no row can be inserted. The read-only field "part-associe" shows the
// sum of the shares (Saisi when entered, else Calculé), which closing stores into the slot.
//
// The screen sets filters, an index and handlers on the data module's components while it is
// active; it puts every one of them back when it closes, and when it goes, whatever went wrong.
#pragma once

#include "frame/screens/row_model.hpp"
#include "frame/screens/screen.hpp"
#include "host/ecran_modal.hpp"
#include "store/data_module.hpp"
#include "taxadj/screens/reglages_composant.hpp"
#include "taxadj/table_divers_fisc.hpp"
#include "taxadj/table_parts_associe.hpp"

#include <kvarn/divers.hpp>

#include <optional>
#include <string>
#include <vector>

namespace kvarn::taxadj {

inline constexpr const char* kMessagePartSuperieure = "La part de l'associé ne peut étre supérieure au total";
inline constexpr const char* kQuestionSuppression = "Etes-vous sûr de vouloir supprimer cette ligne ?";

// Where the lines mode stores the three totals; a null one is left alone.
struct SortiesDivers {
    long* bic = nullptr;
    long* ba = nullptr;
    long* bnc = nullptr;
};

class TfrmRevFiscDeduc final : public frame::Screen, public host::EcranModal {
public:
    TfrmRevFiscDeduc(store::TdmKvarn& module, bool deduction, SortiesDivers sorties,
                     const TPartAssocieDiversEvent& partAssocie);
    ~TfrmRevFiscDeduc() override;

    void Activate() override;
    std::optional<std::string> Leave() override;
    void Deactivate() override;

    std::string Titre() const override;
    void Ouvrir() override { Activate(); }
    bool Fermer() override;

    bool ParAssocie() const { return parAssocie_; }
    int IdAssocie() const { return idAssocie_; }
    frame::RowModel& Grille() { return grille_; }
    // The rows as the grid shows them, by mode.
    const std::vector<LigneDiversFisc>& Lignes() const { return lignes_; }
    const std::vector<PartAffichee>& Parts() const { return parts_; }

    void SelectionnerLigne(int ligne);
    // "&Supprimer": false when there is nothing to delete, the user said no, or in the per-associate
    // mode.
    bool Supprimer();
    // A new line at the end of the grid; false when the mode refuses it.
    bool InsererLigne();

private:
    class ModeleGrille final : public frame::RowModel {
    public:
        explicit ModeleGrille(TfrmRevFiscDeduc& ecran) : ecran_(ecran) {}
        int ColumnCount() const override { return 4; }
        std::string ColumnTitle(int column) const override;
        // The heading over a column: "Part associé" over Calculé and Saisi.
        std::string TitreGroupe(int column) const;
        int RowCount() const override;
        std::string CellText(int row, int column) const override;
        bool CellEditable(int row, int column) const override;
        bool SetCellText(int row, int column, const std::string& text) override;

    private:
        TfrmRevFiscDeduc& ecran_;
    };

    db::CTable& Composant();  // the one the grid shows
    void Recharger();         // the rows again from the component, and the totals
    void AbandonnerNouvelleLigne();
    bool SaisirLigne(int ligne, ColonneDivers colonne, const std::string& texte);
    bool SaisirPart(int ligne, const std::string& texte);
    void CalculerPart(db::CTable& parts);
    void VerifierPart(db::CTable& parts);
    void Restaurer() noexcept;

    store::TdmKvarn& module_;
    bool deduction_;
    SortiesDivers sorties_;
    bool parAssocie_;
    int denominateur_ = 0;
    int numerateur_ = 0;
    int idAssocie_ = 0;
    long* partAssocie_ = nullptr;

    ModeleGrille grille_{*this};
    std::optional<ReglagesComposant> reglagesLignes_;
    std::optional<ReglagesComposant> reglagesParts_;
    db::TDataSetNotifyEvent calculPrecedent_;
    std::vector<db::TBookmark> signets_;
    std::vector<LigneDiversFisc> lignes_;
    std::vector<PartAffichee> parts_;
    bool nouvelleLigne_ = false;
    int selection_ = 0;
};

}  // namespace kvarn::taxadj
