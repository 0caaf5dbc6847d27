#include "records/recordorder.h"

#include "formula/localeformats.h"
#include "formula/numbertext.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace qv {

namespace {

// The collation keys of texts: compare like the locale's alphabet, case ignored. The keys
// of one sort live end to end in one buffer: a hundred thousand keys then cost one
// allocation, not one each.
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

    // Appends the key of `text` to the buffer; where it starts there.
    size_t add(const std::string& text)
    {
        const size_t at = bytes_.size();
        if (!collator_) {
            bytes_ += text;
            return at;
        }
        // Into one reused UTF-16 buffer (bad UTF-8 becomes U+FFFD, as everywhere else).
        int32_t units = 0;
        UErrorCode status = U_ZERO_ERROR;
        utf16_.resize(text.size() + 1);
        u_strFromUTF8WithSub(utf16_.data(), static_cast<int32_t>(utf16_.size()), &units,
                             text.data(), static_cast<int32_t>(text.size()), 0xFFFD, nullptr,
                             &status);
        if (U_FAILURE(status))
            units = 0;
        for (int32_t room = 64;;) {
            bytes_.resize(at + static_cast<size_t>(room));
            const int32_t length = collator_->getSortKey(
                utf16_.data(), units, reinterpret_cast<uint8_t*>(bytes_.data() + at), room);
            if (length <= room) {
                bytes_.resize(at + static_cast<size_t>(length));
                return at;
            }
            room = length;
        }
    }

    const std::string& bytes() const { return bytes_; }

private:
    std::unique_ptr<icu::Collator> collator_;
    std::vector<UChar> utf16_;
    std::string bytes_;
};

struct SortEntry {
    int64_t id;
    double number;
    // The key of a text: its first bytes after the start all keys share, packed so that
    // comparing the numbers compares those bytes, and where it lies in the keys' buffer.
    uint64_t head;
    size_t key;
    uint32_t length;
    int group; // 0 values of the kind, 1 other texts, 2 empty
};

// The bytes at `from`, up to eight, as one number that orders as they do (missing bytes 0).
uint64_t headOf(const std::string& keys, size_t from, size_t end)
{
    uint64_t head = 0;
    for (size_t i = 0; i < 8; ++i) {
        head <<= 8;
        if (from + i < end)
            head |= static_cast<uint8_t>(keys[from + i]);
    }
    return head;
}

// How many bytes every text key begins with alike: the heads start after them, so that
// values such as "Customer 1" ... "Customer 99999" part in the head already.
size_t commonStart(const std::vector<SortEntry>& entries, const std::string& keys)
{
    const SortEntry* first = nullptr;
    size_t common = 0;
    for (const SortEntry& e : entries) {
        if (e.group != 1)
            continue;
        if (!first) {
            first = &e;
            common = e.length;
            continue;
        }
        size_t same = 0;
        const size_t most = std::min<size_t>(common, e.length);
        while (same < most && keys[first->key + same] == keys[e.key + same])
            ++same;
        common = same;
        if (common == 0)
            break;
    }
    return common;
}

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
    TextKeys keys(locale);
    std::unique_ptr<LocaleFormats> formats;
    if (kind == SortKind::Date)
        formats = std::make_unique<LocaleFormats>(locale);
    // Reading a date through the locale's formats is slow and records share their dates
    // (one per day): each distinct text is read once.
    std::unordered_map<std::string, std::optional<double>> dates;
    std::vector<SortEntry> entries;
    entries.reserve(records.size());
    for (KeyedRecord& record : records) {
        SortEntry entry{record.first, 0, 0, 0, 0, 1};
        if (record.second.find_first_not_of(' ') == std::string::npos) {
            entry.group = 2;
        } else {
            std::optional<double> value;
            if (kind == SortKind::Number)
                value = NumberOfText(record.second, locale);
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
                const size_t at = keys.add(record.second);
                entry.key = at;
                entry.length = static_cast<uint32_t>(keys.bytes().size() - at);
            }
        }
        entries.push_back(entry);
        std::string().swap(record.second);
    }
    const std::string& bytes = keys.bytes();
    const size_t common = commonStart(entries, bytes);
    for (SortEntry& e : entries) {
        if (e.group == 1)
            e.head = headOf(bytes, e.key + common, e.key + size_t{e.length});
    }
    // Keys past the head: the rest of both, then the shorter first.
    auto compareKeys = [&](const SortEntry& a, const SortEntry& b) {
        if (a.head != b.head)
            return a.head < b.head ? -1 : 1;
        const size_t skip = common + 8;
        const size_t restA = a.length > skip ? a.length - skip : 0;
        const size_t restB = b.length > skip ? b.length - skip : 0;
        const size_t most = std::min(restA, restB);
        if (most > 0) {
            const int order =
                std::memcmp(bytes.data() + a.key + skip, bytes.data() + b.key + skip, most);
            if (order != 0)
                return order;
        }
        return restA == restB ? 0 : (restA < restB ? -1 : 1);
    };
    const bool byValue = kind != SortKind::Text;
    std::sort(entries.begin(), entries.end(), [&](const SortEntry& a, const SortEntry& b) {
        if (a.group != b.group) {
            // Values of the kind before other texts (in either direction); empty last.
            return a.group < b.group;
        }
        if (a.group == 0 && byValue && a.number != b.number)
            return descending ? a.number > b.number : a.number < b.number;
        if (a.group == 1) {
            if (const int order = compareKeys(a, b); order != 0)
                return descending ? order > 0 : order < 0;
        }
        return a.id < b.id;
    });
    std::vector<int64_t> ids;
    ids.reserve(entries.size());
    for (const SortEntry& entry : entries)
        ids.push_back(entry.id);
    return ids;
}

} // namespace qv
