#include "ui/row_model_adapter.hpp"

#include "ui/guarded.hpp"

namespace kvarn::ui {

RowModelAdapter::RowModelAdapter(frame::RowModel& rows, std::function<void()> afterEntry, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows), afterEntry_(std::move(afterEntry)), shown_(Snapshot()), columns_(rows.ColumnCount()) {}

int RowModelAdapter::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int RowModelAdapter::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

QVariant RowModelAdapter::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return QString::fromStdString(shown_[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())]);
}

QVariant RowModelAdapter::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return QString::fromStdString(rows_.ColumnTitle(section));
}

Qt::ItemFlags RowModelAdapter::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && rows_.CellEditable(index.row(), index.column())) flags |= Qt::ItemIsEditable;
    return flags;
}

bool RowModelAdapter::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    bool accepted = false;
    Guarded(kSaisirCellule, [&] { accepted = rows_.SetCellText(index.row(), index.column(), value.toString().toStdString()); });
    if (afterEntry_) afterEntry_();
    else Refresh();
    return accepted;
}

std::vector<std::vector<std::string>> RowModelAdapter::Snapshot() const {
    std::vector<std::vector<std::string>> cells(static_cast<std::size_t>(rows_.RowCount()));
    for (int r = 0; r < rows_.RowCount(); ++r)
        for (int c = 0; c < rows_.ColumnCount(); ++c) cells[static_cast<std::size_t>(r)].push_back(rows_.CellText(r, c));
    return cells;
}

void RowModelAdapter::Refresh() {
    std::vector<std::vector<std::string>> now = Snapshot();
    if (now.size() != shown_.size() || rows_.ColumnCount() != columns_) {
        beginResetModel();
        shown_ = std::move(now);
        columns_ = rows_.ColumnCount();
        endResetModel();
        return;
    }
    std::swap(shown_, now);
    for (std::size_t r = 0; r < shown_.size(); ++r)
        for (std::size_t c = 0; c < shown_[r].size(); ++c)
            if (shown_[r][c] != now[r][c])
                emit dataChanged(index(static_cast<int>(r), static_cast<int>(c)), index(static_cast<int>(r), static_cast<int>(c)));
}

}  // namespace kvarn::ui
