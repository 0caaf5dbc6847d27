#include "records/valueref.h"

#include "document/objectkind.h"
#include "reports/report.h"

#include <charconv>

namespace qv {

namespace {

ObjectKind objectKindOf(ValueKind kind)
{
    switch (kind) {
    case ValueKind::Field: return ObjectKind::Field;
    case ValueKind::Notes: return ObjectKind::Notes;
    case ValueKind::Combo: return ObjectKind::Combo;
    case ValueKind::Checkbox: return ObjectKind::Checkbox;
    }
    return ObjectKind::Field;
}

char letterOf(ValueKind kind)
{
    switch (kind) {
    case ValueKind::Field: return 'F';
    case ValueKind::Notes: return 'M';
    case ValueKind::Combo: return 'C';
    case ValueKind::Checkbox: return 'K';
    }
    return 'F';
}

std::optional<ValueRef> checked(ValueKind kind, int index)
{
    if (index < lowestIndexOf(kind) || index > highestIndexOf(kind))
        return std::nullopt;
    return ValueRef{kind, index};
}

} // namespace

int highestIndexOf(ValueKind kind)
{
    return limitsOf(objectKindOf(kind)).highestIndex;
}

int lowestIndexOf(ValueKind kind)
{
    return limitsOf(objectKindOf(kind)).firstIndex;
}

std::string ValueRef::token() const
{
    return letterOf(kind) + std::to_string(index);
}

std::optional<ValueRef> ValueRef::fromToken(std::string_view token)
{
    if (token.size() < 2 || token.size() > 5)
        return std::nullopt;
    ValueKind kind;
    switch (token.front()) {
    case 'F':
    case 'f': kind = ValueKind::Field; break;
    case 'M':
    case 'm': kind = ValueKind::Notes; break;
    case 'C':
    case 'c': kind = ValueKind::Combo; break;
    case 'K':
    case 'k': kind = ValueKind::Checkbox; break;
    default: return std::nullopt;
    }
    const std::string_view digits = token.substr(1);
    // Formulas write indices without leading zeros or signs.
    if (digits.size() > 1 && digits.front() == '0')
        return std::nullopt;
    int index = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return checked(kind, index);
}

int ValueRef::reportCode() const
{
    switch (kind) {
    case ValueKind::Field: return index;
    case ValueKind::Combo: return kComboRefBase + index;
    case ValueKind::Checkbox: return kCheckboxRefBase + index;
    case ValueKind::Notes: return kNotesRefBase + index;
    }
    return 0;
}

std::optional<ValueRef> ValueRef::fromReportCode(int code)
{
    if (code <= 0)
        return std::nullopt;
    if (code <= kComboRefBase)
        return checked(ValueKind::Field, code);
    if (code < kCheckboxRefBase)
        return checked(ValueKind::Combo, code - kComboRefBase);
    if (code <= kNotesRefBase)
        return checked(ValueKind::Checkbox, code - kCheckboxRefBase);
    return checked(ValueKind::Notes, code - kNotesRefBase);
}

} // namespace qv
