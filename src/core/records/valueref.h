#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The kinds of object whose values a record holds.
enum class ValueKind : uint8_t { Field, Notes, Combo, Checkbox };

// One value of a record: the object it belongs to, by kind and index. Fields, notes and
// combos are numbered from 1, check boxes from 0, as in formulas (F3, M1, C2, K0).
struct ValueRef {
    ValueKind kind = ValueKind::Field;
    int index = 1;

    bool operator==(const ValueRef&) const = default;
    auto operator<=>(const ValueRef&) const = default;

    // "F3", "M1", "C2", "K0".
    std::string token() const;
    // Reads a token as formulas write it; the letter may be lower case (a prepared script
    // marks its targets that way). nullopt for anything else.
    static std::optional<ValueRef> fromToken(std::string_view token);

    // The number report labels and search columns use: Field n is n, Combo n 2000 + n,
    // Checkbox n 4000 + n, Notes n 6000 + n. The ranges overlap at their edges (Combo
    // 2000 and Checkbox 0 are both 4000); a code is read as the kind whose objects exist
    // more often there, so 4000 is Checkbox 0 and 6000 Checkbox 2000.
    int reportCode() const;
    static std::optional<ValueRef> fromReportCode(int code);
};

// The highest index each kind can have.
int highestIndexOf(ValueKind kind);
int lowestIndexOf(ValueKind kind);

} // namespace qv
