// What the exchange file says, as a pure function of the dossier's data.
//
// DonneesISA gathers, as plain values, everything the file is made of: the dossier record's
// values, the settings file's title, every row of KOLMIKV1 in its browsing order, the holdings and
// the caller's results. ContenuFichierISA turns them into the file's bytes, sections and tags in
// the importer's order; the host's lists give the labels of codes (legal forms, regimes,
// categories, countries). Reading the data is lecture_isa.hpp's; writing the file is the exported
// function's. Nothing here touches a table or a file, so the rules are tried without a dossier.
#pragma once

#include "export/participations.hpp"

#include <kvarn/adresse.hpp>
#include <kvarn/associe.hpp>
#include <kvarn/export_isa.hpp>
#include <kvarn/kvarn.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kvarn::exportisa {

inline constexpr const char* kPremiereLigne = "Migration Tavelor vers ISACOMPTA";

struct DonneesISA {
    bool drapeau = false;
    std::string identifiantISA;
    double finExercice = 0;
    std::string activite;
    std::string titre;  // key "Titre" of section "ECF-COURRIERCab" of the dossier's settings
    std::string prenom, nom, libelle;
    CAdresse adresse, correspondance, siege;
    int formeJuridique = 0;
    std::string codeAPE, codeAPE2008, siret;
    tagNOINTRACOMM noIntraComm{};
    int regimeFiscal = 0, categorie = 0, regimeImposition = 0;
    double debutActivite = 0;
    std::uint16_t dateEngagementDOS = 0;
    // Every row of KOLMIKV1 in browsing order, start-of-year shares as stored.
    std::vector<Associe> associes;
    tagDONNEES_ADM administratif{};
    std::vector<ParticipationFiliale> participations;
    std::vector<ResultatExportISA> resultats;
};

std::string ContenuFichierISA(const DonneesISA& donnees);

// An associate's share count in the file: the host's rounding of its stored full-ownership and
// usufruct shares, an empty column counting 0.
long NombrePartsISA(const Associe& associe);

}  // namespace kvarn::exportisa
