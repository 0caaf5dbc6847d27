#pragma once

#include "records/recordform.h"
#include "records/recordset.h"

namespace qv::runtime {

// The record on screen as the window's editors hold it, for button actions, scripts and
// printing the record on screen. Its number is 0 while it is not stored yet.
class FormRecordRow : public RecordRow {
public:
    explicit FormRecordRow(const RecordForm& form) : form_(form) {}

    int32_t id() const override { return static_cast<int32_t>(form_.recordId()); }
    std::string value(InputRef ref) const override { return form_.value(ref); }

private:
    const RecordForm& form_;
};

} // namespace qv::runtime
