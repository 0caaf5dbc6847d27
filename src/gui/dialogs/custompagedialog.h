#pragma once

#include <QDialog>

#include <optional>
#include <utility>

class QLineEdit;

namespace qv::gui {

// Form17, "Page Size...": the width and height of a custom page in the unit of measure,
// preset to the page as it is. OK takes the two values when both are a page size (a
// message names the box that is not); closing the window changes nothing.
class CustomPageDialog : public QDialog {
    Q_OBJECT
public:
    // `width` and `height` are the page in the unit; `pixelsPerUnit` converts to pixels
    // for the size check.
    CustomPageDialog(double width, double height, double pixelsPerUnit, QWidget* parent = nullptr);

    // Shows the dialog modally; the two values, or nothing when it was closed.
    static std::optional<std::pair<double, double>> ask(double width, double height,
                                                        double pixelsPerUnit, QWidget* parent);

    QLineEdit* widthBox() const { return width_; }
    QLineEdit* heightBox() const { return height_; }
    std::pair<double, double> size() const { return size_; }

    void accept() override;

private:
    double pixelsPerUnit_;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    std::pair<double, double> size_{};
};

} // namespace qv::gui
