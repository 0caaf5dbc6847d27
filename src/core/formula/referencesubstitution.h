#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace qv {

// The value text of reference n.
using ReferenceValue = std::function<std::string(int index)>;

// Replaces the references `letter`n (F12, C3, K0, V7) by their values for n from `high`
// down to `low`, giving exactly the text that one replace-all per index, highest index
// first, gives: "F12" goes before "F1" could take its first two characters, and a
// reference that appears only through an earlier replacement (inside a value, or where a
// value meets the text around it) is replaced if its index comes later in the order.
// Cost follows the text, not the range: only indices present in the text are visited.
// A result longer than `maxLength` bytes is cut there and `*cut` set: values that contain
// one another cannot grow a text without bound.
std::string SubstituteReferences(std::string text, char letter, int low, int high,
                                 const ReferenceValue& value, size_t maxLength = std::string::npos,
                                 bool* cut = nullptr);

// The same by one replace-all per index from `high` down to `low`; the reference for
// checking the fast version.
std::string SubstituteReferencesLiteral(std::string_view text, char letter, int low, int high,
                                        const ReferenceValue& value);

// Lower-cases the letter of every `letter`n"=" with low <= n <= high, so that the value
// substitution (which knows only upper-case references) leaves assignment targets alone.
void MarkAssignmentTargets(std::string& text, char letter, int low, int high);

} // namespace qv
