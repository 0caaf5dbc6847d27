#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace qv::gui {

class DesignDocument;

// Config, "Color Table...": a modeless window of colour cells. Pointing at or choosing a
// cell shows its colour value ("&H" and eight hexadecimal digits, &H00BBGGRR) and its red,
// green and blue parts; double-clicking a cell (or Return on it) gives the colour to the
// selected object, or to every object of an area selection, as the colour target says:
// text colour (-3), back colour (-4) or border colour (-5). Each colour given is one undo
// step. The window keeps its position under "ConfigLeft" / "ConfigTop".
class ColourTable : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 12;

    explicit ColourTable(DesignDocument& document, QWidget* parent = nullptr);
    ~ColourTable() override;

    // Sets the colour target and shows the window in front.
    void open(int target);
    int target() const { return target_; }

    QTableWidget* cells() const { return cells_; }
    QLineEdit* valueBox() const { return value_; }
    QLineEdit* partBox(int i) const { return parts_[static_cast<size_t>(i)]; }
    // The colour of a cell, 0x00BBGGRR.
    int32_t colourAt(int row, int column) const;
    // Gives the colour of a cell to the selection, by the target.
    void useColour(int row, int column);

    // "&H" and eight hexadecimal digits.
    static QString colourValueText(int32_t colour);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showColour(int row, int column);

    DesignDocument& document_;
    int target_ = 0;
    bool placed_ = false;
    QLabel* targetLabel_ = nullptr;
    QTableWidget* cells_ = nullptr;
    QLineEdit* value_ = nullptr;
    std::array<QLineEdit*, 3> parts_{};
};

} // namespace qv::gui
