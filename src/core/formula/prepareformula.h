#pragma once

#include <string>
#include <string_view>

namespace qv {

// How many objects of each kind the window has; the ranges of assignment targets.
struct ObjectCounts {
    int fields = 0;
    int notes = 0;
    int combos = 0;
    int checkboxes = 0;

    bool operator==(const ObjectCounts&) const = default;
};

// Prepares a formula text for the statements: expands the first SUM(Fa:Fb) into
// Fa+...+Fb, marks assignment targets (F3= becomes f3=), upper-cases IF conditions up to
// their THEN, writes FALSE and TRUE as 0 and 1, and turns the binary minus into the
// evaluator's "~" while a minus after an operator stays a sign.
std::string PrepareFormula(std::string_view formula, const ObjectCounts& counts);

} // namespace qv
