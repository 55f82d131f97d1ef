// The choice of an outside party in the assistant: the directory's candidates of one kind shown
// in the party dialog of src/ui (name, town, SIRET).
#pragma once

#include "standalone/annuaire_fichier.hpp"

namespace kvarn::assistant {

class ChoixIntervenantQt final : public standalone::ChoixIntervenant {
public:
    int Choisir(int type, const std::vector<standalone::Intervenant>& candidats) override;
};

}  // namespace kvarn::assistant
