#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One printed-report layout. Positions and sizes are twips. Elements whose `visible` is
// false are removed ones: they vanish at the next save.

namespace qv {

inline constexpr int kMaxReports = 20;     // reports 1..20
inline constexpr int kMaxReportSlots = 21; // slots 0..20
inline constexpr int kMaxReportImages = 201;
inline constexpr int16_t kPlainLabelRef = -1;
// Reference codes of report labels: Field n is n, Combo n 2000 + n, Checkbox n 4000 + n,
// Notes n 6000 + n.
inline constexpr int kComboRefBase = 2000;
inline constexpr int kCheckboxRefBase = 4000;
inline constexpr int kNotesRefBase = 6000;

struct ReportSquare {
    bool visible = true;
    int16_t borderWidth = 1;
    int16_t fillStyle = 1;
    int16_t borderStyle = 1;
    int16_t shape = 0;
    int32_t fillColor = 0;
    int32_t borderColor = 0;
    float height = 0;
    float width = 0;
    float top = 0;
    float left = 0;
};

struct ReportLine {
    bool visible = true;
    int32_t color = 0;
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
};

struct ReportImage {
    bool visible = true;
    float top = 0;
    float left = 0;
    float height = 0;
    float width = 0;
    int16_t pictureNumber = 0; // the Picture object whose image is printed
    int16_t imageOption = 1;   // at least 1
};

struct ReportLabel {
    bool visible = true;
    std::string fontName = "Arial";
    bool bold = false;
    bool italic = false;
    bool underline = false;
    float fontSize = 9;
    int32_t color = 0;
    float top = 0;
    float left = 0;
    float width = 0;
    float height = 0;
    int16_t alignment = 0;
    bool autoSize = false;
    int16_t referenceCode = kPlainLabelRef;
    std::string caption;
    uint8_t column = 0;
};

struct Report {
    float windowWidth = 12000;
    float windowHeight = 9000;
    float paperWidth = 11906; // A4 portrait
    float paperHeight = 16838;
    std::vector<ReportSquare> squares;
    std::vector<ReportLine> lines;
    std::vector<ReportImage> images;
    std::vector<ReportLabel> labels;
};

// One entry of the designed window's print-report menu. A slot with an empty caption holds
// no report; a removed slot is left out when the project is saved.
struct ReportSlot {
    std::string caption;
    Report report;
    bool removed = false;
};

} // namespace qv
