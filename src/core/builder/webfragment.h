#pragma once

#include "document/objectrecords.h"

#include <string>

namespace qv {

// The absolutely positioned block that a web-script object becomes in a built application:
// its size and place in pixels and its page code, copied unchanged (nothing is escaped).
std::string WebFragment(const Script& script);

} // namespace qv
