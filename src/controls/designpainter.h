#pragma once

#include "document/objectkind.h"

#include <QRectF>

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

    const ProjectDocument& document_;
};

} // namespace qv::gui
