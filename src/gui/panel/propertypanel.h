#pragma once

#include "designer/objectref.h"

#include <QPointer>
#include <QRectF>
#include <QScrollArea>

#include <functional>

class QLabel;

namespace qv {
class LanguageTable;
}

namespace qv::gui {

class ColourButtons;
class ColourTable;
class DesignDocument;
class FieldControls;
class FontControls;
class InputFlagsBox;
class PositionBoxes;
struct DocumentChange;

// The property panel of the main window: the position boxes and the controls that show
// and change the most used properties of the selected object, or of every object of an
// area selection that has them. It follows the selection through the design's change
// signal; controls the selection has no use for are hidden. Every change goes through the
// design, so one Ctrl+Z undoes it. The colour buttons open the colour table.
class PropertyPanel : public QScrollArea {
    Q_OBJECT
public:
    // `measure` gives where the canvas draws an object (labels are measured by their font).
    PropertyPanel(DesignDocument& document, const LanguageTable* language,
                  std::function<QRectF(ObjectRef)> measure, QWidget* parent = nullptr);
    ~PropertyPanel() override;

    void setFontFamilies(const QStringList& families);
    void retranslate();
    // The panel's caption ("Properties"), for the dock that holds it.
    QString caption() const;

    QLabel* numberLabel() const { return number_; }
    PositionBoxes& positionBoxes() { return *position_; }
    FontControls& fontControls() { return *font_; }
    ColourButtons& colourButtons() { return *colours_; }
    FieldControls& fieldControls() { return *field_; }
    InputFlagsBox& inputFlags() { return *flags_; }
    // Opens the colour table with a colour target (Color1 .. Color3).
    void openColourTable(int target);
    ColourTable* colourTable() const;

    // Shows the selection's values again.
    void refresh();

private:
    void apply(const DocumentChange& change);

    DesignDocument& document_;
    const LanguageTable* language_;
    QLabel* number_ = nullptr;
    QWidget* rule_ = nullptr;
    PositionBoxes* position_ = nullptr;
    FontControls* font_ = nullptr;
    ColourButtons* colours_ = nullptr;
    FieldControls* field_ = nullptr;
    InputFlagsBox* flags_ = nullptr;
    QPointer<ColourTable> colourTable_;
};

} // namespace qv::gui
