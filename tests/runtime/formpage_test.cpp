// The designed window's surface draws every object and makes a live control only for the
// one the user works with: drawn objects must look exactly as their controls, clicks and
// TAB must reach them, and screen readers must find every one by name.
#include "checkeditor.h"
#include "comboeditor.h"
#include "designbutton.h"
#include "fieldeditor.h"
#include "formpage.h"
#include "noteseditor.h"
#include "runtimewindow.h"

#include "builder/appdata.h"
#include "document/units.h"
#include "records/recordform.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

namespace {

using qv::InputKind;
using qv::InputRef;
using qv::ObjectKind;
using qv::runtime::FormObject;
using qv::runtime::FormPage;
using qv::runtime::RuntimeWindow;

qv::BlockField field(float left, float top, float width, const std::string& tag)
{
    qv::BlockField b;
    b.field.left = qv::pixelsToTwips(left);
    b.field.top = qv::pixelsToTwips(top);
    b.field.width = qv::pixelsToTwips(width);
    b.field.height = qv::pixelsToTwips(22);
    b.field.tag = tag;
    b.searchLabel = tag;
    b.field.caseRule = 3;
    return b;
}

// Every kind of object the user works with, in the looks a design gives them: fonts,
// alignments, heights, a date field with the calendar, a memo too long for its box, a
// locked combo and check box, an option box, a button without a caption.
qv::AppData everyLook()
{
    qv::AppData data;
    data.windowTitle = "Looks";
    data.surfaceWidth = qv::pixelsToTwips(620);
    data.surfaceHeight = qv::pixelsToTwips(420);
    data.calendarOption = 1;
    data.fields = {field(10, 10, 120, "Plain"),     field(10, 40, 120, "Right"),
                   field(10, 70, 120, "Centre"),    field(10, 100, 60, "Too long"),
                   field(10, 130, 140, "Big"),      field(10, 160, 140, "Due"),
                   field(10, 190, 90, "Odd height")};
    data.fields[1].field.alignment = 1;
    data.fields[2].field.alignment = 2;
    data.fields[3].field.alignment = 1;
    data.fields[4].field.fontName = "Times New Roman";
    data.fields[4].field.fontSize = 14;
    data.fields[4].field.fontBold = true;
    data.fields[4].field.height = qv::pixelsToTwips(27);
    data.fields[4].field.foreColor = 0x0000C0;
    data.fields[5].field.fieldFormat = 7;
    data.fields[6].field.height = qv::pixelsToTwips(19);
    data.fields[6].field.fontItalic = true;
    data.fieldFormulas.assign(data.fields.size(), {});
    data.fieldTexts.assign(data.fields.size(), {});
    data.fieldDateOffsets.assign(data.fields.size(), 0);
    for (int i = 0; i < 2; ++i) {
        qv::BlockNotes n;
        n.notes.tag = i == 0 ? "Short memo" : "Long memo";
        n.notes.left = qv::pixelsToTwips(200);
        n.notes.top = qv::pixelsToTwips(10 + 90 * i);
        n.notes.width = qv::pixelsToTwips(180);
        n.notes.height = qv::pixelsToTwips(70);
        data.notes.push_back(n);
    }
    for (int i = 0; i < 3; ++i) {
        qv::Combo c;
        c.tag = "Combo " + std::to_string(i + 1);
        c.left = qv::pixelsToTwips(400);
        c.top = qv::pixelsToTwips(10 + 30 * i);
        c.width = qv::pixelsToTwips(150);
        c.listItems = {"Post", "Courier"};
        c.border = i;
        c.lockEnabled = i == 2 ? 1 : 0;
        data.combos.push_back(c);
    }
    for (int i = 0; i < 3; ++i) {
        qv::Checkbox c;
        c.tag = "Check " + std::to_string(i);
        c.left = qv::pixelsToTwips(400);
        c.top = qv::pixelsToTwips(110 + 25 * i);
        c.optionBx = i == 2 ? 1 : 0;
        c.lockEnabled = i == 1 ? 1 : 0;
        data.checkboxes.push_back(c);
    }
    for (int i = 0; i < 2; ++i) {
        qv::Button b;
        b.caption = i == 0 ? "&Next" : "";
        b.toolTipText = i == 0 ? "Goes on" : "Prints the record";
        b.buttonAction = ">";
        b.left = qv::pixelsToTwips(400);
        b.top = qv::pixelsToTwips(200 + 40 * i);
        b.width = qv::pixelsToTwips(110);
        b.height = qv::pixelsToTwips(30);
        data.buttons.push_back(b);
    }
    // TAB order: the fields, the memos, the combos, the check boxes.
    int order = 0;
    for (qv::BlockField& f : data.fields)
        f.field.tabOrder = static_cast<int16_t>(++order);
    for (qv::BlockNotes& n : data.notes)
        n.notes.tabOrder = static_cast<int16_t>(++order);
    for (qv::Combo& c : data.combos)
        c.tabOrder = ++order;
    for (qv::Checkbox& c : data.checkboxes)
        c.tabOrder = static_cast<int16_t>(++order);
    return data;
}

const std::pair<InputRef, const char*> kValues[] = {
    {{InputKind::Field, 1}, "Plain text"},
    {{InputKind::Field, 2}, "1,234.50"},
    {{InputKind::Field, 3}, "middle"},
    {{InputKind::Field, 4}, "a text much wider than its box"},
    {{InputKind::Field, 5}, "Big Text"},
    {{InputKind::Field, 6}, "3/9/2026"},
    {{InputKind::Field, 7}, "tab\there, line\nbreak"},
    {{InputKind::Notes, 1}, "two lines\nof memo"},
    {{InputKind::Notes, 2},
     "A memo far too long for its box, so that its lines wrap and a "
     "scroll bar shows beside them.\nOne\nTwo\nThree\nFour\nFive\nSix"},
    {{InputKind::Combo, 1}, "Courier"},
    {{InputKind::Combo, 2}, "Post"},
    {{InputKind::Combo, 3}, "locked"},
    {{InputKind::Checkbox, 0}, "1"},
    {{InputKind::Checkbox, 1}, "1"},
    {{InputKind::Checkbox, 2}, "2"},
};

void fill(RuntimeWindow& window)
{
    for (const auto& [ref, value] : kValues) {
        window.form().setValue(ref, value);
        window.formPage()->showValue(ref);
    }
}

QPoint centreOf(FormPage* page, FormObject object)
{
    return page->controlRect(object).center();
}

} // namespace

class FormPageTest : public QObject {
    Q_OBJECT
private slots:
    void drawnObjectsLookExactlyAsTheirControls()
    {
        const qv::AppData data = everyLook();
        for (const bool readOnly : {false, true}) {
            RuntimeWindow window(data, qv::FormulaLocale{}, {});
            fill(window);
            // Shown, as a memo lays out its scroll bar only then; no object has the focus.
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            if (QWidget* focus = QApplication::focusWidget())
                focus->clearFocus();
            FormPage* page = window.formPage();
            page->applyLocks(readOnly);
            const QImage drawn = page->grab().toImage();
            // Every object gets its live control (none of them focused).
            for (FormObject object : std::vector<FormObject>(page->objectsShown())) {
                const std::optional<InputRef> input = qv::runtime::inputOf(object);
                QVERIFY(input ? page->editor(*input) != nullptr
                              : page->button(object.index) != nullptr);
            }
            QCOMPARE(page->liveControlCount(), static_cast<int>(page->objectsShown().size()));
            // A memo lays out its scroll bars once the events of its showing are through.
            QApplication::processEvents();
            const QImage live = page->grab().toImage();
            for (FormObject object : page->objectsShown()) {
                const QRect rect = page->controlRect(object);
                QVERIFY2(drawn.copy(rect) == live.copy(rect),
                         qPrintable(QStringLiteral("%1 (%2) looks other than its control")
                                        .arg(page->accessibleNameOf(object))
                                        .arg(QLatin1String(readOnly ? "read-only" : "free"))));
            }
            QVERIFY(drawn == live);
        }
    }

    void aClickOrTabMakesTheControlOfThatObjectOnly()
    {
        const qv::AppData data = everyLook();
        RuntimeWindow window(data, qv::FormulaLocale{}, {});
        fill(window);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        FormPage* page = window.formPage();
        // Nothing is made at the start; TAB from the window's first stop reaches the first
        // object of the TAB order.
        QCOMPARE(page->liveControlCount(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), page->liveControl({ObjectKind::Field, 1}));
        QCOMPARE(page->liveControlCount(), 1);

        // A click behind the text of a drawn field puts the caret there.
        const QRect big = page->controlRect({ObjectKind::Field, 5});
        QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(big.right() - 3, big.center().y()));
        QCOMPARE(page->liveControlCount(), 2);
        auto* edit = qobject_cast<qv::runtime::FieldEditor*>(QApplication::focusWidget());
        QVERIFY(edit && edit == page->liveControl({ObjectKind::Field, 5}));
        QCOMPARE(edit->cursorPosition(), edit->text().size());
        QTest::keyClicks(edit, QStringLiteral("!"));
        QCOMPARE(window.form().value({InputKind::Field, 5}), std::string("Big Text!"));

        // TAB walks on in the design's order, making each control as it comes to it.
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), page->liveControl({ObjectKind::Field, 6}));
        QCOMPARE(page->liveControlCount(), 3);

        // A click on a drawn check box ticks it; on records that cannot be changed it does
        // nothing.
        QTest::mouseClick(page, Qt::LeftButton, {}, centreOf(page, {ObjectKind::Checkbox, 0}));
        QCOMPARE(window.form().value({InputKind::Checkbox, 0}), std::string("0"));
        page->applyLocks(true);
        QTest::mouseClick(page, Qt::LeftButton, {}, centreOf(page, {ObjectKind::Checkbox, 1}));
        QCOMPARE(window.form().value({InputKind::Checkbox, 1}), std::string("1"));
        page->applyLocks(false);

        // A drawn button does its work at the first click.
        QSignalSpy pressed(page, &FormPage::buttonPressed);
        QTest::mouseClick(page, Qt::LeftButton, {}, centreOf(page, {ObjectKind::Button, 1}));
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.at(0).at(0).toInt(), 1);
        // Empty surface makes nothing.
        const int made = page->liveControlCount();
        QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(600, 400));
        QCOMPARE(page->liveControlCount(), made);

        // Another page hides the controls of this one, and brings them back as they were.
        page->activate({ObjectKind::Notes, 2});
        window.setPage(1);
        QVERIFY(page->objectsShown().empty());
        QVERIFY(!page->liveControl({ObjectKind::Notes, 2})->isVisible());
        QVERIFY(!page->field(7));
        window.setPage(0);
        QVERIFY(page->liveControl({ObjectKind::Notes, 2})->isVisible());
        QCOMPARE(page->liveControlCount(), made + 1);
        page->focusFirst();
        QCOMPARE(QApplication::focusWidget(), page->liveControl({ObjectKind::Field, 1}));
    }

    void screenReadersFindEveryObjectByName()
    {
        const qv::AppData data = everyLook();
        RuntimeWindow window(data, qv::FormulaLocale{}, {});
        fill(window);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        FormPage* page = window.formPage();
        QAccessibleInterface* surface = QAccessible::queryAccessibleInterface(page);
        QVERIFY(surface);
        const int count = surface->childCount();
        QCOMPARE(count, 7 + 2 + 3 + 3 + 2);
        struct Expected {
            int child;
            const char* name;
            QAccessible::Role role;
            const char* value;
        };
        const Expected expected[] = {
            {0, "Plain", QAccessible::EditableText, "Plain text"},
            {7, "Short memo", QAccessible::EditableText, "two lines\nof memo"},
            {9, "Combo 1", QAccessible::EditableText, "Courier"},
            {12, "Check 0", QAccessible::CheckBox, ""},
            {15, "Next", QAccessible::Button, ""},
            {16, "Prints the record", QAccessible::Button, ""},
        };
        for (const Expected& e : expected) {
            QAccessibleInterface* child = surface->child(e.child);
            QVERIFY(child && child->isValid());
            QCOMPARE(child->text(QAccessible::Name), QString::fromUtf8(e.name));
            QCOMPARE(child->role(), e.role);
            QCOMPARE(child->text(QAccessible::Value), QString::fromUtf8(e.value));
            QCOMPARE(surface->indexOfChild(child), e.child);
            QCOMPARE(child->parent(), surface);
            const QRect local =
                page->controlRect(page->objectsShown()[static_cast<size_t>(e.child)]);
            QCOMPARE(child->rect(), QRect(page->mapToGlobal(local.topLeft()), local.size()));
            QCOMPARE(surface->childAt(child->rect().center().x(), child->rect().center().y()),
                     child);
        }
        QVERIFY(surface->child(12)->state().checked);
        QVERIFY(surface->child(9)->state().hasPopup);
        QVERIFY(surface->child(9)->text(QAccessible::Description).isEmpty());
        QCOMPARE(surface->child(16)->text(QAccessible::Description),
                 QStringLiteral("Prints the record"));
        QCOMPARE(page->liveControlCount(), 0);

        // Its focus action makes the live control, which then answers in its place.
        QAccessibleActionInterface* actions = surface->child(0)->actionInterface();
        QVERIFY(actions &&
                actions->actionNames().contains(QAccessibleActionInterface::setFocusAction()));
        actions->doAction(QAccessibleActionInterface::setFocusAction());
        QWidget* control = page->liveControl({ObjectKind::Field, 1});
        QVERIFY(control && control->hasFocus());
        QCOMPARE(surface->child(0)->object(), control);
        QCOMPARE(surface->indexOfChild(surface->child(0)), 0);
        QCOMPARE(surface->child(0)->text(QAccessible::Name), QStringLiteral("Plain"));
        // Pressing a drawn button presses it.
        QSignalSpy pressed(page, &FormPage::buttonPressed);
        surface->child(15)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(pressed.count(), 1);
    }
};

QTEST_MAIN(FormPageTest)
#include "formpage_test.moc"
