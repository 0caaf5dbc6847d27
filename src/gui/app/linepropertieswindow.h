#pragma once

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QScrollBar;
class QToolButton;

namespace qv::gui {

class DesignDocument;
struct DocumentChange;

// Form14, "Line Properties": a modeless window over the canvas that lists the lines
// ("Line " and the index) and edits the chosen one: its two end points (T1 .. T4, in
// pixels), its colour from a palette of 20 cells scrolled over the designer's 96 colours,
// and its print flag. A line selected on the canvas becomes the chosen line.
class LinePropertiesWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCells = 20;

    LinePropertiesWindow(DesignDocument& document, QWidget* parent = nullptr);

    // The line the window edits; -1 for none.
    int currentLine() const { return line_; }
    void chooseLine(int index);
    QComboBox* lineList() const { return list_; }
    QLineEdit* coordinateBox(int coordinate) const
    {
        return boxes_[static_cast<size_t>(coordinate)];
    }
    QToolButton* colourCell(int cell) const { return cells_[static_cast<size_t>(cell)]; }
    QScrollBar* colourScroll() const { return scroll_; }
    QCheckBox* printBox() const { return print_; }

private:
    void apply(const DocumentChange& change);
    void fillList();
    void showLine();
    void showPalette();
    void coordinateEdited(int coordinate);

    DesignDocument& document_;
    int line_ = -1;
    bool editing_ = false; // a coordinate box is being typed into: one undo step
    QComboBox* list_ = nullptr;
    std::array<QLineEdit*, 4> boxes_{};
    std::array<QToolButton*, kCells> cells_{};
    QScrollBar* scroll_ = nullptr;
    QCheckBox* print_ = nullptr;
};

} // namespace qv::gui
