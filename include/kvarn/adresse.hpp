// The two address records that the standing-data accessors exchange with other programs.
//
// CAdresse is a postal address as the host keeps it for a dossier or a party. TAdresseFormatTDFC
// is the same address laid out for the tax returns, its members numbered as the returns number
// them: 0 the name line, 1 complement 1, 2 complement 2, 3 street number, 4 repetition index,
// 5 street name, 6 BP, 7 postcode, 8 town, 9 country, 10 distribution office, 11 telephone. The
// caller owns both records; the accessors fill or read them. Texts are UTF-8; the country is the
// host's country identifier, 76 (France) unless said otherwise.
#pragma once

#include <string>

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
    int IDPays = 76;
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
    int IDPays = 76;                 // 9
    std::string BureauDistributeur;  // 10
    std::string Telephone;           // 11
    bool operator==(const TAdresseFormatTDFC&) const = default;
};
