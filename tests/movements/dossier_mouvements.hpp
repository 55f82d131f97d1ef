// A new dossier with its data module created and started, for the movement tests; movements are
// recorded through the exported storage operations.
#pragma once

#include "common/dates.hpp"
#include "db/query.hpp"
#include "frame/etat_module.hpp"
#include "store/nouveau_dossier.hpp"
#include "support/dossier_ouvert.hpp"

#include <kvarn/module.hpp>
#include <kvarn/mouvements.hpp>

namespace kvarn::movements {

inline constexpr double kJour = 45658;  // 1 January 2025
using D = cDetailMouvementParts;

class DossierMouvements : public testing_support::DossierOuvert {
protected:
    void SetUp() override {
        DossierOuvert::SetUp();
        store::InitialiserNouveauDossier(dir_);
        InitDataModuleKV();
        InitKV();
    }
    void TearDown() override {
        DesinitKV();
        DetruireDataModuleKV();
        DossierOuvert::TearDown();
    }

    store::TdmKvarn& Module() { return *frame::DataModule(); }
    db::CTable& Composant(const char* nom) { return Module().Donnees().Composant(nom); }
    void Situation(double date) { ModifierDossier({{"Exercice", "Situation", date ? FormatDate(date) : ""}}); }

    // The new movement's AutoID.
    int Mouvement(double date, int type, const std::vector<D>& details, int cedant = 0) {
        KV_OuvrirMouvementsParts();
        const int id = KV_SauverMouvementsParts({date, cedant, 0, type, {}});
        for (const D& detail : details) KV_SauverDetailMouvementsParts(detail, id);
        KV_FermerMouvementsParts();
        return id;
    }

    int Compter(const char* requete) {
        db::CQuery query(Module().Donnees().Session());
        query.SetDatabaseName(db::ALIAS_DOSSIER);
        query.SQL().Add(requete);
        query.Open();
        return query.Fields(0).AsInteger();
    }
};

}  // namespace kvarn::movements
