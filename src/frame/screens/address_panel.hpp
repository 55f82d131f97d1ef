// The address panel of the screens: members 1 to 9 and 11 of a TAdresseFormatTDFC as fields of a
// screen, without any widget.
//
// A screen declares the panel's fields among its own (a prefix keeps two panels of one screen
// apart), shows a record through Values, reads the entries back into a record through Read, and
// runs Check among its checks on leaving. The fields, in display order: "complement-1" and
// "complement-2" (35 characters), "numero-voie" (5), "indice-repetition" (3), "voie" (35), "bp"
// (5), "code-postal" (17), "ville" (31), "pays" (the countries by French name) and "telephone"
// (17, the width the outside-party record gives a telephone). src/ui lays them out as a panel.
#pragma once

#include "frame/screens/screen.hpp"
#include "host/adresse.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kvarn::frame {

class AddressPanel {
public:
    explicit AddressPanel(std::string prefix = "");

    // The name of a member's field ("ville" gives prefix + "ville").
    std::string Name(std::string_view member) const { return prefix_ + std::string(member); }
    // The panel's fields, in display order, for the screen to declare.
    std::vector<Field> Fields() const;
    // The value of each of the panel's fields that shows `adresse`.
    std::vector<std::pair<std::string, std::string>> Values(const host::TAdresseFormatTDFC& adresse) const;
    // `adresse` with the panel's members taken from the screen's fields; the others kept.
    host::TAdresseFormatTDFC Read(const Screen& screen, host::TAdresseFormatTDFC adresse) const;
    // The check on leaving: a French address's postcode, when there is one, is a valid one;
    // otherwise an error box says so and the postcode's field is named for the focus.
    std::optional<std::string> Check(const Screen& screen) const;

private:
    std::string prefix_;
};

}  // namespace kvarn::frame
