#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;
class QPaintDevice;

namespace qv::gui {

// One link of a drawn help text: its text and the rectangle it took, in the text's own
// coordinates (the surface with no scrolling). A press hits it when
// left <= x < right and top <= y < bottom.
struct MarkupLink {
    QString text;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
};

// The two ways a text is drawn. On setting the text, "</big>" takes 1.5 points off and
// "</small>" adds 1.5; when the text is redrawn after scrolling, "</big>" acts like
// "<small>" (only above 6 points) and "</small>" like "<big>".
enum class MarkupPass { Initial, Scrolled };

struct MarkupResult {
    int lineCount = 1;
    int height = 0; // from the first line's top to the last line's bottom
    std::vector<MarkupLink> links;
};

// The size the drawing starts with, in points.
inline constexpr double kMarkupStartSize = 11.0;

// Draws text in the encoded form (one control character per tag, carriage returns as line
// breaks) onto surface, starting offset pixels above its top, in family's face. Without a
// painter it only measures (on device, for its resolution) and collects the links.
MarkupResult paintMarkup(QPainter* painter, QPaintDevice* device, const QString& encoded,
                         QRect surface, int offset, MarkupPass pass, const QString& family);

// Encodes a text written with tags ("<b>", "<link>", ...) with the core's EncodeMarkup.
QString encodeMarkupText(const QString& source);

} // namespace qv::gui
