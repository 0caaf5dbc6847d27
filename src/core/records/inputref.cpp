#include "records/inputref.h"

#include "document/objectkind.h"
#include "reports/report.h"

#include <charconv>

namespace qv {

namespace {

ObjectKind objectKindOf(InputKind kind)
{
    switch (kind) {
    case InputKind::Field: return ObjectKind::Field;
    case InputKind::Notes: return ObjectKind::Notes;
    case InputKind::Combo: return ObjectKind::Combo;
    case InputKind::Checkbox: return ObjectKind::Checkbox;
    }
    return ObjectKind::Field;
}

char letterOf(InputKind kind)
{
    switch (kind) {
    case InputKind::Field: return 'F';
    case InputKind::Notes: return 'M';
    case InputKind::Combo: return 'C';
    case InputKind::Checkbox: return 'K';
    }
    return 'F';
}

std::optional<InputRef> checked(InputKind kind, int index)
{
    if (index < lowestIndexOf(kind) || index > highestIndexOf(kind))
        return std::nullopt;
    return InputRef{kind, index};
}

} // namespace

int highestIndexOf(InputKind kind)
{
    return limitsOf(objectKindOf(kind)).highestIndex;
}

int lowestIndexOf(InputKind kind)
{
    return limitsOf(objectKindOf(kind)).firstIndex;
}

std::string InputRef::token() const
{
    return letterOf(kind) + std::to_string(index);
}

std::optional<InputRef> InputRef::fromToken(std::string_view token)
{
    if (token.size() < 2 || token.size() > 5)
        return std::nullopt;
    InputKind kind;
    switch (token.front()) {
    case 'F':
    case 'f': kind = InputKind::Field; break;
    case 'M':
    case 'm': kind = InputKind::Notes; break;
    case 'C':
    case 'c': kind = InputKind::Combo; break;
    case 'K':
    case 'k': kind = InputKind::Checkbox; break;
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

int InputRef::referenceCode() const
{
    switch (kind) {
    case InputKind::Field: return index;
    case InputKind::Combo: return kComboRefBase + index;
    case InputKind::Checkbox: return kCheckboxRefBase + index;
    case InputKind::Notes: return kNotesRefBase + index;
    }
    return 0;
}

std::optional<InputRef> InputRef::fromReferenceCode(int code)
{
    if (code <= 0)
        return std::nullopt;
    if (code <= kComboRefBase)
        return checked(InputKind::Field, code);
    if (code < kCheckboxRefBase)
        return checked(InputKind::Combo, code - kComboRefBase);
    if (code <= kNotesRefBase)
        return checked(InputKind::Checkbox, code - kCheckboxRefBase);
    return checked(InputKind::Notes, code - kNotesRefBase);
}

} // namespace qv
