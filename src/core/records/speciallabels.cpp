#include "records/speciallabels.h"

#include "designer/objectcreation.h"

#include <cstdio>

namespace qv {

namespace {

// Placing a special label gives it a caption; the reserved labels never placed have none.
bool placed(const AppData& data, int label)
{
    const auto at = static_cast<size_t>(label - 1); // labels 1..C at 0..C-1
    return at < data.titles.size() && !data.titles[at].caption.empty();
}

std::optional<std::string> dateLabel(const AppData& data, int label, CalendarDate day,
                                     int16_t format, const std::string& localeId)
{
    if (!placed(data, label))
        return std::nullopt;
    std::string text = dateStampText(day, format, localeId);
    if (text.empty())
        return std::nullopt;
    return text;
}

} // namespace

std::string RecordIdText(int64_t number)
{
    char text[24];
    std::snprintf(text, sizeof text, "%010lld", static_cast<long long>(number));
    return text;
}

SpecialLabelTexts SpecialLabelsFor(const AppData& data, int64_t recordNumber, CalendarDate today,
                                   CalendarDate made, const std::string& localeId)
{
    SpecialLabelTexts texts;
    texts.date = dateLabel(data, kDateLabel, today, data.dateStampFormat2, localeId);
    texts.dateStamp = dateLabel(data, kDateStampLabel, made, data.dateStampFormat, localeId);
    if (placed(data, kRecordIdLabel))
        texts.recordId = RecordIdText(recordNumber);
    return texts;
}

} // namespace qv
