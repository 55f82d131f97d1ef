#include "db/data_source.hpp"

#include "db/table.hpp"

namespace kvarn::db {

CDataSource::~CDataSource() { SetDataSet(nullptr); }

void CDataSource::SetDataSet(CTable* dataSet) {
    if (dataSet_) dataSet_->DetachSource(*this);
    dataSet_ = dataSet;
    if (dataSet_) dataSet_->AttachSource(*this);
}

}  // namespace kvarn::db
