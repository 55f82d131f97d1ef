// A list of choices as a combo box holds it, without any widget: texts each carrying an
// integer object (a code), and the selected index (-1 for none). Host lists fill it; the
// assistant shows it.
#pragma once

#include <string>
#include <vector>

namespace kvarn::host {

struct ListeChoix {
    struct Element {
        std::string texte;
        int objet = 0;
    };
    std::vector<Element> elements;
    int selection = -1;

    // The index of the first element carrying `objet`, or -1.
    int IndexDeObjet(int objet) const;
};

}  // namespace kvarn::host
