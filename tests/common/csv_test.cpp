// The CSV cells a French spreadsheet reads back as written: formulas disarmed, line breaks
// quoted, numbers with a comma and never an exponent.
#include "common/csv.hpp"

#include <gtest/gtest.h>

namespace kvarn {
namespace {

TEST(Csv, CellsReadBackAsWritten) {
    CsvWriter csv(false);
    csv.Text("+33 1").Text("-x").Text("@y").Text("a\r\nb").Text("é").EndRow();
    csv.Number(1e-7).Number(-1e21).Number(0.1).Integer(-3).Date(45658).Date(0).EndRow();
    EXPECT_EQ(csv.str(), "'+33 1;'-x;'@y;\"a\r\nb\";é\r\n0,0000001;-1000000000000000000000;0,1;-3;01/01/2025;\r\n");
}

}  // namespace
}  // namespace kvarn
