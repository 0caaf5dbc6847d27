#pragma once

#include "builder/appdata.h"
#include "controls/designpainter.h"
#include "formula/formulalocale.h"
#include "records/inputref.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace qv {
struct ProjectDocument;
class LocaleFormats;
class RecordForm;
} // namespace qv

namespace qv::runtime {

class CheckEditor;
class ComboEditor;
class DesignButton;
class FieldEditor;
class NotesEditor;

// The designed window's surface. The design painter draws the labels, shapes, lines,
// pictures and the boxes of fields and notes, exactly as the designer's canvas draws them;
// the input objects and buttons get live controls laid where the painter puts them. The
// live controls of a page are made the first time the page is shown, so that a design
// with thousands of objects opens quickly. Values live in the RecordForm; the controls show
// them and hand typing back.
class FormPage : public QWidget {
    Q_OBJECT
public:
    FormPage(const AppData& data, const ProjectDocument& design, RecordForm& form,
             const FormulaLocale& locale, QWidget* parent = nullptr);
    ~FormPage() override;

    void setPage(int page);
    int page() const { return page_; }
    // The highest page (0..4) that holds an object of its own.
    int lastUsedPage() const { return lastUsedPage_; }

    // The live control of an object; nullptr while its page has not been shown.
    FieldEditor* field(int index) const;
    NotesEditor* notes(int index) const;
    ComboEditor* combo(int index) const;
    CheckEditor* checkbox(int index) const;
    DesignButton* button(int index) const;
    QWidget* editor(InputRef ref) const;

    // The input object whose control has the keyboard focus.
    std::optional<InputRef> focusedInput() const;
    // Puts the focus into the first object of the page's TAB order.
    void focusFirst();

    // A value the form changed (formulas, another record) shown by its control.
    void showValue(InputRef ref);
    // Every control takes its object's lock; everything is read-only when `readOnly`.
    void applyLocks(bool readOnly);

signals:
    // The user changed an object's value; the form holds it already.
    void typed(InputRef ref);
    void buttonPressed(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    struct Drawn {
        ObjectKind kind;
        int index;
        QRectF bounds;
    };
    struct PageContent {
        bool built = false;
        std::vector<Drawn> drawn;       // back to front
        std::vector<QWidget*> tabOrder; // input objects in TAB order, then buttons
    };

    void buildPage(int page);
    QWidget* createEditor(InputRef ref);
    QWidget* createButton(int index);
    void lockEditor(InputRef ref, QWidget* editor);
    bool onPage(int objectPage) const;
    QString formatDay(int field, QDate day);

    const AppData& data_;
    const ProjectDocument& design_;
    RecordForm& form_;
    FormulaLocale locale_;
    gui::DesignPainter painter_;
    std::unique_ptr<LocaleFormats> formats_;
    int page_ = 0;
    int lastUsedPage_ = 0;
    bool readOnly_ = false;
    QColor surface_;
    QPixmap tile_; // the background tile "0.jpg" beside the executable, when asked for
    std::array<PageContent, kPageCount> pages_;
    std::vector<FieldEditor*> fields_;     // index 1 at 0
    std::vector<NotesEditor*> notes_;      // index 1 at 0
    std::vector<ComboEditor*> combos_;     // index 1 at 0
    std::vector<CheckEditor*> checkboxes_; // index 0 at 0
    std::vector<DesignButton*> buttons_;   // index 0 at 0
    // Every live control with its object's page, in the order made.
    std::vector<std::pair<QWidget*, int>> made_;
};

int pixels(float twips);

} // namespace qv::runtime
