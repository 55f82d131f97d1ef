// A CSV table as the French spreadsheets practices use read it, built cell by cell.
//
// The list separator is ";" (the comma is the decimal mark there), rows end in CR LF, and the
// text starts with a UTF-8 byte-order mark: without it those spreadsheets read the file in the
// Windows code page and "ÉMERY" comes out as "Ã‰MERY"; with it they read UTF-8, as LibreOffice
// and Python's "utf-8-sig" do. The mark can be left out for tools that want none.
//
// Numbers are written in plain decimal notation with a comma and no thousands separator, as the
// shortest text that reads back as the same double (never an exponent, which a spreadsheet would
// take for text); dates as dd/mm/yyyy; a missing value is an empty cell. A text cell holding ";",
// '"' or a line break is quoted, its quotes doubled; a text cell beginning with "=", "+", "-" or
// "@" gets a leading "'" so that opening the file never runs a formula somebody typed as a name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kvarn {

class CsvWriter {
public:
    explicit CsvWriter(bool byteOrderMark = true);

    CsvWriter& Text(std::string_view value);
    CsvWriter& Number(double value);
    CsvWriter& Number(std::optional<double> value);
    CsvWriter& Integer(long long value);
    CsvWriter& Integer(std::optional<long long> value);
    // A day count from 30/12/1899; 0 is no date.
    CsvWriter& Date(double dayCount);
    CsvWriter& Empty();
    // Ends the current row.
    CsvWriter& EndRow();

    const std::string& str() const { return out_; }

private:
    void Separate();
    std::string out_;
    bool rowStarted_ = false;
};

}  // namespace kvarn
