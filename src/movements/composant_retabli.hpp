// A data-module component lent to a walk and handed back as it was found.
//
// The components belong to whoever opened them (a screen, a caller of the storage operations):
// a walk must leave each one open or closed as it found it, on the row it was on, with its index
// and its calculated-field handler. While lent, the component is open, its handler is off (the
// walk reads stored columns only, and the handler costs a computation per row) and its controls
// are disabled. Retablir hands it back and lets an error through; the destructor hands it back
// when an error is already on its way out, and then keeps quiet: the first error is the one shown.
#pragma once

#include "db/table.hpp"

#include <string>

namespace kvarn::movements {

class ComposantRetabli {
public:
    explicit ComposantRetabli(db::CTable& table);
    ~ComposantRetabli();
    ComposantRetabli(const ComposantRetabli&) = delete;
    ComposantRetabli& operator=(const ComposantRetabli&) = delete;

    void Retablir();

private:
    db::CTable& table_;
    bool ouvert_;
    std::string index_;
    db::TDataSetNotifyEvent calcul_;
    db::TBookmark signet_;
    bool rendu_ = false;
};

}  // namespace kvarn::movements
