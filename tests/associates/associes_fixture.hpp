// A new dossier with its data module started and the associates' handlers attached on
// tblAssociesKV, which is open; rows are appended through it.
#pragma once

#include "associates/gestionnaires_associes.hpp"
#include "frame/etat_module.hpp"
#include "store/nouveau_dossier.hpp"
#include "support/dossier_ouvert.hpp"

#include <kvarn/kvarn.h>
#include <kvarn/module.hpp>

#include <string>
#include <utility>
#include <vector>

namespace kvarn::associates {

// Column values of a row, by column name.
using Colonnes = std::vector<std::pair<std::string, db::Value>>;

class TableAssocies : public testing_support::DossierOuvert {
protected:
    void SetUp() override {
        DossierOuvert::SetUp();
        store::InitialiserNouveauDossier(dir_);
        InitDataModuleKV();
        InitKV();
        Table().Open();
    }
    void TearDown() override {
        DesinitKV();
        DetruireDataModuleKV();
        DossierOuvert::TearDown();
    }
    static db::CTable& Table() { return frame::DataModule()->Donnees().Composant("tblAssociesKV"); }
    // Appends a row holding these values; the cursor stays on it.
    static void Ajouter(const Colonnes& colonnes) {
        Table().Append();
        for (const auto& [nom, valeur] : colonnes) Table().FieldByName(nom).SetValue(valeur);
        Table().Post();
    }
};

}  // namespace kvarn::associates
