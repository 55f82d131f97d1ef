#include "ui/country_selector.hpp"

namespace kvarn::ui {

SelecteurPays::SelecteurPays(int pays, QWidget* parent) : QComboBox(parent) {
    host::TListePays::AffecterComboBox(liste_, pays);
    for (const auto& element : liste_.elements) addItem(QString::fromStdString(element.texte), element.objet);
    // Sized for the common names; the longest official names would push the panel wide.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(22);
    pays_.ChoisirPays(pays);
    setCurrentIndex(liste_.IndexDeObjet(pays_.DonnerPays()));
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) pays_.ChoisirPays(itemData(index).toInt());
    });
}

bool SelecteurPays::ChoisirPays(int id) {
    const int index = liste_.IndexDeObjet(id);
    if (index < 0) return false;
    setCurrentIndex(index);
    return true;
}

}  // namespace kvarn::ui
