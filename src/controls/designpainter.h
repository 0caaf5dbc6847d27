#pragma once

#include "document/objectkind.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>

class QPainter;

namespace qv {
struct ProjectDocument;
}

namespace qv::gui {

// Draws the objects of a designed window as the built application shows them, from their
// records alone, with the controls' own painting functions. Coordinates are canvas pixels.
class DesignPainter {
public:
    explicit DesignPainter(const ProjectDocument& document) : document_(document) {}

    // The area an object covers on the canvas; empty for a deleted or parked one.
    QRectF bounds(ObjectKind kind, int index) const;
    // Draws one object into its bounds.
    void paint(QPainter& painter, ObjectKind kind, int index) const;

    // A caption shown for a label instead of its stored one (the designer's clock label
    // shows the time, a built application's record-ID label the record's number); a null
    // string shows the stored caption again.
    void setLiveCaption(int titleIndex, const QString& caption);
    // A label drawn in `colour` (0x00BBGGRR) instead of its own ForeColor, such as a link
    // under the pointer; -1 for none.
    void setHighlightedTitle(int titleIndex, int32_t colour = 0);
    // The caption a label is drawn with: its live caption, else its stored one.
    QString titleCaption(int index) const;

private:
    void paintTitle(QPainter& painter, int index) const;
    void paintField(QPainter& painter, int index) const;
    void paintNotes(QPainter& painter, int index) const;
    void paintCombo(QPainter& painter, int index) const;
    void paintPicture(QPainter& painter, int index) const;
    void paintCheckbox(QPainter& painter, int index) const;
    void paintSquare(QPainter& painter, int index) const;
    void paintLine(QPainter& painter, int index) const;
    void paintButton(QPainter& painter, int index) const;
    void paintScript(QPainter& painter, int index) const;

    QSizeF titleSize(int index, const QString& caption) const;

    const ProjectDocument& document_;
    std::map<int, QString> liveCaptions_; // by label index; a few at most
    int highlightedTitle_ = -1;
    int32_t highlightColour_ = 0;
    // Measured label sizes by font and caption: measuring shapes the text, and a canvas
    // re-reads a label's bounds whenever it moves.
    mutable std::unordered_map<std::string, QSizeF> titleSizes_;
};

} // namespace qv::gui
