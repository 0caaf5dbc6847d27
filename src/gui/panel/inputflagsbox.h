#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace qv {
class LanguageTable;
struct PanelView;
} // namespace qv

namespace qv::gui {

class DesignDocument;
class TypedBox;

// The flags of the selected object in the property panel: Printon (printed on reports),
// Check4 "Display object on all pages...", the input flags LockEnabled, NOsearch and
// NoChart, and the order box Text4. Each shows the selected object's value and writes it
// back (the print and input flags to every object of an area selection that has them); a
// control the selection does not have is hidden.
class InputFlagsBox : public QWidget {
    Q_OBJECT
public:
    InputFlagsBox(DesignDocument& document, const LanguageTable* language,
                  QWidget* parent = nullptr);

    QCheckBox* printBox() const { return print_; }
    QCheckBox* allPagesBox() const { return allPages_; }
    QCheckBox* lockBox() const { return lock_; }
    QCheckBox* noSearchBox() const { return noSearch_; }
    QCheckBox* chartBox() const { return chart_; }
    QLineEdit* orderBox() const { return order_; }

    void showView(const PanelView& view);
    void retranslate();

private:
    QCheckBox* addCheck(const char* name, const QString& toolTip);

    DesignDocument& document_;
    const LanguageTable* language_;
    QCheckBox* print_ = nullptr;
    QCheckBox* allPages_ = nullptr;
    QCheckBox* lock_ = nullptr;
    QCheckBox* noSearch_ = nullptr;
    QCheckBox* chart_ = nullptr;
    QLabel* orderLabel_ = nullptr;
    QLineEdit* order_ = nullptr;
    TypedBox* typedOrder_ = nullptr;
};

} // namespace qv::gui
