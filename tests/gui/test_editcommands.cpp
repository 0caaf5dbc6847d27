#include "canvasfixture.h"

#include "app/linepropertieswindow.h"
#include "canvas/objectitem.h"
#include "designer/colourpalette.h"
#include "panel/inputflagsbox.h"
#include "panel/propertypanel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

using namespace qv;
using namespace qv::gui;
using qv::test::addObject;
using qv::test::CanvasFixture;
using qv::test::rectOf;

namespace {

int addField(ProjectDocument& d, float left, float top, const std::string& formula = {})
{
    const int i = addObject<Field>(d, left, top);
    d.fields[i].tag = "Field" + std::to_string(i);
    d.fields[i].fieldFormula = formula;
    return i;
}

} // namespace

// The Edit menu over the system clipboard, delete, undo and redo, and the page, lock and
// input controls, each checked in the document afterwards.
class EditCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void copiedObjectsPasteIntoAnotherDesignThroughTheClipboard()
    {
        ProjectDocument source;
        const int field = addField(source, 40, 40);
        const int title = addObject<Title>(source, 40, 10);
        source.titles[title].caption = "Name, first\r\nand last";
        CanvasFixture from(std::move(source));
        from.activate();
        from.editor->editCommands().selectAll();
        QTest::keyClick(&from.view(), Qt::Key_C, Qt::ControlModifier);
        const QMimeData* data = QApplication::clipboard()->mimeData();
        QVERIFY(data->hasText());
        QVERIFY(data->text().startsWith(QStringLiteral("~Vennrask1.0\r\n")));
        QVERIFY(data->text().contains(QStringLiteral("Name/~/ first&_&and last")));

        ProjectDocument target;
        addField(target, 300, 300);
        CanvasFixture to(std::move(target));
        to.editor->canvas().pageTab(1)->click();
        to.activate();
        QTest::keyClick(&to.view(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(to.doc.fields.highWater(), 2);
        QCOMPARE(int(to.doc.fields[2].page), 1);
        QCOMPARE(rectOf(to, ObjectKind::Field, 2).left, 50.0f); // 10 right and below
        QCOMPARE(rectOf(to, ObjectKind::Field, 2).top, 50.0f);
        const int pastedTitle = to.doc.titles.highWater();
        QCOMPARE(to.doc.titles[pastedTitle].caption, std::string("Name, first\r\nand last"));
        // Exactly the pasted objects are selected, and shown.
        QCOMPARE(to.selection().kind, kAreaSelectionCode);
        QCOMPARE(to.selection().multi.size(), size_t(2));
        QVERIFY(to.scene().itemFor({ObjectKind::Field, 2})->marked());
        // The paste is one step.
        QVERIFY(to.design().undo());
        QCOMPARE(to.doc.fields.highWater(), 1);
        QVERIFY(to.scene().itemFor({ObjectKind::Field, 2}) == nullptr);
        Q_UNUSED(field);

        // Text of another program changes nothing.
        QApplication::clipboard()->setText(QStringLiteral("just some text"));
        to.editor->editCommands().paste();
        QCOMPARE(to.doc.fields.highWater(), 1);
        QVERIFY(to.messages.isEmpty());
    }

    void deleteRenumbersFieldsAndTheirReferences()
    {
        ProjectDocument doc;
        addField(doc, 10, 10);
        addField(doc, 10, 40);
        const int third = addField(doc, 10, 70, "F2*2");
        CanvasFixture f(std::move(doc));
        f.click(20, 15);
        f.activate();
        QTest::keyClick(&f.view(), Qt::Key_Delete);
        QCOMPARE(f.doc.fields.highWater(), 2);
        QCOMPARE(f.doc.fields[2].fieldFormula, std::string("F1*2"));
        QCOMPARE(rectOf(f, ObjectKind::Field, 2).top, 70.0f);
        QCOMPARE(f.scene().objectCount(), 2);
        QCOMPARE(f.selection().kind, 0);
        // Undo and redo with the keys.
        QTest::keyClick(&f.view(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.doc.fields.highWater(), 3);
        QCOMPARE(f.doc.fields[third].fieldFormula, std::string("F2*2"));
        QCOMPARE(f.scene().objectCount(), 3);
        QTest::keyClick(&f.view(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(f.doc.fields.highWater(), 2);
        QTest::keyClick(&f.view(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&f.view(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.doc.fields.highWater(), 2);
        QVERIFY(f.editor->editCommands().undoAction()->isEnabled());
        QVERIFY(!f.editor->editCommands().redoAction()->isEnabled());
    }

    void undoGivesBackTheSelectionOfTheStep()
    {
        ProjectDocument doc;
        const int a = addObject<Square>(doc, 10, 10);
        const int b = addObject<Square>(doc, 300, 10);
        CanvasFixture f(std::move(doc));
        f.drag(20, 20, 40, 20);
        f.click(310, 20);
        QCOMPARE(f.selection().current(ObjectKind::Square), b);
        QVERIFY(f.design().undo());
        QCOMPARE(rectOf(f, ObjectKind::Square, a).left, 10.0f);
        QCOMPARE(f.selection().current(ObjectKind::Square), a);
        QVERIFY(f.scene().itemFor({ObjectKind::Square, a})->marked());
        QVERIFY(!f.scene().itemFor({ObjectKind::Square, b})->marked());
    }

    void objectsMoveToPagesAndOntoAllPages()
    {
        ProjectDocument doc;
        const int a = addObject<Square>(doc, 10, 10);
        const int b = addObject<Square>(doc, 200, 10);
        const int c = addObject<Square>(doc, 400, 10);
        CanvasFixture f(std::move(doc));
        f.click(20, 20);
        f.editor->pageCommands().moveToPage(3);
        QCOMPARE(int(f.doc.squares[a].page), 3);
        QCOMPARE(f.doc.currentPage, 3);
        QVERIFY(f.editor->canvas().pageTab(3)->isChecked());
        QVERIFY(f.scene().itemFor({ObjectKind::Square, a}) != nullptr);
        QVERIFY(f.scene().itemFor({ObjectKind::Square, b}) == nullptr);
        // Shown on all pages, it stays on every tab; back from all pages it takes the
        // page shown at that moment.
        QCheckBox* allPages = f.editor->panel().inputFlags().allPagesBox();
        QVERIFY(!allPages->isChecked());
        allPages->click();
        QCOMPARE(int(f.doc.squares[a].page), kAllPages);
        QVERIFY(allPages->isChecked());
        f.editor->canvas().pageTab(0)->click();
        QVERIFY(f.scene().itemFor({ObjectKind::Square, a}) != nullptr);
        f.click(20, 20);
        allPages->click();
        QCOMPARE(int(f.doc.squares[a].page), 0);
        // With the band shown, every object in it moves.
        f.editor->editCommands().selectAll();
        f.editor->pageCommands().moveToPage(4);
        QCOMPARE(int(f.doc.squares[b].page), 4);
        QCOMPARE(int(f.doc.squares[c].page), 4);
        QCOMPARE(f.scene().objectCount(), 3);
    }

    void inputFlagsAndTheOrderBox()
    {
        ProjectDocument doc;
        const int field = addField(doc, 10, 10);
        const int combo = addObject<Combo>(doc, 10, 60);
        const int square = addObject<Square>(doc, 300, 300);
        CanvasFixture f(std::move(doc));
        InputFlagsBox& flags = f.editor->panel().inputFlags();
        f.click(20, 15);
        QVERIFY(!flags.lockBox()->isHidden());
        flags.lockBox()->click();
        QCOMPARE(int(f.doc.fields[field].lockEnabled), 1);
        flags.noSearchBox()->click();
        QCOMPARE(int(f.doc.fields[field].noSearch), 1);
        // The order box takes digits only, typed as one step.
        QTest::keyClicks(flags.orderBox(), QStringLiteral("-1x2"));
        QTest::keyClick(flags.orderBox(), Qt::Key_Return);
        QCOMPARE(int(f.doc.fields[field].tabOrder), 12);
        QVERIFY(f.design().undo());
        QCOMPARE(int(f.doc.fields[field].tabOrder), 0);
        // A square has none of these: they are hidden.
        f.click(310, 310);
        QVERIFY(flags.lockBox()->isHidden());
        QVERIFY(flags.orderBox()->isHidden());
        // With an area selection the flag goes to every object that has it.
        f.editor->editCommands().selectAll();
        flags.chartBox()->click();
        QCOMPARE(int(f.doc.combos[combo].noChart), 1);
        Q_UNUSED(square);
    }

    void createTableFillsTheBandWithFields()
    {
        CanvasFixture f;
        f.useTool("Select an area of objects");
        f.drag(100, 100, 120, 170);
        QCOMPARE(f.selection().bandWidth, 20.0f);
        QVERIFY(f.editor->pageCommands().createTableMenu()->isEnabled());
        f.editor->pageCommands().createTable(3);
        QCOMPARE(f.selection().bandWidth, 36.0f);
        QVERIFY(f.doc.fields.highWater() >= 3);
        QCOMPARE(f.doc.fields[1].tag, std::string("Cell_1"));
        QCOMPARE(f.scene().objectCount(), f.doc.fields.highWater());
    }

    void theLinePropertiesWindowEditsTheChosenLine()
    {
        ProjectDocument doc;
        for (int i = 0; i < 2; ++i) {
            const int l = doc.lines.append();
            doc.lines[l].x1 = pixelsToTwips(10);
            doc.lines[l].y1 = pixelsToTwips(100 + 50 * i);
            doc.lines[l].x2 = pixelsToTwips(110);
            doc.lines[l].y2 = pixelsToTwips(100 + 50 * i);
        }
        CanvasFixture f(std::move(doc));
        f.click(50, 150); // line 1 on the canvas
        f.editor->pageCommands().editLines();
        LinePropertiesWindow* w = f.editor->pageCommands().lineWindow();
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Line Properties"));
        QCOMPARE(w->lineList()->count(), 2);
        QCOMPARE(w->currentLine(), 1);
        QCOMPARE(w->coordinateBox(2)->text(), QStringLiteral("110"));
        w->coordinateBox(2)->setFocus();
        w->coordinateBox(2)->selectAll();
        QTest::keyClicks(w->coordinateBox(2), QStringLiteral("140"));
        QTest::keyClick(w->coordinateBox(2), Qt::Key_Return);
        QCOMPARE(twipsToPixels(f.doc.lines[1].x2), 140.0f);
        QCOMPARE(f.scene().itemFor({ObjectKind::Line, 1})->objectRect().right(), 141.0);
        w->colourScroll()->setValue(10);
        w->colourCell(3)->click();
        QCOMPARE(f.doc.lines[1].borderColor, designerPalette()[13]);
        w->printBox()->click();
        QCOMPARE(int(f.doc.lines[1].lineState), 1);
        w->chooseLine(0);
        QCOMPARE(w->coordinateBox(1)->text(), QStringLiteral("100"));

        // A label in hand is put down before the window changes a line: undoing the colour
        // leaves the label.
        f.useTool("Label...");
        f.hover(200, 200);
        const int label = f.selection().current(ObjectKind::Title);
        w->colourCell(5)->click();
        QCOMPARE(f.selection().placementTool, kNoPlacement);
        QCOMPARE(f.doc.lines[0].borderColor, designerPalette()[15]);
        QVERIFY(f.editor->document().undo());
        QVERIFY(f.doc.lines[0].borderColor != designerPalette()[15]);
        QVERIFY(f.doc.titles.highWater() >= label && f.doc.titles[label].visible);
    }

    void theRightButtonSelectsAndOffersTheCommands()
    {
        ProjectDocument doc;
        const int s = addObject<Square>(doc, 10, 10);
        CanvasFixture f(std::move(doc));
        f.press(20, 20, Qt::RightButton);
        f.release(20, 20, Qt::RightButton);
        QCOMPARE(f.selection().kind, int(ObjectKind::Square));
        QCOMPARE(f.selection().current(ObjectKind::Square), s);
        QMenu* menu = f.window.findChild<QMenu*>(QStringLiteral("CanvasMenu"));
        QVERIFY(menu != nullptr);
        QStringList texts;
        for (QAction* action : menu->actions())
            texts.append(action->text());
        for (const char* text : {"Copy...", "Paste...", "Delete...", "Select All...",
                                 "Move to Page....", "Create Table...", "Edit Lines"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
        menu->close();
    }
};

QTEST_MAIN(EditCommandsTest)
#include "test_editcommands.moc"
