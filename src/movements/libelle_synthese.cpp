#include "movements/libelle_synthese.hpp"

#include "movements/codes_mouvement.hpp"

#include <kvarn/mouvements.hpp>

namespace kvarn::movements {
namespace {

std::string AcquisitionOuCession(double parts, const char* nature) {
    return std::string(parts > 0 ? "Acquisition de parts " : "Cession de parts ") + nature;
}

}  // namespace

std::string LibelleTypeSynthese(std::optional<int> type, double pp, double u, double np) {
    if (!type) return {};
    switch (*type) {
        case kCessionPP: return AcquisitionOuCession(pp, "PP");
        case kCessionNP: return AcquisitionOuCession(np, "NP");
        case kCessionU: return AcquisitionOuCession(u, "U");
        case kDemembrement:
            if (pp < 0) return "Démembrement de parts";
            if (np > 0) return "Démembrement bénéficiaire NP";
            if (u > 0) return "Démembrement bénéficiaire U";
            return {};
        case kAugmentationCapital:
        case kReductionCapital: return LibellesTypeMouvement[*type];
        case kReconstitution:
            if (pp > 0) return "Reconstitution bénéficiaire PP";
            if (np < 0 || u < 0) return "Reconstitution de parts";
            return {};
        default: return {};
    }
}

}  // namespace kvarn::movements
