#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;

namespace qv::gui {

class DesignDocument;
struct DocumentChange;

// The page and input controls of the selected object: Check4 "Display object on all
// pages...", the input flags LockEnabled, NOsearch and NoChart, and the order box Text4.
// Each shows the selected object's value and writes it back (the flags to every object of
// an area selection that has them); a control the object's kind lacks is disabled.
class InputFlagsBox : public QWidget {
    Q_OBJECT
public:
    explicit InputFlagsBox(DesignDocument& document, QWidget* parent = nullptr);

    QCheckBox* allPagesBox() const { return allPages_; }
    QCheckBox* lockBox() const { return lock_; }
    QCheckBox* noSearchBox() const { return noSearch_; }
    QCheckBox* chartBox() const { return chart_; }
    QLineEdit* orderBox() const { return order_; }

private:
    void apply(const DocumentChange& change);
    void refresh();
    QCheckBox* addCheck(const QString& text);

    DesignDocument& document_;
    QCheckBox* allPages_ = nullptr;
    QCheckBox* lock_ = nullptr;
    QCheckBox* noSearch_ = nullptr;
    QCheckBox* chart_ = nullptr;
    QLineEdit* order_ = nullptr;
    bool typing_ = false; // the order box is being typed into: one undo step
};

} // namespace qv::gui
