// The rows of a grid, without the widget: what a screen's grid shows and which of its cells the
// user may change. src/ui adapts it to QAbstractTableModel; the screen owns the data behind it.
#pragma once

#include <string>

namespace kvarn::frame {

class RowModel {
public:
    virtual ~RowModel() = default;

    virtual int ColumnCount() const = 0;
    virtual std::string ColumnTitle(int column) const = 0;
    virtual int RowCount() const = 0;
    virtual std::string CellText(int row, int column) const = 0;
    virtual bool CellEditable(int row, int column) const = 0;
    // A user entry into an editable cell; the screen's rules for that column run. False, and
    // nothing changed, when the cell is not editable or the text is refused.
    virtual bool SetCellText(int row, int column, const std::string& text) = 0;
};

}  // namespace kvarn::frame
