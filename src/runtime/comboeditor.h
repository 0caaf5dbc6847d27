#pragma once

#include "controls/combolook.h"
#include "records/textcase.h"

#include <QLineEdit>

#include <string>
#include <vector>

class QMenu;

namespace qv {
struct Combo;
}

namespace qv::runtime {

// The live editor of a combo: a text line that draws itself with the combo control's look
// (border and drop-down button) and opens the design's list from the button, F4 or
// Alt+Down. It follows the combo's rules for typing: its length, its case rule and, with
// TextCase 4, completion from the list. A line rather than a platform combo box keeps a
// page with hundreds of combos quick to open; the list is made only when it is opened.
class ComboEditor : public QLineEdit {
    Q_OBJECT
public:
    ComboEditor(const Combo& combo, QWidget* parent = nullptr);

    void showValue(const QString& text);
    void openList();
    QStringList items() const { return items_; }

signals:
    void typed(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect buttonRect() const;
    void edited(const QString& text);
    bool complete(const QString& character);

    gui::ComboLook look_;
    QStringList items_;
    std::vector<std::string> itemTexts_;
    TextCase case_ = TextCase::AsTyped;
    bool completes_ = false;
    QMenu* list_ = nullptr;
};

} // namespace qv::runtime
