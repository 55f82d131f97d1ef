#include "standalone/barre_terminal.hpp"

#include <cstdio>
#include <string>

#include <unistd.h>

namespace kvarn::standalone {
namespace {

class BarreTerminal final : public host::CBarre {
public:
    explicit BarreTerminal(std::string texte) : texte_(std::move(texte)) { Dessiner(); }
    ~BarreTerminal() override { std::fputs("\n", stderr); }
    BarreTerminal(const BarreTerminal&) = delete;
    BarreTerminal& operator=(const BarreTerminal&) = delete;

    void SetTexte(const std::string& texte) override { texte_ = texte; Dessiner(); }
    void SetMax(long maximum) override { maximum_ = maximum; Dessiner(); }
    void SetPosition(long position) override { position_ = position; Dessiner(); }
    void Avancer() override { ++position_; Dessiner(); }

private:
    void Dessiner() {
        constexpr int kLargeur = 30;
        const long pourcent = maximum_ > 0 ? std::min(100L, position_ * 100 / maximum_) : 0;
        const int plein = static_cast<int>(pourcent * kLargeur / 100);
        if (pourcent == dernier_ && texte_ == dernierTexte_) return;  // redraw only on change
        // The line is cleared first: a shorter text must not leave the end of the longer one.
        dernier_ = pourcent;
        dernierTexte_ = texte_;
        std::fprintf(stderr, "\r\033[K%s [%s%s] %3ld %%", texte_.c_str(), std::string(plein, '#').c_str(),
                     std::string(kLargeur - plein, ' ').c_str(), pourcent);
        std::fflush(stderr);
    }

    std::string texte_;
    std::string dernierTexte_;
    long maximum_ = 0;
    long position_ = 0;
    long dernier_ = -1;
};

}  // namespace

std::unique_ptr<host::CBarre> OuvrirBarreTerminal(const std::string& texte) {
    if (::isatty(STDERR_FILENO)) return std::make_unique<BarreTerminal>(texte);
    return std::make_unique<host::BarreMuette>();
}

}  // namespace kvarn::standalone
