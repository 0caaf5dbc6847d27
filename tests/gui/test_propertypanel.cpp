#include "canvasfixture.h"
#include "modaldriver.h"

#include "app/canvassettingsmenu.h"
#include "app/pagesizemenu.h"
#include "designer/clipboardtext.h"
#include "designer/colourpalette.h"
#include "designer/pagesize.h"
#include "designer/panelvalues.h"
#include "designer/panelview.h"
#include "dialogs/colourtable.h"
#include "dialogs/custompagedialog.h"
#include "document/projectfile.h"
#include "panel/colourbuttons.h"
#include "panel/fieldcontrols.h"
#include "panel/fontcontrols.h"
#include "panel/inputflagsbox.h"
#include "panel/positionboxes.h"
#include "panel/propertypanel.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>

#include <functional>

using namespace qv;
using namespace qv::gui;
using qv::test::addObject;
using qv::test::CanvasFixture;

namespace {

constexpr double kMm = 96 / 25.4;

int addField(ProjectDocument& d, float left, float top)
{
    const int i = addObject<Field>(d, left, top);
    d.fields[i].tag = "Field" + std::to_string(i);
    return i;
}

PropertyPanel& panel(CanvasFixture& f)
{
    return f.editor->panel();
}
QLineEdit* positionBox(CanvasFixture& f, int i)
{
    return panel(f).positionBoxes().box(i);
}

void select(CanvasFixture& f, ObjectRef ref)
{
    f.design().run([ref](Designer& d) { d.selection().select(ref); });
}

// Types into a box as a person does: into the box, over its text, then Return.
void type(QLineEdit* box, const QString& keys)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, keys);
    QTest::keyClick(box, Qt::Key_Return);
}

// Every object as its clipboard record, which also carries what the project file leaves
// out (a frame's style and size), its page, and the project file's bytes, which carry what
// the clipboard leaves out (a combo's chart flag).
std::vector<std::string> snapshot(const ProjectDocument& d)
{
    const ProjectWriteResult file = encodeProject(d, "snapshot.baf");
    std::vector<std::string> records{std::string(file.bytes.begin(), file.bytes.end())};
    for (ObjectKind kind : kAllKinds) {
        visitTable(d, kind, [&](const auto& table) {
            for (int i : table.indices())
                records.push_back(clipboardRecord(d, ObjectRef{kind, i}) + " page " +
                                  std::to_string(pageOf(table[i])));
        });
    }
    return records;
}

bool inside(const PixelRect& inner, const PixelRect& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

// What a screen reader calls a widget.
QString accessibleName(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a != nullptr ? a->text(QAccessible::Name) : QString();
}

} // namespace

// The property panel, the page-size, unit and grid menus and the position boxes, driven as
// a person drives them and checked in the document afterwards.
class PropertyPanelTest : public QObject {
    Q_OBJECT

private slots:
    void positionBoxesTakeWholeNumbersAndApplyByKind()
    {
        ProjectDocument doc;
        test::setPage(doc, 800, 600);
        const int field = addField(doc, 40, 40);
        const int square = addObject<Square>(doc, 100, 200);
        CanvasFixture f(std::move(doc));
        f.activate();
        const ObjectRef fieldRef{ObjectKind::Field, field};
        select(f, fieldRef);
        // The boxes show the frame, 3 out of the text box.
        QCOMPARE(positionBox(f, 0)->text(), QStringLiteral("37"));
        QCOMPARE(positionBox(f, 2)->text(), QStringLiteral("106"));
        QVERIFY(positionBox(f, 3)->isReadOnly()); // a field's height follows its font

        // A point or a sign typed is discarded.
        const std::vector<std::string> before = snapshot(f.doc);
        for (int i = 0; i < 4; ++i) {
            QLineEdit* box = positionBox(f, i);
            box->setFocus();
            box->selectAll();
            const QString shown = box->text();
            QTest::keyClicks(box, QStringLiteral(".-"));
            QCOMPARE(box->text(), shown);
            QTest::keyClick(box, Qt::Key_Return);
        }
        QCOMPARE(snapshot(f.doc), before);
        QVERIFY(!f.design().canUndo());

        struct Case {
            const char* what;
            ObjectRef ref;
            int box;
            const char* typed;
            int index; // of PanelView::position
            float expected;
        } cases[] = {
            {"a width of 5 for a field gives 16", fieldRef, 2, "5", 2, 16},
            {"a Left beyond the page gives its width - 10", fieldRef, 0, "900", 0, 790},
            {"a Top beyond the page gives its height - 30",
             {ObjectKind::Square, square},
             1,
             "700",
             1,
             570},
            {"a height below 5 gives 5", {ObjectKind::Square, square}, 3, "2", 3, 5},
            {"a width within the page is taken", {ObjectKind::Square, square}, 2, "250", 2, 250},
        };
        for (const Case& c : cases) {
            select(f, c.ref);
            type(positionBox(f, c.box), QString::fromLatin1(c.typed));
            const PanelView view = panelView(f.doc, f.selection());
            QVERIFY2(view.position[static_cast<size_t>(c.index)] == c.expected, c.what);
            // The box shows what the object took once the typing ends.
            QCOMPARE(positionBox(f, c.box)->text(), QString::number(c.expected));
        }
    }

    void unitsRelabelTheGridAndInchesGiveA24PixelQuarter()
    {
        ProjectDocument doc;
        const int square = addObject<Square>(doc, 96, 48);
        CanvasFixture f(std::move(doc));
        CanvasSettingsMenu& m = f.editor->canvasSettingsMenu();
        QVERIFY(m.unitItem(3)->isChecked());
        QCOMPARE(m.gridItem(10)->text(), QStringLiteral("10 x 10px"));
        select(f, {ObjectKind::Square, square});

        m.unitItem(5)->trigger();
        QVERIFY(m.unitItem(5)->isChecked());
        QVERIFY(!m.unitItem(3)->isChecked());
        QCOMPARE(m.gridItem(5)->text(), QStringLiteral("1/10 x 1/10 Inc"));
        QCOMPARE(m.gridItem(10)->text(), QStringLiteral("1/4 x 1/4 Inc"));
        // The boxes show inches; the grid step stays until an item is chosen.
        QCOMPARE(positionBox(f, 0)->text(), QStringLiteral("1"));
        QCOMPARE(positionBox(f, 1)->text(), QStringLiteral("0.5"));
        QCOMPARE(f.design().canvas().gridStep, 10.0);
        QVERIFY(!f.design().canUndo()); // the designer's settings, not the design's
        m.gridItem(10)->trigger();
        QCOMPARE(f.design().canvas().gridStep, 24.0);
        QVERIFY(m.gridItem(10)->isChecked());
        // Typing whole inches.
        type(positionBox(f, 0), QStringLiteral("2"));
        QCOMPARE(panelView(f.doc, f.selection()).position[0], 192.0f);

        struct Relabel {
            int unit;
            const char* item20;
        } relabels[] = {{6, "4 x 4mm"}, {7, "1 x 1cm"}, {3, "20 x 20px"}};
        for (const Relabel& r : relabels) {
            m.unitItem(r.unit)->trigger();
            QCOMPARE(m.gridItem(20)->text(), QString::fromLatin1(r.item20));
        }
        QVERIFY(!f.design().canvas().snap);
        m.snapItem()->trigger();
        QVERIFY(f.design().canvas().snap);
        QVERIFY(m.snapItem()->isChecked());
        QCOMPARE(m.snapItem()->text(), QStringLiteral("Snap to Grid"));
    }

    void pageSizesPortraitAndLandscape()
    {
        CanvasFixture f;
        PageSizeMenu& m = f.editor->pageSizeMenu();
        QCOMPARE(m.item(12)->text(), QStringLiteral("A4, 297 x 210 mm"));
        QCOMPARE(m.item(23)->text(), QStringLiteral("Touch Screen 1366x768 Pixels"));
        QCOMPARE(m.item(22)->text(), QStringLiteral("Custom..."));
        QCOMPARE(m.item(19)->text(), QStringLiteral("Portrait..."));
        QCOMPARE(m.item(20)->text(), QStringLiteral("Landscape..."));
        QVERIFY(m.item(18) == nullptr && m.item(21) == nullptr); // separators
        int papers = 0;
        for (QAction* a : m.menu()->actions())
            papers += a->isSeparator() ? 0 : 1;
        QCOMPARE(papers, 22);
        QVERIFY(m.item(0)->isChecked());
        QVERIFY(m.item(19)->isChecked());

        struct Step {
            const char* what;
            int item;
            double width, height;
            bool landscape;
            int checkedPaper;
        } steps[] = {
            {"A4 is upright", 12, 210 * kMm, 297 * kMm, false, 12},
            {"Landscape turns it", 20, 297 * kMm, 210 * kMm, true, 12},
            {"Portrait gives it back", 19, 210 * kMm, 297 * kMm, false, 12},
            {"Landscape again", 20, 297 * kMm, 210 * kMm, true, 12},
            {"another paper stays landscape", 3, 1344, 816, true, 3},
        };
        for (const Step& s : steps) {
            m.item(s.item)->trigger();
            const QSizeF page = f.scene().surfaceSize();
            QVERIFY2(qAbs(page.width() - s.width) < 0.01, s.what);
            QVERIFY2(qAbs(page.height() - s.height) < 0.01, s.what);
            QVERIFY2(m.item(20)->isChecked() == s.landscape, s.what);
            QVERIFY2(m.item(19)->isChecked() == !s.landscape, s.what);
            QVERIFY2(m.item(s.checkedPaper)->isChecked(), s.what);
        }
        // Each choice is one undo step.
        for (int i = 0; i < 5; ++i)
            QVERIFY(f.design().undo());
        QCOMPARE(f.scene().surfaceSize(), QSizeF(816, 1056));
        QVERIFY(m.item(0)->isChecked());
        QVERIFY(m.item(19)->isChecked());
    }

    void aCustomPageIsTypedInThePageSizeDialog()
    {
        CanvasFixture f;
        PageSizeMenu& m = f.editor->pageSizeMenu();
        QString preset;
        QString warning;
        test::whenModalOpens("qv::gui::CustomPageDialog", [&](QWidget* w) {
            auto* dialog = static_cast<CustomPageDialog*>(w);
            preset = dialog->widthBox()->text() + QLatin1Char('x') + dialog->heightBox()->text();
            test::whenModalOpens("QMessageBox", [&warning](QWidget* box) {
                warning = static_cast<QMessageBox*>(box)->text();
                static_cast<QMessageBox*>(box)->accept();
            });
            dialog->widthBox()->setText(QStringLiteral("0"));
            dialog->accept(); // refused with a message, the dialog stays
            QVERIFY(dialog->isVisible());
            dialog->widthBox()->setText(QStringLiteral("500"));
            dialog->heightBox()->setText(QStringLiteral("300"));
            dialog->accept();
        });
        m.item(22)->trigger();
        QCOMPARE(preset, QStringLiteral("816x1056")); // Letter, in pixels
        QVERIFY2(warning.startsWith(QStringLiteral("Width \"0\"")), qPrintable(warning));
        QCOMPARE(f.scene().surfaceSize(), QSizeF(500, 300));
        QVERIFY(m.item(22)->isChecked());
        QVERIFY(!m.item(0)->isChecked());

        // Closed without OK: nothing changes.
        test::whenModalOpens("qv::gui::CustomPageDialog",
                             [](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
        m.item(22)->trigger();
        QCOMPARE(f.scene().surfaceSize(), QSizeF(500, 300));
    }

    void boldOnABandOfTwoTitlesAndALine()
    {
        ProjectDocument doc;
        const int t1 = addObject<Title>(doc, 10, 10);
        const int t2 = addObject<Title>(doc, 10, 40);
        const int line = addObject<Line>(doc, 10, 80);
        doc.lines[line].x2 = pixelsToTwips(200);
        doc.lines[line].y2 = doc.lines[line].y1;
        doc.titles[t2].fontBold = true;
        CanvasFixture f(std::move(doc));
        f.activate();
        f.editor->editCommands().selectAll();
        FontControls& font = panel(f).fontControls();
        QCheckBox* bold = font.boldBox();
        QVERIFY(bold->isVisible());
        // The titles disagree: neither ticked nor clear.
        QCOMPARE(bold->checkState(), Qt::PartiallyChecked);
        const std::string lineBefore = clipboardRecord(f.doc, {ObjectKind::Line, line});
        bold->click();
        QVERIFY(f.doc.titles[t1].fontBold);
        QVERIFY(f.doc.titles[t2].fontBold);
        QCOMPARE(clipboardRecord(f.doc, {ObjectKind::Line, line}), lineBefore);
        QCOMPARE(bold->checkState(), Qt::Checked);
        bold->click();
        QVERIFY(!f.doc.titles[t1].fontBold);
        QVERIFY(!f.doc.titles[t2].fontBold);
        QTest::keyClick(bold, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(f.doc.titles[t1].fontBold);
        QVERIFY(f.doc.titles[t2].fontBold);
    }

    void aFrameStyleKeepsTheTextBoxInsideItsFrame()
    {
        ProjectDocument doc;
        const int notes = addObject<Notes>(doc, 40, 40);
        const int field = addField(doc, 40, 200);
        const int combo = addObject<Combo>(doc, 40, 300);
        CanvasFixture f(std::move(doc));
        f.activate();
        QScrollBar* style = panel(f).fieldControls().frameStyleBar();
        struct Case {
            ObjectRef ref;
            const char* width;
            const char* height; // nullptr: the box has no effect
        } cases[] = {
            {{ObjectKind::Notes, notes}, "12", "10"}, // raised to 30 and 24
            {{ObjectKind::Field, field}, "150", nullptr},
            {{ObjectKind::Combo, combo}, "120", nullptr},
        };
        for (const Case& c : cases) {
            select(f, c.ref);
            QVERIFY(style->isVisible());
            type(positionBox(f, 2), QString::fromLatin1(c.width));
            if (c.height != nullptr)
                type(positionBox(f, 3), QString::fromLatin1(c.height));
            const PixelRect frameBefore = positionRect(f.doc, c.ref);
            for (int value : {3, 7, 0, 6}) {
                style->setFocus();
                style->setValue(value);
                const PixelRect frame = positionRect(f.doc, c.ref);
                const PixelRect box = objectRect(f.doc, c.ref);
                QVERIFY2(inside(box, frame), kindName(c.ref.kind).data());
                if (c.ref.kind == ObjectKind::Combo) {
                    // The combo is fitted into the frame again; the frame stays.
                    QCOMPARE(frame.left, frameBefore.left);
                    QCOMPARE(frame.width, frameBefore.width);
                }
            }
            // The keyboard moves it too.
            QTest::keyClick(style, Qt::Key_Left);
            QCOMPARE(panelView(f.doc, f.selection()).values.frameStyle.value_or(-1), 5);
        }
    }

    void everyPanelChangeIsUndoneByOneCtrlZ()
    {
        ProjectDocument doc;
        const int field = addField(doc, 40, 40);
        const int combo = addObject<Combo>(doc, 40, 100);
        const int title = addObject<Title>(doc, 300, 40);
        addObject<Title>(doc, 300, 80);
        const int square = addObject<Square>(doc, 300, 200);
        CanvasFixture f(std::move(doc));
        f.activate();
        PropertyPanel& p = panel(f);
        FontControls& font = p.fontControls();
        FieldControls& fields = p.fieldControls();
        InputFlagsBox& flags = p.inputFlags();
        const ObjectRef fieldRef{ObjectKind::Field, field};
        const ObjectRef titleRef{ObjectKind::Title, title};
        struct Case {
            const char* what;
            std::optional<ObjectRef> ref; // nothing: an area selection of everything
            std::function<void()> change;
        } cases[] = {
            {"LeftP typed", fieldRef, [&] { type(positionBox(f, 0), QStringLiteral("123")); }},
            {"WidthP typed", fieldRef, [&] { type(positionBox(f, 2), QStringLiteral("5")); }},
            {"HeightP typed for a square", ObjectRef{ObjectKind::Square, square},
             [&] { type(positionBox(f, 3), QStringLiteral("77")); }},
            {"FontSizing typed", fieldRef,
             [&] { type(font.fontSizeBox()->lineEdit(), QStringLiteral("250")); }},
            {"FontSizing chosen", fieldRef, [&] { emit font.fontSizeBox()->activated(10); }},
            {"text3 typed", titleRef,
             [&] { type(font.fontNameBox()->lineEdit(), QStringLiteral("Courier")); }},
            {"Check1", fieldRef, [&] { font.boldBox()->click(); }},
            {"Check2", titleRef, [&] { font.italicBox()->click(); }},
            {"Check3", titleRef, [&] { font.underlineBox()->click(); }},
            {"Option1", titleRef, [&] { font.alignmentOption(2)->click(); }},
            {"Printon", titleRef, [&] { flags.printBox()->click(); }},
            {"Check4", fieldRef, [&] { flags.allPagesBox()->click(); }},
            {"LockEnabled", fieldRef, [&] { flags.lockBox()->click(); }},
            {"NOsearch", fieldRef, [&] { flags.noSearchBox()->click(); }},
            {"NoChart", ObjectRef{ObjectKind::Combo, combo}, [&] { flags.chartBox()->click(); }},
            {"Text4 typed", fieldRef, [&] { type(flags.orderBox(), QStringLiteral("12")); }},
            {"FDLabel typed", fieldRef, [&] { type(fields.labelBox(), QStringLiteral("Total")); }},
            {"FieldGTH typed", fieldRef, [&] { type(fields.lengthBox(), QStringLiteral("40")); }},
            {"BF by key", fieldRef,
             [&] {
                 fields.frameStyleBar()->setFocus();
                 QTest::keyClick(fields.frameStyleBar(), Qt::Key_Right);
             }},
            {"BF dragged", ObjectRef{ObjectKind::Combo, combo},
             [&] {
                 // A drag reports every value it passes.
                 QScrollBar* bar = fields.frameStyleBar();
                 bar->setSliderDown(true);
                 for (int v = 1; v <= 6; ++v)
                     bar->setSliderPosition(v);
                 bar->setSliderDown(false);
             }},
            {"Color1", titleRef,
             [&] {
                 p.colourButtons().button(0)->click();
                 p.colourTable()->useColour(1, 2);
             }},
            {"Check1 on an area", std::nullopt, [&] { font.boldBox()->click(); }},
            {"Color3 on an area", std::nullopt,
             [&] {
                 p.colourButtons().button(2)->click();
                 p.colourTable()->useColour(2, 2);
             }},
        };
        for (const Case& c : cases) {
            if (c.ref)
                select(f, *c.ref);
            else
                f.editor->editCommands().selectAll();
            f.activate();
            const std::vector<std::string> before = snapshot(f.doc);
            c.change();
            QVERIFY2(snapshot(f.doc) != before, c.what);
            // Ctrl+Z where the user is: in the box just typed into, or on the canvas.
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus != nullptr ? focus : &f.view(), Qt::Key_Z, Qt::ControlModifier);
            QVERIFY2(snapshot(f.doc) == before, c.what);
        }
    }

    void theColourTableGivesAColourByItsTarget()
    {
        ProjectDocument doc;
        const int field = addField(doc, 40, 40);
        CanvasFixture f(std::move(doc));
        f.activate();
        select(f, {ObjectKind::Field, field});
        ColourButtons& buttons = panel(f).colourButtons();
        QCOMPARE(buttons.button(0)->toolTip(), QStringLiteral("Text color..."));
        QCOMPARE(buttons.button(1)->toolTip(), QStringLiteral("Backcolor..."));
        QCOMPARE(buttons.button(2)->toolTip(), QStringLiteral("Border color..."));
        buttons.button(1)->click();
        ColourTable* table = panel(f).colourTable();
        QVERIFY(table != nullptr && table->isVisible());
        QCOMPARE(table->windowTitle(), QStringLiteral("Color Table..."));
        QCOMPARE(table->target(), kBackColourTarget);
        QTableWidget* cells = table->cells();
        QCOMPARE(cells->rowCount() * cells->columnCount(), kPaletteSize);
        const int32_t colour = table->colourAt(3, 5);
        const QPoint cell = cells->visualItemRect(cells->item(3, 5)).center();
        QTest::mouseClick(cells->viewport(), Qt::LeftButton, {}, cell);
        // Pressing a cell shows it; nothing is given yet.
        QCOMPARE(table->valueBox()->text(), ColourTable::colourValueText(colour));
        QVERIFY(table->valueBox()->text().startsWith(QStringLiteral("&H00")));
        QCOMPARE(table->valueBox()->text().size(), 10);
        QCOMPARE(table->partBox(0)->text(), QString::number(colour & 0xFF));
        QCOMPARE(table->partBox(2)->text(), QString::number((colour >> 16) & 0xFF));
        QCOMPARE(f.doc.fields[field].backColor, 0xFFFFFF);
        QTest::mouseDClick(cells->viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(f.doc.fields[field].backColor, colour);
        QVERIFY(f.design().undo());
        QCOMPARE(f.doc.fields[field].backColor, 0xFFFFFF);
        // Return on a cell, for the keyboard; the border target gives the frame's colour.
        buttons.button(2)->click();
        cells->setCurrentCell(0, 4);
        QTest::keyClick(cells, Qt::Key_Return);
        QCOMPARE(f.doc.fields[field].frameBorderColor, table->colourAt(0, 4));
        QVERIFY(f.design().undo());
        QVERIFY(!f.design().canUndo()); // one step each
        QCOMPARE(ColourTable::colourValueText(0xC0E0FF), QStringLiteral("&H00C0E0FF"));
    }

    // What the panel shows for each kind; pictures of the window to look at go to QV_SHOT_DIR.
    void theControlsOfEachKindAndNoOthers()
    {
        ProjectDocument doc;
        std::vector<ObjectRef> refs;
        float top = 20;
        forEachKindType([&](auto tag) {
            using T = decltype(tag);
            const int i = addObject<T>(doc, 40, top);
            if constexpr (std::is_same_v<T, Title>)
                doc.titles[i].caption = "Caption";
            if constexpr (std::is_same_v<T, Line>) {
                doc.lines[i].x2 = pixelsToTwips(240);
                doc.lines[i].y2 = doc.lines[i].y1;
            }
            refs.push_back({KindOf<T>::value, i});
            top += 60;
        });
        CanvasFixture f(std::move(doc));
        f.window.resize(1280, 800);
        PropertyPanel& p = panel(f);
        FontControls& font = p.fontControls();
        InputFlagsBox& flags = p.inputFlags();
        FieldControls& fields = p.fieldControls();
        ColourButtons& colours = p.colourButtons();
        const std::pair<const char*, QWidget*> widgets[] = {
            {"text3", font.fontNameBox()},        {"FontSizing", font.fontSizeBox()},
            {"Check1", font.boldBox()},           {"Check3", font.underlineBox()},
            {"Option1", font.alignmentOption(0)}, {"Printon", flags.printBox()},
            {"Check4", flags.allPagesBox()},      {"LockEnabled", flags.lockBox()},
            {"NOsearch", flags.noSearchBox()},    {"NoChart", flags.chartBox()},
            {"Text4", flags.orderBox()},          {"FDLabel", fields.labelBox()},
            {"FieldGTH", fields.lengthBox()},     {"BF", fields.frameStyleBar()},
            {"Color1", colours.button(0)},        {"Color2", colours.button(1)},
            {"Color3", colours.button(2)},        {"LeftP", positionBox(f, 0)},
        };
        const std::map<ObjectKind, std::vector<std::string>> shown = {
            {ObjectKind::Field,
             {"text3", "FontSizing", "Check1", "Option1", "Printon", "Check4", "LockEnabled",
              "NOsearch", "Text4", "FDLabel", "FieldGTH", "BF", "Color1", "Color2", "Color3",
              "LeftP"}},
            {ObjectKind::Notes,
             {"text3", "FontSizing", "Check1", "Printon", "Check4", "LockEnabled", "NOsearch",
              "Text4", "FDLabel", "FieldGTH", "BF", "Color1", "Color2", "Color3", "LeftP"}},
            {ObjectKind::Combo,
             {"text3", "FontSizing", "Check1", "Printon", "Check4", "LockEnabled", "NOsearch",
              "NoChart", "Text4", "FDLabel", "FieldGTH", "BF", "Color1", "Color2", "LeftP"}},
            {ObjectKind::Picture, {"Printon", "Check4", "LeftP"}},
            {ObjectKind::Checkbox,
             {"Printon", "Check4", "LockEnabled", "NoChart", "Text4", "FDLabel", "LeftP"}},
            {ObjectKind::Title,
             {"text3", "FontSizing", "Check1", "Check3", "Option1", "Printon", "Check4", "Color1",
              "LeftP"}},
            {ObjectKind::Line, {"Printon", "Check4", "Color3", "LeftP"}},
            {ObjectKind::Square, {"Printon", "Check4", "Color2", "Color3", "LeftP"}},
            {ObjectKind::Script, {"Check4", "LeftP"}},
            {ObjectKind::Button, {"FontSizing", "Check4", "Color2", "LeftP"}},
        };
        for (const ObjectRef& ref : refs) {
            select(f, ref);
            std::vector<std::string> visible;
            for (const auto& [name, widget] : widgets) {
                if (widget->isVisibleTo(&f.window))
                    visible.push_back(name);
            }
            QVERIFY2(visible == shown.at(ref.kind), kindName(ref.kind).data());
            QCoreApplication::processEvents(); // the layouts take the hidden controls out
            f.grab(QStringLiteral("panel-%1").arg(QString::fromUtf8(kindName(ref.kind).data())),
                   &f.window);
        }
        // The label's number, and a check box's.
        select(f, refs[5]);
        QCOMPARE(p.numberLabel()->text(), QStringLiteral("L%1").arg(refs[5].index));
        f.editor->editCommands().selectAll();
        QCoreApplication::processEvents();
        f.grab(QStringLiteral("panel-area"), &f.window);
        select(f, refs[0]);
    }

    void everyControlIsReachableByKeyAndNamed()
    {
        ProjectDocument doc;
        const int field = addField(doc, 40, 40);
        const int title = addObject<Title>(doc, 300, 40);
        CanvasFixture f(std::move(doc));
        for (const ObjectRef ref :
             {ObjectRef{ObjectKind::Field, field}, ObjectRef{ObjectKind::Title, title}}) {
            select(f, ref);
            for (QWidget* w : panel(f).widget()->findChildren<QWidget*>()) {
                const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                                     qobject_cast<QAbstractButton*>(w) ||
                                     qobject_cast<QScrollBar*>(w);
                if (!control || !w->isVisibleTo(&f.window))
                    continue;
                const QString name = accessibleName(w);
                QVERIFY2(!name.isEmpty(), qPrintable(w->objectName()));
                QVERIFY2(w->focusPolicy() & Qt::TabFocus, qPrintable(name));
            }
        }
        // Menu items have captions.
        for (QMenu* menu :
             {f.editor->pageSizeMenu().menu(), f.editor->canvasSettingsMenu().gridMenu()}) {
            QVERIFY(!menu->title().isEmpty());
            for (QAction* a : menu->actions())
                QVERIFY(a->isSeparator() || !a->text().isEmpty());
        }
    }

    void aLanguageSwitchRecaptionsThePanelAndTheMenus()
    {
        ProjectDocument doc;
        const int field = addField(doc, 40, 40);
        CanvasFixture f(std::move(doc));
        select(f, {ObjectKind::Field, field});
        const std::map<int, const char*> swedish = {{41, "F&ormat"},
                                                    {124, "Egenskaper"},
                                                    {125, "Vänster"},
                                                    {129, "Typsnitt"},
                                                    {131, "Fet"},
                                                    {134, "Textfärg"},
                                                    {148, "Bildpunkter"},
                                                    {153, "Fäst vid rutnät"},
                                                    {154, "Rutnätsstorlek"},
                                                    {155, "Sidstorlek"},
                                                    {156, "Anpassad..."},
                                                    {144, "Visa på alla sidor..."}};
        for (const auto& [entry, text] : swedish)
            f.language.setText(entry, text);
        f.editor->retranslate();
        PropertyPanel& p = panel(f);
        QCOMPARE(p.caption(), QStringLiteral("Egenskaper"));
        QCOMPARE(p.positionBoxes().box(0)->accessibleName(), QStringLiteral("Vänster"));
        QCOMPARE(p.fontControls().boldBox()->text(), QStringLiteral("Fet"));
        QCOMPARE(p.fontControls().fontNameBox()->accessibleName(), QStringLiteral("Typsnitt"));
        QCOMPARE(p.colourButtons().button(0)->text(), QStringLiteral("Textfärg"));
        QCOMPARE(p.inputFlags().allPagesBox()->text(), QStringLiteral("Visa på alla sidor..."));
        QCOMPARE(f.editor->pageSizeMenu().menu()->title(), QStringLiteral("Sidstorlek"));
        QCOMPARE(f.editor->pageSizeMenu().item(22)->text(), QStringLiteral("Anpassad..."));
        QCOMPARE(f.editor->canvasSettingsMenu().unitItem(3)->text(), QStringLiteral("Bildpunkter"));
        QCOMPARE(f.editor->canvasSettingsMenu().snapItem()->text(),
                 QStringLiteral("Fäst vid rutnät"));
        QCOMPARE(f.editor->canvasSettingsMenu().gridMenu()->title(),
                 QStringLiteral("Rutnätsstorlek"));
        // The tool tips are the controls' names and stay as they are.
        QCOMPARE(p.colourButtons().button(0)->toolTip(), QStringLiteral("Text color..."));
        QCOMPARE(p.inputFlags().allPagesBox()->toolTip(),
                 QStringLiteral("Display object on all pages..."));
        QCOMPARE(p.fieldControls().lengthBox()->toolTip(),
                 QStringLiteral("Field Length...   (Charater Size)"));
        QDockWidget* dock = f.window.findChild<QDockWidget*>(QStringLiteral("PropertyDock"));
        QVERIFY(dock != nullptr);
        QCOMPARE(dock->windowTitle(), QStringLiteral("Egenskaper"));
    }
};

QTEST_MAIN(PropertyPanelTest)
#include "test_propertypanel.moc"
