#pragma once

#include "designer/designer.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The character-set names of the Configurations dialog and their Windows numbers.
struct CharsetName {
    std::string_view name;
    int16_t number;
};
const std::vector<CharsetName>& charsetNames();
// The number for a name; nullopt for a name not in the list (the setting stays).
std::optional<int16_t> charsetNumber(std::string_view name);
// Combo1 choice: sets the default character set; an unknown name changes nothing.
bool chooseCharset(Designer& d, std::string_view name);

// PlateExt change: stores extension i as typed and gives the caption of the designed
// window's view-document entry i: the extension, a space and language text 37; empty
// (entry hidden) for an empty extension.
std::string setPlateExtension(Designer& d, int plate, const std::string& extension);
// Leaving PlateExt: the extension is stored in lower case.
void finishPlateExtension(Designer& d, int plate);

// XMLc: the default XML plate for the current objects, lines ended by CR LF.
std::string xmlPlate(const ProjectDocument& document);
// PlateEdit: an "xml" plate that is still empty is first generated; returns the plate's
// text for the editor.
std::string plateForEditing(Designer& d, int plate);
// OKButton of the editor in plate mode.
void storePlate(Designer& d, int plate, const std::string& text);

// TestTemplate_Click: replaces Fn:, then Cn:, Mn:, Kn: by what `valueOf` gives for each
// object (by default the document's field text and check box state; the canvas passes
// what it shows).
using PlateValue = std::function<std::string(ObjectRef)>;
std::string fillPlate(const ProjectDocument& document, std::string_view plate,
                      const PlateValue& valueOf = {});
// The file the filled plate is written to: "Temp." and the plate's extension ("txt" when
// it has none).
std::string testPlateFileName(std::string_view extension);

// An edit of any application setting, as one undo step.
void editSettings(Designer& d, const std::string& name,
                  const std::function<void(AppSettings&)>& edit);

} // namespace qv
