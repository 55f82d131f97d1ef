// The host's progress window.
//
// A long task opens a bar with a text, sets its maximum and steps it; the host decides how it is
// shown (a bar on the terminal, a dialog). The host installs a factory; without one the bar is
// silent (BarreMuette).
#pragma once

#include <memory>
#include <string>

namespace kvarn::host {

class CBarre {
public:
    virtual ~CBarre() = default;
    virtual void SetTexte(const std::string& texte) = 0;
    virtual void SetMax(long maximum) = 0;
    virtual void SetPosition(long position) = 0;
    virtual void Avancer() = 0;
};

// The bar that shows nothing: without a factory, and wherever there is nowhere to draw.
class BarreMuette final : public CBarre {
public:
    void SetTexte(const std::string&) override {}
    void SetMax(long) override {}
    void SetPosition(long) override {}
    void Avancer() override {}
};

// A new progress bar showing `texte`, from the installed factory.
std::unique_ptr<CBarre> OuvrirBarre(const std::string& texte);

}  // namespace kvarn::host
