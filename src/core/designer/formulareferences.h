#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv {

// What a reference to a deleted object becomes in formula and action texts. It names no
// object, so the statement that holds it fails and is skipped by the formula engine (it
// evaluates to nothing), and the user sees it in the formula box.
inline constexpr std::string_view kDeletedReference = "#REF";

// A renumbering of one kind: newNumber[old] is the new number, -1 for a deleted object;
// numbers outside the table are left as they are.
struct ReferenceMap {
    std::vector<int> newNumber;

    // -2 when `number` is not covered (keep it).
    int map(long long number) const
    {
        if (number < 0 || number >= static_cast<long long>(newNumber.size()))
            return -2;
        return newNumber[static_cast<size_t>(number)];
    }
};

// Rewrites every reference of one letter in a formula text: the letter in either case
// (values F3, targets f3=) followed by its number, not preceded by another letter (so the
// M of NUM2( is no reference). Each reference is rewritten once; there is no text marker.
std::string renumberReferences(std::string_view text, char letter, const ReferenceMap& map);

// True when the text holds a reference of that letter at all (cheap test before rewriting).
bool mentionsReference(std::string_view text, char letter);

} // namespace qv
