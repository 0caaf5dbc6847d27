#pragma once

#include "builder/appdata.h"

#include <QPixmap>
#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qv::runtime {

// The designed window's surface: draws the titles, shapes, lines and pictures of the
// current page itself and carries a real editor for every field, notes object, combo box,
// check box and button. The runtime draws these simply; the designer's own painting
// functions live in its window code, which the runtime does not link.
class FormPage : public QWidget {
    Q_OBJECT
public:
    explicit FormPage(const AppData& data, QWidget* parent = nullptr);

    void setPage(int page);
    int page() const { return page_; }
    // The highest page (0..4) that holds an object of its own.
    int lastUsedPage() const { return lastUsedPage_; }

    const std::vector<QLineEdit*>& fields() const { return fields_; }
    const std::vector<QPlainTextEdit*>& notes() const { return notes_; }
    const std::vector<QComboBox*>& combos() const { return combos_; }
    const std::vector<QCheckBox*>& checkboxes() const { return checkboxes_; }

signals:
    // The user changed a value that formulas may read.
    void valueEdited();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createEditors();
    void showPageEditors();
    bool onPage(int objectPage) const;

    const AppData& data_;
    int page_ = 0;
    int lastUsedPage_ = 0;
    QPixmap tile_; // the background tile "0.jpg" beside the executable, when asked for
    std::vector<QImage> pictures_;
    std::vector<QLineEdit*> fields_;
    std::vector<QPlainTextEdit*> notes_;
    std::vector<QComboBox*> combos_;
    std::vector<QCheckBox*> checkboxes_;
    std::vector<QPushButton*> buttons_;
    // The page of each editor, in creation order.
    std::vector<std::pair<QWidget*, int>> editorPages_;
};

// 0x00BBGGRR as stored to a colour.
QColor colourOf(int32_t stored);
int pixels(float twips);

} // namespace qv::runtime
