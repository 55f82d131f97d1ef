// Display formats of numeric fields, as the module writes them: "#,####0.00000", "#,##0.00".
//
// A format is a picture: '0' is a digit always shown, '#' a digit shown when significant, a ','
// anywhere before the decimal point asks for thousands grouping, '.' places the decimal point;
// the number of '0' and '#' after it give the least and most decimals shown. A second and third
// section after ';' (negative and zero pictures) are not used by the module and are ignored.
// The result is French: a blank groups the thousands and a comma marks the decimals
// ("1 234,50000"). The grouping blank is a plain space, so that a figure copied from a screen
// reads back as the same text in a terminal or a file.
#pragma once

#include <string>
#include <string_view>

namespace kvarn::db {

std::string FormatFloat(std::string_view picture, double value);

}  // namespace kvarn::db
