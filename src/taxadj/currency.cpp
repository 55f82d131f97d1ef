// CCurrency: the host's currency, a count of ten-thousandths held in 64 bits, so that sums of
// amounts never drift as doubles do.
#include <kvarn/divers.hpp>

#include <cmath>
#include <stdexcept>
#include <string>

namespace {

constexpr std::int64_t kEchelle = 10000;
// Beyond this, the count of ten-thousandths would not fit 64 bits.
constexpr double kLimite = 9.2e14;

}  // namespace

CCurrency::CCurrency(double valeur) {
    if (!std::isfinite(valeur) || std::fabs(valeur) >= kLimite)
        throw std::out_of_range("Montant hors des limites de la monnaie : " + std::to_string(valeur));
    dixMilliemes_ = std::llround(valeur * kEchelle);
}

CCurrency CCurrency::DepuisDixMilliemes(std::int64_t dixMilliemes) {
    CCurrency montant;
    montant.dixMilliemes_ = dixMilliemes;
    return montant;
}

double CCurrency::EnDouble() const { return static_cast<double>(dixMilliemes_) / kEchelle; }

std::string CCurrency::TexteSQL() const {
    // The magnitude as an unsigned number, so that the most negative count keeps its digits.
    const std::uint64_t grandeur = dixMilliemes_ < 0 ? 0 - static_cast<std::uint64_t>(dixMilliemes_)
                                                     : static_cast<std::uint64_t>(dixMilliemes_);
    std::string texte = (dixMilliemes_ < 0 ? "-" : "") + std::to_string(grandeur / kEchelle);
    std::string decimales = std::to_string(grandeur % kEchelle);
    if (decimales == "0") return texte;
    decimales.insert(0, 4 - decimales.size(), '0');
    while (decimales.back() == '0') decimales.pop_back();
    return texte + "." + decimales;
}
