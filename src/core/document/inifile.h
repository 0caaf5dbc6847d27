#pragma once

#include "document/recentprojects.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The initialisation file "Quorvalle.ini" in the program folder: fixed records of 128
// bytes numbered from 1, each one string as a 2-byte little-endian length followed by its
// bytes, the rest of the record zero. Records 1..5 are the recent projects (most recent
// first), record 6 the chosen language name (empty: none chosen yet).
//
// Texts are written as UTF-8, the way the platform spells paths; a record that is not
// valid UTF-8 comes from a Windows copy and is read as windows-1252. Records after the
// sixth are kept as they were.
struct IniFile {
    static constexpr std::size_t kRecordSize = 128;
    static constexpr std::size_t kMaxTextBytes = kRecordSize - 2;
    static constexpr int kLanguageRecord = 6;
    static constexpr std::string_view kFileName = "Quorvalle.ini";

    RecentProjects recentProjects;
    std::string language;
    std::string laterRecords; // the bytes after record 6, untouched

    // The bytes of the file. A text longer than a record can hold is not stored (its
    // record is left empty) and named in `warnings`; cutting a path would point elsewhere.
    std::string serialize(std::vector<std::string>& warnings) const;
    // Reads the bytes of a file, never failing: a record that is cut short by the end of
    // the file or claims more than 126 bytes reads as empty, with a warning naming
    // `fileName` and the record; records the file does not reach are simply empty. A
    // language name that is not a plain file name (see isValidLanguageName) reads as none.
    static IniFile parse(std::string_view bytes, const std::string& fileName,
                         std::vector<std::string>& warnings);
};

struct IniLoad {
    IniFile ini;
    bool created = false;              // the file was missing and has been created
    std::string error;                 // the file could not be read or created
    std::vector<std::string> warnings; // damaged records, read as empty
};

// Reads the initialisation file; a missing one is created with five empty records.
IniLoad readIniFile(const std::filesystem::path& path);

// Writes the file through a temporary file renamed over it. Returns false with `error`
// when it could not be written; texts too long for a record are reported in `warnings`.
bool writeIniFile(const std::filesystem::path& path, const IniFile& ini, std::string& error,
                  std::vector<std::string>& warnings);

} // namespace qv
