#pragma once

#include "builder/appdata.h"
#include "builder/builddate.h"
#include "document/projectdocument.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qv {

// The changes a build makes to the document before it is written out, as the designer
// keeps them afterwards: unnamed pictures, fields, combos, notes and check boxes get their
// generated names, empty "xml" file plates get the default XML plate, and search-window
// columns that name no existing object become "0".
void PrepareDocumentForBuild(ProjectDocument& document);

// The sum of the lengths of every field, notes object and combo plus one per check box; a
// design below kMinFieldCapacity cannot hold records (language message 298).
int FieldCapacity(const ProjectDocument& document);
inline constexpr int kMinFieldCapacity = 30;
inline constexpr int kTooSmallMessage = 298;

// The reference code of a search-window column ("F3" -> 3, "C2" -> 2002, "K1" -> 4001,
// "M4" -> 6004); 0 when the entry names no existing object.
int16_t SearchColumnCode(const ProjectDocument& document, const std::string& entry);

// A picture file embedded in the block and copied next to the executable.
struct EmbeddedPicture {
    std::string fileName;                        // AppName + n + ext
    const std::vector<uint8_t>* bytes = nullptr; // points into the AppData
};

struct AppDataBuild {
    AppData data;
    std::vector<std::string> warnings; // picture files that could not be read, and the like
};

// Makes the data block's content from a prepared document. Pictures are read from their
// bytes in memory or their source files; a missing one is stored without a file.
AppDataBuild BuildAppData(const ProjectDocument& document, const std::string& appName,
                          const CivilDate& buildDate);

// The embedded picture files of `data` in the order of their generated numbers.
std::vector<EmbeddedPicture> EmbeddedPictures(const AppData& data);

// The number at the start of a text as the dialogs read numbers (leading blanks skipped);
// 0 when there is none.
double LeadingNumber(const std::string& text);

} // namespace qv
