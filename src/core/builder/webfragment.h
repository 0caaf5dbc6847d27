#pragma once

#include "document/objectrecords.h"

#include <string>

namespace qv {

// The absolutely positioned block that a web-script object becomes in a built application:
// its size and place in pixels and its page code, copied unchanged (nothing is escaped).
std::string WebFragment(const Script& script);

// A single-precision number as text the way the designer's number conversion writes it: no
// leading blank, no decimals for whole numbers, at most 7 significant digits.
std::string SingleText(float value);

}  // namespace qv
