// The events a table component fires, as the module hooks its handlers onto them.
//
// The module's behaviour hangs on the events of desktop datasets: the data module attaches the
// calculation of calculated fields, screens put an after-scroll handler on a table and restore
// the previous one when they close. They are plain assignable members, so "keep the previous
// handler, install mine, put it back" reads as it is written. CTable fires them in the order a
// desktop dataset does:
//
//   Open:    BeforeOpen, AfterOpen, then AfterScroll when the table is not empty
//   Close:   BeforeClose, AfterClose (a pending edit is dropped without Cancel events)
//   moves:   a pending edit is posted first (BeforePost, AfterPost), then BeforeScroll, the move,
//            AfterScroll; a move that cannot happen (Next at the end) fires nothing
//   Append and Insert: BeforeInsert, BeforeScroll, OnNewRecord, AfterInsert, AfterScroll
//   Edit:    BeforeEdit, AfterEdit
//   Post:    BeforePost, the write, AfterPost
//   Cancel:  BeforeCancel, AfterCancel
//   Delete:  BeforeDelete, BeforeScroll, the delete, AfterDelete, AfterScroll
//
// OnCalcFields fills the calculated fields each time a record is brought into the buffer (a
// move, a post, a cancel, a refresh). The record filter is not here: it changes which rows the
// component shows, so it is set through CTable::SetOnFilterRecord.
#pragma once

#include <functional>
#include <utility>

namespace kvarn::db {

class CTable;

using TDataSetNotifyEvent = std::function<void(CTable&)>;
using TFilterRecordEvent = std::function<void(CTable&, bool& accept)>;

struct DataSetEvents {
    TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
    TDataSetNotifyEvent BeforeInsert, AfterInsert, BeforeEdit, AfterEdit;
    TDataSetNotifyEvent BeforePost, AfterPost, BeforeCancel, AfterCancel;
    TDataSetNotifyEvent BeforeDelete, AfterDelete, BeforeScroll, AfterScroll;
    TDataSetNotifyEvent OnNewRecord, OnCalcFields;
};

// A component's calculated-field handler taken off for a scope (a walk or a write that reads
// or shows no calculated field, and would pay a computation per row) and put back at its end,
// also when an error leaves the scope.
class CalcFieldsSuspended {
public:
    explicit CalcFieldsSuspended(DataSetEvents& events)
        : events_(events), handler_(std::exchange(events.OnCalcFields, nullptr)) {}
    ~CalcFieldsSuspended() { events_.OnCalcFields = std::move(handler_); }
    CalcFieldsSuspended(const CalcFieldsSuspended&) = delete;
    CalcFieldsSuspended& operator=(const CalcFieldsSuspended&) = delete;

private:
    DataSetEvents& events_;
    TDataSetNotifyEvent handler_;
};

}  // namespace kvarn::db
