#include "canvasfixture.h"

#include "canvas/objectitem.h"
#include "canvas/overlayitems.h"

#include <QAccessible>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

using namespace qv;
using namespace qv::gui;
using qv::test::addObject;
using qv::test::CanvasFixture;
using qv::test::rectOf;

// The toolbox and the menu commands that place objects: names a screen reader reads,
// limits, placement that follows the pointer, drawing, and each creation as one step.
class ToolboxTest : public QObject {
    Q_OBJECT

private slots:
    void buttonsAndTabsCarryTheirTextsAsAccessibleNames()
    {
        CanvasFixture f;
        const QStringList tips = {QStringLiteral("Label..."),
                                  QStringLiteral("Field Text Box"),
                                  QStringLiteral("Field Memo Box..."),
                                  QStringLiteral("Field Combo Box..."),
                                  QStringLiteral("Add Picture..."),
                                  QStringLiteral("Draw Lines..."),
                                  QStringLiteral("Fiel Email Box..."),
                                  QStringLiteral("Field Check / Option Box..."),
                                  QStringLiteral("Draw Shapes..."),
                                  QStringLiteral("Control Button..."),
                                  QStringLiteral("Exported Web Scripts..."),
                                  QStringLiteral("Select an area of objects"),
                                  QStringLiteral("Lock Controls...")};
        QStringList named;
        for (QToolButton* button : f.editor->toolbox().findChildren<QToolButton*>()) {
            if (!button->isVisible())
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
            QVERIFY(a != nullptr);
            named.append(a->text(QAccessible::Name));
            QCOMPARE(a->text(QAccessible::Name), button->toolTip());
        }
        for (const QString& tip : tips)
            QVERIFY2(named.contains(tip), qPrintable(tip));
        for (int page = 0; page < kPageCount; ++page) {
            QPushButton* tab = f.editor->canvas().pageTab(page);
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(tab);
            QCOMPARE(a->text(QAccessible::Name),
                     QStringLiteral("Page ") + QString::number(page + 1));
        }
    }

    void theFirstLabelFollowsThePointerAndIsIndexSix()
    {
        CanvasFixture f;
        f.useTool("Label...");
        QCOMPARE(f.selection().placementTool, 6);
        f.hover(100, 80);
        const int index = f.selection().current(ObjectKind::Title);
        QCOMPARE(index, 6);
        QCOMPARE(rectOf(f, ObjectKind::Title, index).left, 102.0f);
        QCOMPARE(rectOf(f, ObjectKind::Title, index).top, 82.0f);
        QCOMPARE(f.doc.titles[index].caption, f.language.text(27));
        f.grab(QStringLiteral("toolbox-placement"));
        f.click(150, 120);
        QCOMPARE(rectOf(f, ObjectKind::Title, index).left, 150.0f);
        QCOMPARE(f.selection().placementTool, kNoPlacement);
        f.hover(300, 300); // placed: it no longer follows
        QCOMPARE(rectOf(f, ObjectKind::Title, index).left, 150.0f);
        // Creating and placing is one step; undoing it leaves no labels.
        QVERIFY(f.design().undo());
        QCOMPARE(f.doc.titles.highWater(), 0);
        QVERIFY(f.scene().itemFor({ObjectKind::Title, index}) == nullptr);
        QVERIFY(f.design().redo());
        QCOMPARE(rectOf(f, ObjectKind::Title, index).left, 150.0f);
        QVERIFY(f.scene().itemFor({ObjectKind::Title, index}) != nullptr);
    }

    void placementSnapsThePointer()
    {
        CanvasFixture f;
        f.design().changeCanvasSettings([](CanvasSettings& c) {
            c.snap = true;
            chooseGrid(c, 10);
        });
        f.useTool("Control Button...");
        f.hover(33, 47);
        const int b = f.selection().current(ObjectKind::Button);
        QCOMPARE(rectOf(f, ObjectKind::Button, b).left, 32.0f);
        QCOMPARE(rectOf(f, ObjectKind::Button, b).top, 52.0f);
        f.click(36, 44);
        QCOMPARE(rectOf(f, ObjectKind::Button, b).left, 40.0f);
        QCOMPARE(rectOf(f, ObjectKind::Button, b).top, 40.0f);
        QCOMPARE(f.doc.buttons[b].caption, std::string("Button"));
    }

    void aFullKindIsRefusedWithItsMessage()
    {
        ProjectDocument doc;
        while (!doc.fields.full())
            doc.fields.append();
        CanvasFixture f(std::move(doc));
        f.useTool("Field Text Box");
        QCOMPARE(f.doc.fields.highWater(), 2000);
        QCOMPARE(f.messages, QStringList{QString::fromStdString(f.language.text(68))});
        QCOMPARE(f.selection().placementTool, kNoPlacement);
        QVERIFY(!f.design().canUndo());
    }

    void aNewFieldTakesThePreviousFieldsColours()
    {
        ProjectDocument doc;
        const int first = addObject<Field>(doc, 10, 10);
        doc.fields[first].foreColor = 0x0000FF;
        doc.fields[first].backColor = 0xCCFFFF;
        doc.fields[first].frameBorderColor = 0x808000;
        CanvasFixture f(std::move(doc));
        f.useTool("Field Text Box");
        f.click(200, 200);
        const Field& added = f.doc.fields[2];
        QCOMPARE(added.foreColor, 0x0000FF);
        QCOMPARE(added.backColor, 0xCCFFFF);
        QCOMPARE(added.frameBorderColor, 0x808000);
        QCOMPARE(added.tag, std::string("Field2"));
        QCOMPARE(added.printon, int16_t(1));
        // The text box sits 3 pixels inside its frame at the pointer.
        QCOMPARE(rectOf(f, ObjectKind::Field, 2).left, 203.0f);
    }

    void aNewObjectGoesOnThePageShown()
    {
        CanvasFixture f;
        f.editor->canvas().pageTab(2)->click();
        QCOMPARE(f.doc.currentPage, 2);
        f.useTool("Field Check / Option Box...");
        f.click(60, 60);
        const int c = f.selection().current(ObjectKind::Checkbox);
        QCOMPARE(int(f.doc.checkboxes[c].page), 2);
        QVERIFY(f.scene().itemFor({ObjectKind::Checkbox, c}) != nullptr);
        f.editor->canvas().pageTab(0)->click();
        QVERIFY(f.scene().itemFor({ObjectKind::Checkbox, c}) == nullptr);
    }

    void shapesAndLinesAreDrawn()
    {
        CanvasFixture f;
        // A click without a drag gives a 10 x 10 shape.
        f.useTool("Draw Shapes...");
        f.click(50, 60);
        const PixelRect clicked = rectOf(f, ObjectKind::Square, 0);
        QCOMPARE(clicked.left, 50.0f);
        QCOMPARE(clicked.top, 60.0f);
        QCOMPARE(clicked.width, 10.0f);
        QCOMPARE(clicked.height, 10.0f);
        QCOMPARE(f.selection().placementTool, kNoPlacement);
        // Dragged up and to the left, the shape spans from the pointer to where it began.
        f.useTool("Draw Shapes...");
        f.drag(300, 300, 240, 270);
        const PixelRect drawn = rectOf(f, ObjectKind::Square, 1);
        QCOMPARE(drawn.left, 240.0f);
        QCOMPARE(drawn.top, 270.0f);
        QCOMPARE(drawn.width, 60.0f);
        QCOMPARE(drawn.height, 30.0f);
        // A line drawn right to left is stored left to right; its handles show.
        f.useTool("Draw Lines...");
        f.drag(400, 100, 320, 140);
        const Line& line = f.doc.lines[0];
        QCOMPARE(twipsToPixels(line.x1), 320.0f);
        QCOMPARE(twipsToPixels(line.y1), 140.0f);
        QCOMPARE(twipsToPixels(line.x2), 400.0f);
        QVERIFY(f.scene().lineHandle(1).isVisible());
        QCOMPARE(f.scene().lineHandle(1).documentTopLeft(), QPointF(401, 101));
        // Each drawing is one step.
        QVERIFY(f.design().undo());
        QCOMPARE(f.doc.lines.highWater(), -1);
        QVERIFY(f.design().undo());
        QCOMPARE(f.doc.squares.highWater(), 0);
    }

    void onlyOneEmailField()
    {
        CanvasFixture f;
        f.useTool("Fiel Email Box...");
        f.click(40, 40);
        QCOMPARE(int(f.doc.settings.emailFieldBoxIndex), 1);
        f.useTool("Fiel Email Box...");
        QCOMPARE(f.messages,
                 QStringList{QStringLiteral("The mail field box has already been placed")});
        QCOMPARE(f.doc.fields.highWater(), 1);
    }

    void escapeTakesBackTheObjectBeingPlaced()
    {
        CanvasFixture f;
        f.useTool("Field Memo Box...");
        f.hover(90, 90);
        QCOMPARE(f.doc.notes.highWater(), 1);
        f.view().setFocus();
        f.key(Qt::Key_Escape);
        QCOMPARE(f.doc.notes.highWater(), 0);
        QCOMPARE(f.selection().placementTool, kNoPlacement);
        QCOMPARE(f.scene().objectCount(), 0);
    }

    void lockingHidesTheToolsAndSwapsTheLockButtons()
    {
        CanvasFixture f;
        Toolbox& box = f.editor->toolbox();
        QAction* lock = box.actionFor(QStringLiteral("Lock Controls..."));
        QAction* unlock = box.actionFor(QStringLiteral("Unlock Controls..."));
        QVERIFY(lock->isVisible() && !unlock->isVisible());
        lock->trigger();
        QVERIFY(f.selection().locked);
        QVERIFY(!lock->isVisible() && unlock->isVisible());
        QVERIFY(!box.actionFor(QStringLiteral("Label..."))->isVisible());
        QVERIFY(!box.actionFor(QStringLiteral("Select an area of objects"))->isVisible());
        unlock->trigger();
        QVERIFY(!f.selection().locked);
        QVERIFY(box.actionFor(QStringLiteral("Label..."))->isVisible());
    }

    void theAreaToolEntersAndLeavesAreaSelection()
    {
        CanvasFixture f;
        QAction* tool = f.editor->toolbox().actionFor(QStringLiteral("Select an area of objects"));
        tool->trigger();
        QCOMPARE(f.selection().kind, kAreaSelectionCode);
        QVERIFY(tool->isChecked());
        f.hover(300, 300);
        QCOMPARE(f.cursor(), Qt::CrossCursor);
        tool->trigger();
        QCOMPARE(f.selection().kind, 0);
        QVERIFY(!tool->isChecked());
    }

    void menuCommandsPlaceTheSpecialObjects()
    {
        CanvasFixture f;
        InsertCommands& insert = f.editor->insertCommands();
        insert.placeRecordId();
        f.click(100, 30);
        QCOMPARE(f.doc.titles[5].caption, std::string("0000000001"));
        QVERIFY(f.doc.titles[5].visible);
        QCOMPARE(rectOf(f, ObjectKind::Title, 5).left, 100.0f);
        // The date menus show today's date in their five formats.
        QMenu* stamp = insert.dateStampMenu();
        emit stamp->aboutToShow();
        QCOMPARE(stamp->actions().size(), 5);
        stamp->actions().at(4)->trigger();
        f.click(100, 60);
        QCOMPARE(QString::fromStdString(f.doc.titles[4].caption),
                 QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
        QCOMPARE(int(f.doc.settings.dateStampFormat), 4);
        insert.placeDocumentBox();
        f.click(100, 100);
        QCOMPARE(f.doc.notes[1].maxLength, 10000);
        QCOMPARE(f.doc.notes[1].tag, std::string("MemoField1"));
        QVERIFY(f.scene().itemFor({ObjectKind::Notes, 1}) != nullptr);
    }
};

QTEST_MAIN(ToolboxTest)
#include "test_toolbox.moc"
