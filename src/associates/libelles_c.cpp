// The label functions of the associates' C interface: each fills its own static buffer, cleared
// first, and never returns null. A label the module cannot give (no host list of legal forms, a
// code outside its table) leaves the buffer empty.
#include <kvarn/associe.hpp>
#include <kvarn/kvarn.h>

#include "common/fixed_field.hpp"

#include <cstring>
#include <exception>
#include <string>

namespace {

template <std::size_t N>
const char* Poser(char (&tampon)[N], const std::string& libelle, kvarn::CodePage page) {
    kvarn::WriteCStringField(tampon, N, libelle, page);
    return tampon;
}

}  // namespace

const char* DonnerTitreOuFormeJuridique_C(int16_t titre, int16_t personnePhysique, int16_t formeEDI) {
    static char tampon[61];
    std::memset(tampon, 0, sizeof tampon);
    try {
        const int code = titre;
        return Poser(tampon, DonnerTitreOuFormeJuridique(code, personnePhysique != 0, formeEDI != 0),
                     kvarn::CodePage::Ansi);
    } catch (const std::exception&) {
        return tampon;
    }
}

const char* DonnerQualite_C(int16_t code) {
    static char tampon[21];
    const bool connu = code >= QA_EXPLOITANT && code <= QA_COGERANT;
    return Poser(tampon, connu ? CQualiteAssocie::QualiteAssocie(static_cast<QUALITE_ASSOCIE>(code)) : std::string(),
                 kvarn::CodePage::Oem);
}

const char* DonnerRegimeMatrimonial_C(int16_t code) {
    static char tampon[50];
    const bool connu = code >= RM_SEPARATION_DE_BIENS && code <= RM_COMMUNAUTE_UNIVERSELLE;
    return Poser(tampon,
                 connu ? CRegimeMatrimonial::RegimeMatrimonial(static_cast<REGIME_MATRIMONIAL_ASSOCIE_PHYSIQUE>(code))
                       : std::string(),
                 kvarn::CodePage::Oem);
}
