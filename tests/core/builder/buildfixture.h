#pragma once

#include "builder/compileapp.h"
#include "fakeruntime.h"

#include <filesystem>
#include <string>

namespace qv::test {

// Options that build `name` into `parent` with the stand-in runtime and a fixed date, so
// that two builds of one document give the same bytes.
inline BuildOptions optionsFor(const std::filesystem::path& parent, const std::string& name)
{
    BuildOptions options;
    options.appName = name;
    options.parentFolder = parent;
    options.runtimeImage = fakeRuntime();
    options.iconBytes = sixteenColourIcon(4);
    options.buildDate = {2026, 5, 6};
    return options;
}

} // namespace qv::test
