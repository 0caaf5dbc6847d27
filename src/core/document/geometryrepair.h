#pragma once

#include "document/objectkind.h"
#include "document/objectrecords.h"
#include "reports/report.h"

#include <string>
#include <vector>

namespace qv {

struct AppSettings;
struct ProjectDocument;

// A damaged number must not cost the user the project, and nothing may draw or build with
// one: every position or size that is not a finite number is set to a usable value as it
// is read. A position becomes 0, a size the kind's smallest, a font size the default 9
// points. Each repaired object gets one warning that names it and the values set.

// The smallest width and height of a kind, in twips: what the property panel lets the
// user set.
struct SmallestSize {
    float width;
    float height;
};
SmallestSize smallestSize(ObjectKind kind);
// Report squares, lines, images and labels.
inline constexpr SmallestSize kSmallestReportElement{75, 75};

// One record; `name` ("Picture 3") starts the warning. False when nothing was set.
bool repairGeometry(Title& o, const std::string& name, std::vector<std::string>& warnings);
bool repairGeometry(Field& o, const std::string& name, std::vector<std::string>& warnings);
bool repairGeometry(Notes& o, const std::string& name, std::vector<std::string>& warnings);
bool repairGeometry(Combo& o, const std::string& name, std::vector<std::string>& warnings);
bool repairGeometry(Picture& o, const std::string& name, std::vector<std::string>& warnings);
bool repairGeometry(Checkbox& o, const std::string& name, std::vector<std::string>& warnings);
bool repairGeometry(Square& o, const std::string& name, std::vector<std::string>& warnings);
bool repairGeometry(Line& o, const std::string& name, std::vector<std::string>& warnings);
bool repairGeometry(Button& o, const std::string& name, std::vector<std::string>& warnings);
bool repairGeometry(Script& o, const std::string& name, std::vector<std::string>& warnings);
// The report's window and paper sizes and every element.
bool repairGeometry(Report& report, const std::string& name, std::vector<std::string>& warnings);
// The positions and sizes among the application settings (surface, frames, scroller).
bool repairGeometry(AppSettings& settings, std::vector<std::string>& warnings);

// Every object, every report and the settings of a document read from a file.
void repairGeometry(ProjectDocument& document, std::vector<std::string>& warnings);

// "Picture 3", as warnings name an object.
std::string objectName(ObjectKind kind, int index);

} // namespace qv
