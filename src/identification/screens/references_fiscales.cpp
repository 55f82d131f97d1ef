#include "identification/screens/references_fiscales.hpp"

#include "common/codepage.hpp"
#include "common/fixed_field.hpp"

#include <cstddef>

namespace kvarn::identification {
namespace {

struct Reference {
    const char* name;
    const char* label;
    int width;
    GenreSaisie genre;
    std::size_t offset;
    std::size_t size;
};

#define KVARN_MEMBRE(membre) offsetof(tagDONNEES_ADM, membre), sizeof(tagDONNEES_ADM::membre)

const Reference kReferences[] = {
    {"frp-sie", "SIE", 3, GenreSaisie::Code, KVARN_MEMBRE(CodeSIE)},
    {"frp-dossier", "N° dossier", 6, GenreSaisie::Chiffres, KVARN_MEMBRE(NoDossier)},
    {"frp-cle", "Clé", 2, GenreSaisie::Chiffres, KVARN_MEMBRE(Cle)},
    {"code-service", "Code service ou IFU :", 3, GenreSaisie::Chiffres, KVARN_MEMBRE(NoService)},
    {"cdi", "CDI:", 2, GenreSaisie::Chiffres, KVARN_MEMBRE(CodeCDI)},
};

#undef KVARN_MEMBRE

}  // namespace

std::vector<ChampReference> ChampsReferencesFiscales() {
    std::vector<ChampReference> champs;
    for (const Reference& r : kReferences) champs.push_back({{.name = r.name, .label = r.label, .width = r.width}, r.genre});
    return champs;
}

std::vector<std::pair<std::string, std::string>> ValeursReferencesFiscales(const tagDONNEES_ADM& donnees) {
    const auto* octets = reinterpret_cast<const char*>(&donnees);
    std::vector<std::pair<std::string, std::string>> valeurs;
    for (const Reference& r : kReferences)
        valeurs.emplace_back(r.name, ReadField(octets + r.offset, r.size - 1, CodePage::Ansi));
    return valeurs;
}

void LireReferencesFiscales(const frame::Screen& ecran, tagDONNEES_ADM& donnees) {
    auto* octets = reinterpret_cast<char*>(&donnees);
    for (const Reference& r : kReferences)
        WriteCStringField(octets + r.offset, r.size, ecran.GetField(r.name).value, CodePage::Ansi);
}

}  // namespace kvarn::identification
