#include "records/recordorder.h"

#include "formula/localeformats.h"
#include "formula/numbertext.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <charconv>
#include <memory>
#include <optional>
#include <unordered_map>

namespace qv {

namespace {

std::optional<double> numberOf(const std::string& text, const FormulaLocale& locale)
{
    const std::string plain = NormaliseNumberText(text, locale);
    size_t first = plain.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const size_t last = plain.find_last_not_of(' ');
    double value = 0;
    const char* begin = plain.data() + first;
    const char* end = plain.data() + last + 1;
    if (*begin == '+')
        ++begin;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

// The collation key of a text: compares like the locale's alphabet, case ignored.
class TextKeys {
public:
    explicit TextKeys(const FormulaLocale& locale)
    {
        UErrorCode status = U_ZERO_ERROR;
        collator_.reset(
            icu::Collator::createInstance(icu::Locale(locale.icuLocaleId.c_str()), status));
        if (U_FAILURE(status))
            collator_.reset();
        else
            collator_->setStrength(icu::Collator::SECONDARY);
    }

    std::string key(const std::string& text) const
    {
        if (!collator_)
            return text;
        const icu::UnicodeString u = icu::UnicodeString::fromUTF8(text);
        uint8_t buffer[256];
        int32_t length = collator_->getSortKey(u, buffer, sizeof buffer);
        if (length <= static_cast<int32_t>(sizeof buffer))
            return std::string(reinterpret_cast<const char*>(buffer), static_cast<size_t>(length));
        std::string big(static_cast<size_t>(length), '\0');
        collator_->getSortKey(u, reinterpret_cast<uint8_t*>(big.data()), length);
        return big;
    }

private:
    std::unique_ptr<icu::Collator> collator_;
};

struct SortEntry {
    int64_t id;
    int group; // 0 values of the kind, 1 other texts, 2 empty
    double number;
    std::string key;
};

} // namespace

SortKind SortKindOf(const AppData& data, InputRef ref)
{
    if (ref.kind == InputKind::Checkbox)
        return SortKind::Number;
    if (ref.kind != InputKind::Field || ref.index < 1 ||
        ref.index > static_cast<int>(data.fields.size()))
        return SortKind::Text;
    const int format = data.fields[static_cast<size_t>(ref.index - 1)].field.fieldFormat;
    if (format >= 1 && format <= 5)
        return SortKind::Number;
    if (format >= 6 && format <= 12)
        return SortKind::Date;
    return SortKind::Text;
}

std::vector<int64_t> OrderRecords(std::vector<KeyedRecord> records, SortKind kind, bool descending,
                                  const FormulaLocale& locale)
{
    const TextKeys keys(locale);
    std::unique_ptr<LocaleFormats> formats;
    if (kind == SortKind::Date)
        formats = std::make_unique<LocaleFormats>(locale);
    // Reading a date through the locale's formats is slow and records share their dates
    // (one per day): each distinct text is read once.
    std::unordered_map<std::string, std::optional<double>> dates;
    std::vector<SortEntry> entries;
    entries.reserve(records.size());
    for (KeyedRecord& record : records) {
        SortEntry entry{record.first, 1, 0, {}};
        if (record.second.find_first_not_of(' ') == std::string::npos) {
            entry.group = 2;
        } else {
            std::optional<double> value;
            if (kind == SortKind::Number)
                value = numberOf(record.second, locale);
            else if (kind == SortKind::Date) {
                const auto known = dates.find(record.second);
                if (known != dates.end())
                    value = known->second;
                else
                    value = dates.emplace(record.second, formats->parseDate(record.second))
                                .first->second;
            }
            if (value) {
                entry.group = 0;
                entry.number = *value;
            } else {
                entry.key = keys.key(record.second);
            }
        }
        entries.push_back(std::move(entry));
        std::string().swap(record.second);
    }
    const bool byValue = kind != SortKind::Text;
    std::sort(entries.begin(), entries.end(), [&](const SortEntry& a, const SortEntry& b) {
        if (a.group != b.group) {
            // Values of the kind before other texts (in either direction); empty last.
            return a.group < b.group;
        }
        if (a.group == 0 && byValue && a.number != b.number)
            return descending ? a.number > b.number : a.number < b.number;
        if (a.group != 2 && a.key != b.key)
            return descending ? a.key > b.key : a.key < b.key;
        return a.id < b.id;
    });
    std::vector<int64_t> ids;
    ids.reserve(entries.size());
    for (const SortEntry& entry : entries)
        ids.push_back(entry.id);
    return ids;
}

} // namespace qv
