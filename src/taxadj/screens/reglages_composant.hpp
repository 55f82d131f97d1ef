// What a screen changes on one of the data module's table components, remembered so that it can
// be put back: the component's event handlers, its index, its filter and whether it was open.
// Putting back happens once, when the screen says so or at the latest when this goes, so that an
// error passing through the screen leaves the component as the screen found it.
#pragma once

#include "db/table.hpp"

#include <string>

namespace kvarn::taxadj {

class ReglagesComposant {
public:
    explicit ReglagesComposant(db::CTable& table);
    ~ReglagesComposant() { Restaurer(); }
    ReglagesComposant(const ReglagesComposant&) = delete;
    ReglagesComposant& operator=(const ReglagesComposant&) = delete;

    db::CTable& Table() { return table_; }
    // Puts everything back (the next calls do nothing). A component that cannot be put back (its
    // table gone) is closed rather than left half restored.
    void Restaurer() noexcept;

private:
    db::CTable& table_;
    db::DataSetEvents evenements_;
    std::string index_;
    std::string filtre_;
    bool filtre_actif_;
    bool ouvert_;
    bool restaure_ = false;
};

}  // namespace kvarn::taxadj
