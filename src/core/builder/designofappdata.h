#pragma once

#include "builder/appdata.h"
#include "document/projectdocument.h"

namespace qv {

// The design that a data block carries, as the document model: every object with the
// properties the block stores (the rest keep their defaults), each at the index it had in
// the project, the surface size as a custom page size, the window title and the menus.
// The built application draws and runs its window from this, with the same painter and
// the same object records as the designer. Web scripts keep only their page and fragment
// text (their geometry lives inside the fragment).
ProjectDocument DesignOfAppData(const AppData& data);

} // namespace qv
