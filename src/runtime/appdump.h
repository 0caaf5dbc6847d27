#pragma once

#include "builder/datablockreader.h"

#include <ostream>

namespace qv::runtime {

// What the runtime read from its own file, one line per setting and object, for --dump.
void dumpApp(const AppFileRead& read, std::ostream& out);

} // namespace qv::runtime
