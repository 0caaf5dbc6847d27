#pragma once

#include "document/projectdocument.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace qv {

struct ProjectReadOptions {
    // Pictures taken out of the project are written here; empty: they stay in memory only.
    std::filesystem::path pictureWorkFolder;
    // New Project keeps the current default font instead of the stored one.
    bool keepDefaultFont = false;
    std::string currentDefaultFont = "Arial";
};

// What the reader says of a file without the project signature; the windows show the
// language table's message 229 for it.
inline constexpr const char* kNotAProjectText = "not a project file";

enum class ProjectReadError {
    None,
    CannotOpen,  // the file cannot be read at all (missing, no regular file, too large)
    NotAProject, // the signature is wrong (the language table's message 229)
    Unsupported, // another format version
    Damaged,     // truncated, impossible counts or values
};

struct ProjectReadResult {
    ProjectReadError error = ProjectReadError::None;
    std::string message; // one line: file, what is wrong, byte offset
    ProjectDocument document;
    std::vector<std::string> warnings;
    bool ok() const { return error == ProjectReadError::None; }
};

// True when the bytes start with the project signature: a text of at least three
// characters beginning with "Dat" or "Bus".
bool startsWithProjectSignature(std::span<const uint8_t> bytes);

// Reads a whole project into a new document. On any error the result carries no
// document worth using and the caller keeps the one it has open.
ProjectReadResult readProjectFile(const std::filesystem::path& path,
                                  const ProjectReadOptions& options = {});
ProjectReadResult readProjectBytes(std::span<const uint8_t> bytes, const std::string& fileName,
                                   const ProjectReadOptions& options = {});

struct ProjectWriteResult {
    bool ok = false;
    std::string message;               // why the save was refused or failed
    std::vector<std::string> warnings; // written, but something was not as the user had it
    std::vector<uint8_t> bytes;        // what encodeProject made
};

// Encodes the document as a version-23 project; `projectPath` is where it will be stored
// (the help file name is made from it).
ProjectWriteResult encodeProject(const ProjectDocument& document, const std::string& projectPath);

// Encodes and writes the document to `path` through a new file renamed over the old one, so
// a failed save leaves the existing file untouched. On success the document's project path
// becomes `path` and its modified flag is cleared.
ProjectWriteResult saveProjectFile(ProjectDocument& document, const std::filesystem::path& path);

// The last path component after "\" or "/", made safe to use as a file name in a folder of
// our own: no separators, not "." or "..", no control characters.
std::string safeBaseName(const std::string& path);

} // namespace qv
