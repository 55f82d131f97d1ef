// TfrmRepartitionResultatEntreAssocies: the list of every associate's share of the company's
// result, without its widgets.
//
// Created with its parameter object: it first calls the host's prerequisite hook when the host set
// one (the host computes its amounts), then takes over the parameter's result callback, which the
// result view's calculated columns ask for every cached associate. Afficher opens the view in its
// order (one read-only grid: the columns below); Fermer closes it and clears the callback. Going
// without Fermer does the same.
#pragma once

#include "db/table.hpp"
#include "store/data_module.hpp"

#include <kvarn/ecrans.hpp>

namespace kvarn::associates {

struct ColonneGrille {
    const char* champ;
    const char* titre;
};

inline constexpr ColonneGrille kColonnesRepartition[] = {
    {"Denomination", "Nom ou dénomination"}, {"RegimeImpositionSCI", "Régime fiscal"},
    {"NbPartsCalc", "Nb de parts"},          {"Benefice", "Bénéfice"},
    {"Deficit", "Déficit"},                  {"PVLT", "PV LT"}};

class TfrmRepartitionResultatEntreAssocies {
public:
    static constexpr const char* kTitre = "frmRepartitionResultatEntreAssocies";

    TfrmRepartitionResultatEntreAssocies(store::TdmKvarn& module, const CRepartitionResultatAssocies& parametre);
    ~TfrmRepartitionResultatEntreAssocies();
    TfrmRepartitionResultatEntreAssocies(const TfrmRepartitionResultatEntreAssocies&) = delete;
    TfrmRepartitionResultatEntreAssocies& operator=(const TfrmRepartitionResultatEntreAssocies&) = delete;

    void Afficher();
    void Fermer();
    db::CTable& Vue() { return vue_; }

private:
    store::TdmKvarn& module_;
    db::CTable& vue_;
    bool ferme_ = false;
};

}  // namespace kvarn::associates
