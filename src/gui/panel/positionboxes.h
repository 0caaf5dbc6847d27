#pragma once

#include "designer/objectref.h"

#include <QRectF>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;

namespace qv {
class LanguageTable;
struct PanelView;
} // namespace qv

namespace qv::gui {

class DesignDocument;
class TypedBox;

// The four position boxes LeftP, TopP, WidthP and HeightP: the selected object's place and
// size in the unit of measure. They take whole numbers only; each key applies the typed
// value to the object (clamped to the page, by the object's kind) and the whole typing is
// one undo step. A box that has no effect on the object is read-only.
class PositionBoxes : public QWidget {
    Q_OBJECT
public:
    // `measure` gives where the canvas draws an object whose size is not stored (a label).
    PositionBoxes(DesignDocument& document, const LanguageTable* language,
                  std::function<QRectF(ObjectRef)> measure, QWidget* parent = nullptr);

    QLineEdit* box(int i) const { return boxes_[static_cast<size_t>(i)]; }
    void showView(const PanelView& view);
    void retranslate();

private:
    void apply(int i, const QString& text);

    DesignDocument& document_;
    const LanguageTable* language_;
    std::function<QRectF(ObjectRef)> measure_;
    std::array<QLabel*, 4> labels_{};
    std::array<QLineEdit*, 4> boxes_{};
    std::array<TypedBox*, 4> typed_{};
};

} // namespace qv::gui
