// An associate as the C interface's packed record ASSOCIE_C, and back.
//
// Filling zeroes the record and copies every field from the associate: texts converted to the
// record's code page and cut at their width, the birth date as a dateDOS, the birth department
// computed, empty integer members as -32767 in the fields that carry nulls. Merging goes the
// other way for the members a C caller may change: it takes a base associate (the stored row, or
// a cached copy of it) and replaces those members with the record's values. A text whose bytes
// equal the base's text as the record would carry it is left as the base has it, so that a record
// read and written back changes nothing even where the code page or the width lost something
// ("CŒUR", a long town); a changed current town is upper-cased, as the table keeps towns.
#pragma once

#include <kvarn/associe.hpp>
#include <kvarn/kvarn.h>

namespace kvarn::associates {

void RemplirAssocieC(const Associe& associe, ASSOCIE_C& enregistrement);

Associe FusionnerAssocieC(const ASSOCIE_C& enregistrement, Associe base);

}  // namespace kvarn::associates
