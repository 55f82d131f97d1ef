// The host's country selector in Qt: a drop-down list of the countries by French name (filled by
// TListePays::AffecterComboBox), holding the chosen country in a CPays. Typing a name's first
// letters while the list has the focus selects the first country they begin (Qt's type-ahead of
// a non-editable list). Bound to a screen's list field, it is a plain list of the same texts.
#pragma once

#include "host/liste_choix.hpp"
#include "host/pays.hpp"

#include <QComboBox>

namespace kvarn::ui {

class SelecteurPays final : public QComboBox {
public:
    explicit SelecteurPays(int pays = PAYS_FRANCE, QWidget* parent = nullptr);

    int Pays() const { return pays_.DonnerPays(); }
    // False, keeping the current country, for an unknown identifier.
    bool ChoisirPays(int id);

private:
    host::ListeChoix liste_;
    host::CPays pays_;
};

}  // namespace kvarn::ui
