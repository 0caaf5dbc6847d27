#pragma once

#include "builder/appdata.h"
#include "designer/datestamps.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qv {

// What the reserved labels of a built application show for the record on screen, in place
// of the texts they had on the day the design was made: the "Date" label shows today and
// the "Date Stamp" label the day the record was made, each in the form chosen from its
// menu, and the "Record-ID" label the record's number in ten digits. A label the design
// never placed (its caption is empty) stays as it is, and so does a date label whose
// chosen form is none of the five: nullopt.
struct SpecialLabelTexts {
    std::optional<std::string> date;      // label 3
    std::optional<std::string> dateStamp; // label 4
    std::optional<std::string> recordId;  // label 5
};

SpecialLabelTexts SpecialLabelsFor(const AppData& data, int64_t recordNumber, CalendarDate today,
                                   CalendarDate made, const std::string& localeId);

// "0000000042": the record's number as the "Record-ID" label shows it.
std::string RecordIdText(int64_t number);

} // namespace qv
