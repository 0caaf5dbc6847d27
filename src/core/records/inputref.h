#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The objects of a designed window that hold a record's data.
enum class InputKind : uint8_t { Field, Notes, Combo, Checkbox };

// One input object by kind and index, as the formulas number them: fields, notes and
// combos from 1, check boxes from 0 (F3, M1, C2, K0).
struct InputRef {
    InputKind kind = InputKind::Field;
    int index = 0;

    auto operator<=>(const InputRef&) const = default;

    // "F3", "M1", "C2", "K0".
    std::string token() const;
    // Reads a token as formulas write it; the letter may be lower case (a prepared script
    // marks its targets that way). nullopt for anything else, also an index beyond the
    // kind's limit.
    static std::optional<InputRef> fromToken(std::string_view token);

    // The reference code reports and the search window use: Field n is n, Combo n
    // 2000 + n, Checkbox n 4000 + n, Notes n 6000 + n. The ranges overlap at their edges
    // (Combo 2000 and Checkbox 0 are both 4000); a code is read as the kind whose objects
    // exist more often there, so 4000 is Checkbox 0 and 6000 Checkbox 2000.
    int referenceCode() const;
    static std::optional<InputRef> fromReferenceCode(int code);
};

// The highest and lowest index each kind can have.
int highestIndexOf(InputKind kind);
int lowestIndexOf(InputKind kind);

} // namespace qv
