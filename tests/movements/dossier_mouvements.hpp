// A new dossier with its data module created and started, for the movement tests; and helpers
// that record movements through the exported storage operations.
#pragma once

#include "common/dates.hpp"
#include "frame/etat_module.hpp"
#include "store/nouveau_dossier.hpp"
#include "support/dossier_ouvert.hpp"

#include <kvarn/module.hpp>
#include <kvarn/mouvements.hpp>

namespace kvarn::movements {

inline constexpr double kJour = 45658;  // 1 January 2025

class DossierMouvements : public testing_support::DossierOuvert {
protected:
    void SetUp() override {
        DossierOuvert::SetUp();
        store::InitialiserNouveauDossier(dir_);
        InitDataModuleKV();
        InitKV();
        ASSERT_NE(frame::DataModule(), nullptr);
    }
    void TearDown() override {
        DesinitKV();
        DetruireDataModuleKV();
        DossierOuvert::TearDown();
    }

    store::TdmKvarn& Module() { return *frame::DataModule(); }
    db::CTable& Composant(const char* nom) { return Module().Donnees().Composant(nom); }
    void Situation(double date) { ModifierDossier({{"Exercice", "Situation", date ? FormatDate(date) : ""}}); }

    // A movement with its details {associate, kind, number}; its AutoID.
    int Mouvement(double date, int type, std::vector<cDetailMouvementParts> details = {}, int cedant = 0) {
        cMouvParts mouvement;
        mouvement.DateMouvement = date;
        mouvement.TypeMouvement = type;
        mouvement.IDCedant = cedant;
        KV_OuvrirMouvementsParts();
        const int id = KV_SauverMouvementsParts(mouvement);
        for (const cDetailMouvementParts& detail : details) KV_SauverDetailMouvementsParts(detail, id);
        KV_FermerMouvementsParts();
        return id;
    }

    // The location codes of the exception boxes shown so far.
    std::vector<std::uint32_t> Localisations() const {
        std::vector<std::uint32_t> codes;
        for (const auto& boite : boxes_.shown())
            if (boite.type == host::TypeBoite::Exception) codes.push_back(static_cast<std::uint32_t>(boite.drapeaux));
        return codes;
    }
};

inline cDetailMouvementParts D(int asso, int kind, double nombre) {
    cDetailMouvementParts detail;
    detail.IdAsso = asso;
    detail.TypeParts = kind;
    detail.NbParts = nombre;
    return detail;
}

}  // namespace kvarn::movements
