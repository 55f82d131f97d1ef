// The host's address records.
//
// CAdresse is a postal address as the host keeps it for a dossier or a party. TAdresseFormatTDFC
// is the same address laid out for the tax returns, its members numbered as the returns number
// them (0 the name line, 9 the country). Texts are UTF-8.
#pragma once

#include "common/nulls.hpp"

#include <string>

namespace kvarn::host {

struct CAdresse {
    std::string Complement1;
    std::string Complement2;
    std::string NoVoie;
    std::string CmplNoVoie;  // repetition index: B, T, Q
    std::string NomVoie;
    std::string BP;
    std::string CP;
    std::string Ville;
    std::string BureauDistributeur;
    std::string Telephone;
    std::string Fax;
    std::string Email;
    int IDPays = PAYS_FRANCE;
    std::string CodeInsee;
    bool operator==(const CAdresse&) const = default;
};

struct TAdresseFormatTDFC {
    std::string Nom;                 // 0
    std::string Complement1;         // 1
    std::string Complement2;         // 2
    std::string NoVoie;              // 3
    std::string IndiceRepetition;    // 4
    std::string NomVoie;             // 5
    std::string BP;                  // 6
    std::string CP;                  // 7
    std::string Ville;               // 8
    int IDPays = PAYS_FRANCE;        // 9
    std::string BureauDistributeur;  // 10
    std::string Telephone;           // 11
    bool operator==(const TAdresseFormatTDFC&) const = default;
};

}  // namespace kvarn::host
