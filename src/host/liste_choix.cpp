#include "host/liste_choix.hpp"

namespace kvarn::host {

int ListeChoix::IndexDeObjet(int objet) const {
    for (std::size_t i = 0; i < elements.size(); ++i)
        if (elements[i].objet == objet) return static_cast<int>(i);
    return -1;
}

}  // namespace kvarn::host
