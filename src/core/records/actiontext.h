#pragma once

#include "records/action.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct AppData;
class RecordRow;

struct ActionTextContext {
    // The folder of the built application: "APath:/" paths and relative programs start here.
    std::filesystem::path appFolder;
    // What "PHP-SEND-URL" stands for when the designer left it unexpanded (see
    // queryAddressTemplate).
    std::string queryAddress;
};

// The query address of "PHP-SEND-URL" for a built application: the designer's placeholder
// address, then name=Fn:& for every field, name=Cn:& for every combo box and name=Kn:&
// for every check box that lies on a page. Names are percent-encoded.
std::string queryAddressTemplate(const AppData& data);

// Reads a button's action text (the URL / Path / Command box) and fills its placeholders
// F<n>:, M<n>:, C<n>:, K<n>: and ID: from `record` (a placeholder is taken only where no
// letter or digit stands before it, and only once: a value is never read again). See
// docs/actions.md for what each kind of text does. An empty text gives no action. A text
// that cannot be carried out safely gives an error and no action.
ActionOutcome resolveActionText(std::string_view text, const RecordRow& record,
                                const ActionTextContext& context);

// Reads a program command line (an entry of the optional-program menu) as the last kind of
// action text above: the program is the designer's, record values only ever fill whole
// arguments, and a value that would name the program or start an option is refused.
ActionOutcome resolveCommandLine(std::string_view text, const RecordRow& record,
                                 const ActionTextContext& context);

// The words of a program command line: separated by spaces and tabs outside double
// quotes; a doubled quote inside quotes is one quote; backslashes are kept as they are,
// so that Windows paths survive.
std::vector<std::string> splitCommandLine(std::string_view line);

// Percent-encoding (RFC 3986) of UTF-8 text: every byte but the unreserved characters
// A-Z a-z 0-9 - . _ ~ and those in `keep` becomes %XX.
std::string percentEncode(std::string_view text, std::string_view keep = {});

} // namespace qv
