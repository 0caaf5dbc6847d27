#pragma once

#include <QObject>

#include <array>

class QAction;
class QMenu;
class QWidget;

namespace qv {
class LanguageTable;
}

namespace qv::gui {

class DesignDocument;
struct DocumentChange;

// The unit of measure and the grid of the canvas: the unit items TheScale ("Pixels",
// "Inches", "Millimeters", "Centimeters"), the grid menu Snap5 whose four items are
// captioned in the unit, and StGrid "Snap to Grid". They are the designer's settings, not
// the design's: no undo step.
class CanvasSettingsMenu : public QObject {
    Q_OBJECT
public:
    CanvasSettingsMenu(DesignDocument& document, const LanguageTable* language, QWidget* window);

    // Puts the unit items, the grid menu and the snap item into `menu`.
    void addTo(QMenu* menu) const;
    // The unit item of a scale-mode number (3, 5, 6, 7).
    QAction* unitItem(int unit) const;
    QMenu* gridMenu() const { return grid_; }
    // Grid item 5, 10, 15 or 20.
    QAction* gridItem(int item) const;
    QAction* snapItem() const { return snap_; }

    // TheScale_Click, Snap5_Click and StGrid.
    void chooseUnit(int unit);
    void chooseGrid(int item);
    void setSnap(bool on);
    void retranslate();

private:
    void update(const DocumentChange& change);

    DesignDocument& document_;
    const LanguageTable* language_;
    std::array<QAction*, 4> units_{};
    QMenu* grid_ = nullptr;
    std::array<QAction*, 4> gridItems_{};
    QAction* snap_ = nullptr;
};

} // namespace qv::gui
