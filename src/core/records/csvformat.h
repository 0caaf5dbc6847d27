#pragma once

#include <string>
#include <string_view>

namespace qv {

// The delimiter and file extension of a built application's exchange files, as the
// Configurations settings give them, made safe to use.
struct CsvFormat {
    std::string delimiter = ",";
    std::string extension = "csv"; // without the dot, lower case

    // The delimiter text of the design: surrounding spaces go; empty gives ","; "\t" or
    // "TAB" (any case) gives a tab. A delimiter holding a double quote or a line break
    // cannot separate quoted values and gives "," too. The extension: dots, spaces and
    // case go; one that is empty or holds anything but letters, digits, "-" and "_"
    // gives "csv".
    static CsvFormat fromDesign(std::string_view delimiter, std::string_view extension);

    // The file name of an export: `stem` + "." + the extension.
    std::string fileName(std::string_view stem) const;
};

} // namespace qv
