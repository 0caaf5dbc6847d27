#pragma once

#include "document/projectdocument.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The texts of the button and field script editors: the offered templates and lists, what
// clicking an entry inserts, and the tidying of typed scripts.

namespace qv {

// The action templates of the button dialog, in their order.
const std::vector<std::string>& actionTemplates();
inline constexpr std::string_view kPhpSendUrl = "PHP-SEND-URL";
inline constexpr std::string_view kQueryAddress = "http://www.example.com/form.php?";
// PHP-SEND-URL: the query address followed by name=Fn:& for every field, then =Cn: for
// every combo and =Kn: for every check box.
std::string phpSendUrl(const ProjectDocument& document);

// Scp_Sel of the button dialog: the query commands, a blank entry, ID, Date$, DateVal$,
// then Fn=name, Cn=name, Kn=name for every field, combo and check box.
std::vector<std::string> scriptCommandList(const ProjectDocument& document);
// What clicking an entry inserts: the part before "=" and a space.
std::string scriptCommandInsertion(std::string_view entry);

// Tidying of a typed script: references in lower case go to upper case (fields, notes,
// combos and check boxes that exist; variables 0..99), the decimal separator becomes ".",
// and IF, OR, AND, SUM(, NOT(, THEN, ELSE standing as words go to upper case. The length
// stays, so the caret can stay where it was.
std::string tidyScript(std::string_view script, const ProjectDocument& document,
                       char decimalSeparator = '.');

// Scp_Sel of the field dialog: operators, functions and the objects' names.
std::vector<std::string> fieldReferenceList(const ProjectDocument& document);
// What clicking an entry inserts: the part before " = ", or the whole entry.
std::string fieldReferenceInsertion(std::string_view entry);
// Leaving the script box: "=<" becomes "<=" and "=>" becomes ">=".
std::string fixComparisons(std::string_view formula);
// The days box: the text read as a number, rounded half to even to a 16-bit integer; 0 for
// text that is no number.
int16_t dateOffsetFromText(std::string_view text);

// EmailFieldName: the field number of an entry "Fn"; nullopt for the heading entry.
std::optional<int16_t> emailNameFieldOfEntry(std::string_view entry);
// The script box's tool tip for a selected reference "Fn": "Fn = name, help text"; empty
// when the selection is no existing field's reference.
std::string referenceToolTip(const ProjectDocument& document, std::string_view selected);

// The format list of the field dialog: texts[0], texts[1], the number-format text with
// " 0.00", " 0.000", " 0.0000", then texts[2..9].
std::vector<std::string> formatList(const std::array<std::string, 10>& texts,
                                    const std::string& numberFormatText);

} // namespace qv
