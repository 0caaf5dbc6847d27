#pragma once

#include "formobject.h"

#include "builder/appdata.h"
#include "controls/designpainter.h"
#include "formula/formulalocale.h"
#include "records/inputref.h"
#include "records/speciallabels.h"

#include <QPixmap>
#include <QPointer>
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

// The designed window's surface. Everything on it is drawn: the design painter draws the
// labels, shapes, lines, pictures and the boxes of fields and notes exactly as the
// designer's canvas draws them, and the input objects and buttons are drawn with their
// values as their live controls would draw themselves. A live control is made only for
// the object the user works with (clicked, reached with TAB, pointed at for a button)
// and kept from then on, so that a page with thousands of objects costs drawing, not
// widgets. Values live in the RecordForm; the controls show them and hand typing back.
// Screen readers reach every object through the page's accessibility interface, drawn
// or live.
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

    // The live control of an object on the page shown, made now if it has none yet;
    // nullptr for an object that is not on the page shown and has no control.
    FieldEditor* field(int index);
    NotesEditor* notes(int index);
    ComboEditor* combo(int index);
    CheckEditor* checkbox(int index);
    DesignButton* button(int index);
    QWidget* editor(InputRef ref);
    // How many live controls have been made.
    int liveControlCount() const { return static_cast<int>(live_.size()); }

    // The objects of the page shown that the user works with, in TAB order: the input
    // objects, then the buttons. They are also drawn in this order, over the rest.
    const std::vector<FormObject>& objectsShown() const;
    // Where an object's control lies on the page.
    QRect controlRect(FormObject object) const;
    // The object shown at a point of the page, the topmost where objects overlap.
    std::optional<FormObject> objectAt(QPoint point) const;
    // The live control of an object; nullptr while it is drawn.
    QWidget* liveControl(FormObject object) const;
    // The object a live control belongs to.
    std::optional<FormObject> objectOf(const QWidget* control) const;
    // The live control of an object of the page shown, made if need be, with the
    // keyboard focus.
    QWidget* activate(FormObject object, Qt::FocusReason reason = Qt::OtherFocusReason);

    // What the accessibility interface and the tool tips tell of an object.
    QString accessibleNameOf(FormObject object) const;
    QString toolTipOf(FormObject object) const;
    QString valueOf(FormObject object) const;
    // True when the object takes no typing (its lock, or records that cannot be changed).
    bool isLocked(FormObject object) const;

    // The input object whose control has the keyboard focus.
    std::optional<InputRef> focusedInput() const;
    // Puts the focus into the first object of the page's TAB order.
    void focusFirst();

    // A value the form changed (formulas, another record) shown by its control.
    void showValue(InputRef ref);
    // The reserved date and record-ID labels show the record on screen.
    void showSpecialLabels(const SpecialLabelTexts& texts);
    // The caption a label is drawn with.
    QString labelText(int index) const { return painter_.titleCaption(index); }
    // Every control takes its object's lock; everything is read-only when `readOnly`.
    void applyLocks(bool readOnly);

signals:
    // The user changed an object's value; the form holds it already.
    void typed(InputRef ref);
    void buttonPressed(int index);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    struct Drawn {
        ObjectKind kind;
        int index;
        QRectF bounds;
    };
    struct PageContent {
        bool built = false;
        std::vector<Drawn> drawn;        // back to front
        std::vector<FormObject> objects; // TAB order: input objects, then buttons
        std::vector<QRect> controlRects; // of `objects`
    };
    struct Live {
        QWidget* control;
        FormObject object;
        int page;
    };

    void buildPage(int page);
    bool onPage(int objectPage) const;
    int pageOf(FormObject object) const;
    QWidget* makeControl(FormObject object);
    QWidget* createEditor(InputRef ref);
    QWidget* createButton(int index);
    void lockEditor(InputRef ref, QWidget* editor);
    void paintFace(QPainter& painter, FormObject object, const QRect& rect) const;
    void forwardMouse(QMouseEvent* event);
    void redraw(const QRect& rect);
    bool hasCalendar(int field) const;
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
    std::vector<Live> live_;               // in the order made
    // The control a press on a drawn object went to: it gets the rest of that click.
    QPointer<QWidget> mouseTarget_;
    bool textCursor_ = false; // the I-beam shows over a drawn text object
    // Drawn values changed since the last paint, gathered into one repaint.
    QRect dirty_;
};

int pixels(float twips);

} // namespace qv::runtime
