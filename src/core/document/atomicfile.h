#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace qv {

// Replaces the content of a file as one step: the bytes go to a new file beside it, which
// is flushed to disk and then renamed over the target, so that a crash or a full disk
// leaves either the old file or the new one, never half of one. Only a regular file is
// replaced: a target that is a folder, a device, a pipe, a socket or a link that leads
// nowhere is refused. A symbolic link to a regular file is followed and the file it names
// is replaced; an existing file keeps its permission bits, and its owner where the process
// may set it. Returns false with `error` saying what failed; the target is then untouched.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string& error);

} // namespace qv
