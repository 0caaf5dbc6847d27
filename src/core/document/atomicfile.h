#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace qv {

// Replaces the content of a file as one step: the bytes go to a new file beside it, which
// is flushed to disk and then renamed over the target, so that a crash or a full disk
// leaves either the old file or the new one, never half of one. A target that is a
// symbolic link is followed, and an existing target keeps its permission bits. Returns
// false with `error` saying what failed; the target is then untouched.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string& error);

} // namespace qv
