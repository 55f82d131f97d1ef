// A screen's row model (frame::RowModel) as a Qt table model, for the grids of the views.
//
// Cells show the row model's texts and take the user's entries where the model allows them; an
// entry goes to SetCellText (the screen's rules for that column run), then the view refreshes.
// Refresh compares what the grid shows with the model and tells the grid only what changed, so
// that the current cell survives the refresh that follows every entry.
#pragma once

#include "frame/screens/row_model.hpp"

#include <QAbstractTableModel>

#include <functional>
#include <string>
#include <vector>

namespace kvarn::ui {

class RowModelAdapter final : public QAbstractTableModel {
public:
    RowModelAdapter(frame::RowModel& rows, std::function<void()> afterEntry, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    void Refresh();

private:
    std::vector<std::vector<std::string>> Snapshot() const;

    frame::RowModel& rows_;
    std::function<void()> afterEntry_;
    std::vector<std::vector<std::string>> shown_;
    int columns_;
};

}  // namespace kvarn::ui
