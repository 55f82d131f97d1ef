// CDataSource: what binds a table component to what shows it, and a detail table to its master.
//
// The data module binds each of its data sources to a table (dsMouvementParts to
// tblMouvementParts) and gives a detail table its master through one (tblDetMouvParts takes
// dsMouvementParts as master source). A data source is told of every change of its table's
// current record or rows through OnDataChange, unless the table's controls are disabled
// (CTable::DisableControls): the notifications pause while the count is above zero and one
// notification follows when it comes back to zero, if anything changed meanwhile. The source
// does not own its table; the table must outlive the binding (both belong to the data module).
#pragma once

#include <functional>

namespace kvarn::db {

class CTable;

class CDataSource {
public:
    explicit CDataSource(CTable* dataSet = nullptr) { SetDataSet(dataSet); }
    ~CDataSource();
    CDataSource(const CDataSource&) = delete;
    CDataSource& operator=(const CDataSource&) = delete;

    void SetDataSet(CTable* dataSet);
    CTable* DataSet() const { return dataSet_; }

    std::function<void(CDataSource&)> OnDataChange;

private:
    friend class CTable;
    CTable* dataSet_ = nullptr;
};

}  // namespace kvarn::db
