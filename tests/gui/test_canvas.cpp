#include "canvasfixture.h"

#include "canvas/captioneditor.h"
#include "canvas/objectitem.h"
#include "canvas/overlayitems.h"
#include "designer/canvasoperations.h"

#include <QLineEdit>
#include <QPushButton>

using namespace qv;
using namespace qv::gui;
using qv::test::addObject;
using qv::test::CanvasFixture;
using qv::test::rectOf;

namespace {

void snapTo(CanvasFixture& f, int grid)
{
    f.design().changeCanvasSettings([grid](CanvasSettings& c) {
        c.snap = true;
        chooseGrid(c, grid);
    });
}

} // namespace

// The pointer on the canvas: selecting, moving, resizing, snapping, lines, the band,
// nudging, zoom and the in-place label editor, checked in the document afterwards.
class CanvasTest : public QObject {
    Q_OBJECT

private slots:
    void surfaceStartsAtTheViewsCornerOnePixelPerPixel()
    {
        ProjectDocument doc;
        test::setPage(doc, 500, 300);
        CanvasFixture f(std::move(doc));
        QCOMPARE(f.at(0, 0), QPoint(0, 0));
        QCOMPARE(f.at(123, 45), QPoint(123, 45));
        QCOMPARE(f.scene().sceneRect(), QRectF(0, 0, 500, 300));
    }

    void releaseSnapsHalfToEven_data()
    {
        QTest::addColumn<int>("dropLeft");
        QTest::addColumn<int>("snappedLeft");
        QTest::newRow("15 goes up to 20") << 15 << 20;
        QTest::newRow("25 goes down to 20") << 25 << 20;
        QTest::newRow("34 goes to 30") << 34 << 30;
    }
    void releaseSnapsHalfToEven()
    {
        QFETCH(int, dropLeft);
        QFETCH(int, snappedLeft);
        ProjectDocument doc;
        const int p = addObject<Picture>(doc, 10, 10);
        CanvasFixture f(std::move(doc));
        snapTo(f, 10);
        f.drag(50, 50, 50 + dropLeft - 10, 50);
        QCOMPARE(rectOf(f, ObjectKind::Picture, p).left, float(snappedLeft));
        QCOMPARE(rectOf(f, ObjectKind::Picture, p).top, 10.0f);
        // The drag and its snap are one step.
        QVERIFY(f.design().undo());
        QCOMPARE(rectOf(f, ObjectKind::Picture, p).left, 10.0f);
        QVERIFY(!f.design().canUndo());
    }

    void aDraggedFieldKeepsItsFrameRoundIt()
    {
        ProjectDocument doc;
        const int field = addObject<Field>(doc, 30, 30);
        CanvasFixture f(std::move(doc));
        f.drag(40, 35, 47, 39); // the bottom of a field moves it
        const PixelRect box = rectOf(f, ObjectKind::Field, field);
        QCOMPARE(box.left, 37.0f);
        QCOMPARE(box.top, 34.0f);
        const PixelRect frame = frameRect(f.design().document().fields[field]);
        QCOMPARE(frame.left, box.left - 3);
        QCOMPARE(frame.top, box.top - 3);
        QCOMPARE(frame.width, box.width + 6);
        QCOMPARE(f.selection().kind, int(ObjectKind::Field));
    }

    void pointerZonesAlongTheRightAndBottomEdges_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("shape");
        // A picture at (10, 10), 100 x 100.
        QTest::newRow("3 pixels inside the right edge") << 107.0 << 50.0 << int(Qt::SizeHorCursor);
        QTest::newRow("5 pixels inside the right edge") << 105.0 << 50.0 << int(Qt::SizeAllCursor);
        QTest::newRow("3 pixels above the bottom") << 50.0 << 107.0 << int(Qt::SizeVerCursor);
        QTest::newRow("the corner") << 108.0 << 108.0 << int(Qt::SizeFDiagCursor);
        QTest::newRow("off the picture") << 300.0 << 300.0 << int(Qt::ArrowCursor);
    }
    void pointerZonesAlongTheRightAndBottomEdges()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(int, shape);
        ProjectDocument doc;
        addObject<Picture>(doc, 10, 10);
        CanvasFixture f(std::move(doc));
        f.hover(x, y);
        QCOMPARE(int(f.cursor()), shape);
    }

    void resizingHasItsMinimumAndFieldsGrowInWidthOnly()
    {
        ProjectDocument doc;
        const int p = addObject<Picture>(doc, 10, 10);
        const int field = addObject<Field>(doc, 200, 200);
        CanvasFixture f(std::move(doc));
        // Dragged to the left of the picture: 20 wide.
        f.drag(107, 50, 0, 60);
        QCOMPARE(rectOf(f, ObjectKind::Picture, p).width, 20.0f);
        QCOMPARE(rectOf(f, ObjectKind::Picture, p).height, 100.0f);
        QCOMPARE(rectOf(f, ObjectKind::Picture, p).left, 10.0f);
        // The corner of a field sizes its width alone.
        const PixelRect box = rectOf(f, ObjectKind::Field, field);
        f.hover(box.left + box.width - 2, box.top + box.height - 2);
        QCOMPARE(f.cursor(), Qt::SizeHorCursor);
        f.drag(box.left + box.width - 2, box.top + box.height - 2, 350, 260);
        QCOMPARE(rectOf(f, ObjectKind::Field, field).width, 150.0f);
        QCOMPARE(rectOf(f, ObjectKind::Field, field).height, box.height);
        QCOMPARE(frameRect(f.design().document().fields[field]).width, 156.0f);
    }

    void draggedOffTheTopLeftLeavesTheLayout()
    {
        ProjectDocument doc;
        addObject<Square>(doc, 10, 10);
        const int kept = addObject<Square>(doc, 300, 300);
        CanvasFixture f(std::move(doc));
        f.drag(20, 20, -150, 20, 6);
        QCOMPARE(f.doc.squares.highWater(), 0); // renumbered: the second is square 0 now
        QCOMPARE(rectOf(f, ObjectKind::Square, 0).left, 300.0f);
        QCOMPARE(f.scene().objectCount(), 1);
        Q_UNUSED(kept);
        // One step gives it back where it was.
        QVERIFY(f.design().undo());
        QCOMPARE(f.doc.squares.highWater(), 1);
        QCOMPARE(rectOf(f, ObjectKind::Square, 0).left, 10.0f);
        QCOMPARE(f.scene().objectCount(), 2);
    }

    void areaSelectionGoesByTheTopLeftCorner()
    {
        ProjectDocument doc;
        const int inside = addObject<Square>(doc, 100, 100); // mostly outside the band
        const int covering = addObject<Picture>(doc, 50, 50);
        tableOf<Picture>(doc)[covering].width = pixelsToTwips(300);
        tableOf<Picture>(doc)[covering].height = pixelsToTwips(300);
        CanvasFixture f(std::move(doc));
        f.useTool("Select an area of objects");
        QCOMPARE(f.selection().kind, kAreaSelectionCode);
        // Drawn from outside both objects, up and to the left.
        f.drag(400, 400, 90, 90);
        QVERIFY(f.selection().bandVisible);
        QCOMPARE(f.selection().multi, (std::vector<ObjectRef>{{ObjectKind::Square, inside}}));
        QVERIFY(f.scene().itemFor({ObjectKind::Square, inside})->marked());
        QVERIFY(!f.scene().itemFor({ObjectKind::Picture, covering})->marked());
        f.grab(QStringLiteral("canvas-band"));
        // A click makes a 10 x 10 band.
        f.click(500, 500);
        QCOMPARE(f.selection().bandWidth, 10.0f);
        QVERIFY(f.selection().multi.empty());
    }

    void aGroupMovesWithItsBandAsOneStep()
    {
        ProjectDocument doc;
        const int a = addObject<Square>(doc, 20, 20);
        const int l = doc.lines.append();
        doc.lines[l].x1 = pixelsToTwips(40);
        doc.lines[l].y1 = pixelsToTwips(200);
        doc.lines[l].x2 = pixelsToTwips(140);
        doc.lines[l].y2 = pixelsToTwips(200);
        CanvasFixture f(std::move(doc));
        f.editor->editCommands().selectAll();
        QCOMPARE(f.selection().multi.size(), size_t(2));
        f.drag(300, 300, 330, 310, 5);
        QCOMPARE(rectOf(f, ObjectKind::Square, a).left, 50.0f);
        QCOMPARE(rectOf(f, ObjectKind::Square, a).top, 30.0f);
        QCOMPARE(twipsToPixels(f.doc.lines[l].x2), 170.0f);
        QCOMPARE(f.selection().bandLeft, 30.0f);
        QVERIFY(f.design().undo());
        QCOMPARE(rectOf(f, ObjectKind::Square, a).left, 20.0f);
        QCOMPARE(twipsToPixels(f.doc.lines[l].x2), 140.0f);
        QCOMPARE(f.selection().bandLeft, 0.0f);
    }

    void arrowKeysNudgeWithinThePage()
    {
        ProjectDocument doc;
        test::setPage(doc, 200, 150);
        const int s = addObject<Square>(doc, 198, 1);
        CanvasFixture f(std::move(doc));
        f.click(199, 2);
        f.view().setFocus();
        for (int i = 0; i < 4; ++i)
            f.key(Qt::Key_Right);
        QCOMPARE(rectOf(f, ObjectKind::Square, s).left, 200.0f); // stops at the page width
        f.key(Qt::Key_Up);
        f.key(Qt::Key_Up);
        QCOMPARE(rectOf(f, ObjectKind::Square, s).top, 0.0f);
        // Ctrl alone copies nothing.
        QApplication::clipboard()->setText(QStringLiteral("kept"));
        f.key(Qt::Key_Control, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kept"));
    }

    void linesAreFoundByTheirStrokeAndDraggedByTheirEnds()
    {
        ProjectDocument doc;
        const int l = doc.lines.append();
        doc.lines[l].x1 = pixelsToTwips(20);
        doc.lines[l].y1 = pixelsToTwips(300);
        doc.lines[l].x2 = pixelsToTwips(120);
        doc.lines[l].y2 = pixelsToTwips(300);
        CanvasFixture f(std::move(doc));
        f.click(70, 305); // five pixels away: no line
        QCOMPARE(f.selection().kind, 0);
        f.click(70, 301);
        QCOMPARE(f.selection().kind, int(ObjectKind::Line));
        QVERIFY(f.scene().lineHandle(0).isVisible());
        QCOMPARE(f.scene().lineHandle(0).documentTopLeft(), QPointF(12, 292));
        QCOMPARE(f.scene().lineHandle(1).documentTopLeft(), QPointF(121, 301));
        f.grab(QStringLiteral("canvas-line-handles"));
        // Handle 1 dragged 10 right and 5 down: the second end follows.
        f.drag(124, 304, 134, 309);
        QCOMPARE(twipsToPixels(f.doc.lines[l].x2), 130.0f);
        QCOMPARE(twipsToPixels(f.doc.lines[l].y2), 305.0f);
        QCOMPARE(twipsToPixels(f.doc.lines[l].x1), 20.0f);
        QCOMPARE(f.scene().lineHandle(1).documentTopLeft(), QPointF(131, 306));
        // Snapped on release when snapping is on.
        snapTo(f, 20);
        f.drag(16, 296, 19, 296);
        QCOMPARE(twipsToPixels(f.doc.lines[l].x1), 20.0f);
        QCOMPARE(twipsToPixels(f.doc.lines[l].y1), 300.0f);
    }

    void zoomScalesTheViewAndNothingElse()
    {
        ProjectDocument doc;
        const int p = addObject<Picture>(doc, 30, 30);
        CanvasFixture f(std::move(doc));
        f.view().setZoom(200);
        QCOMPARE(f.at(10, 10), QPoint(20, 20));
        // A drag of 20 screen pixels is 10 document pixels.
        f.drag(60, 60, 70, 60);
        QCOMPARE(rectOf(f, ObjectKind::Picture, p).left, 40.0f);
        // Snapping happens in document pixels: 45 rounds half to even to 40.
        snapTo(f, 10);
        f.drag(60, 60, 65, 60);
        QCOMPARE(rectOf(f, ObjectKind::Picture, p).left, 40.0f);
        f.view().setZoom(25);
        QCOMPARE(f.view().zoom(), 25);
        f.view().setZoom(1000);
        QCOMPARE(f.view().zoom(), 400);
        f.view().zoomOut();
        QCOMPARE(f.view().zoom(), 300);
        QCOMPARE(f.editor->canvas().zoomBox()->currentText(), QStringLiteral("300 %"));
    }

    void aLabelIsEditedInPlace()
    {
        ProjectDocument doc;
        const int t = addObject<Title>(doc, 40, 40);
        doc.titles[t].caption = "Name";
        CanvasFixture f(std::move(doc));
        const QRectF shown = f.scene().shownRect({ObjectKind::Title, t});
        f.click(shown.center().x(), shown.center().y());
        f.send(QEvent::MouseButtonDblClick, shown.center().x(), shown.center().y(), Qt::LeftButton,
               Qt::LeftButton);
        CaptionEditor* editor = f.view().captionEditor();
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->text(), QStringLiteral("Name"));
        QVERIFY(editor->geometry().intersects(f.view().mapFromScene(shown).boundingRect()));
        editor->setText(QStringLiteral("Customer, first"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(f.doc.titles[t].caption, std::string("Customer, first"));
        QVERIFY(f.view().captionEditor() == nullptr);
        QVERIFY(f.design().undo());
        QCOMPARE(f.doc.titles[t].caption, std::string("Name"));
        // Escape keeps the caption as it was.
        f.send(QEvent::MouseButtonDblClick, shown.center().x(), shown.center().y(), Qt::LeftButton,
               Qt::LeftButton);
        f.view().captionEditor()->setText(QStringLiteral("dropped"));
        QTest::keyClick(f.view().captionEditor(), Qt::Key_Escape);
        QCOMPARE(f.doc.titles[t].caption, std::string("Name"));
    }

    void thePropertyArrowSitsAtTheRightEdgeAndNamesTheDialog()
    {
        ProjectDocument doc;
        const int field = addObject<Field>(doc, 30, 30);
        CanvasFixture f(std::move(doc));
        f.click(40, 35);
        const PropertyArrowItem& arrow = f.scene().arrow();
        QVERIFY(arrow.isVisible());
        const PixelRect box = rectOf(f, ObjectKind::Field, field);
        QCOMPARE(arrow.pos(), QPointF(box.left + box.width, box.top + box.height / 2));
        f.grab(QStringLiteral("canvas-selection"));
        f.click(box.left + box.width + 4, box.top + box.height / 2);
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages.first().contains(QStringLiteral("\"Field\"")));
        QCOMPARE(f.selection().kind, int(ObjectKind::Field)); // still selected
    }

    void linkLabelsLightUpUnlessLocked()
    {
        ProjectDocument doc;
        const int link = addObject<Title>(doc, 40, 40);
        doc.titles[link].caption = "Web site";
        doc.titles[link].tag = "http://example.org";
        const int plain = addObject<Title>(doc, 40, 100);
        doc.titles[plain].caption = "Plain";
        CanvasFixture f(std::move(doc));
        const QRectF linkRect = f.scene().shownRect({ObjectKind::Title, link});
        f.hover(linkRect.center().x(), linkRect.center().y());
        QCOMPARE(f.scene().hoverTitle(), link);
        const QRectF plainRect = f.scene().shownRect({ObjectKind::Title, plain});
        f.hover(plainRect.center().x(), plainRect.center().y());
        QCOMPARE(f.scene().hoverTitle(), -1);
        f.editor->toolbox().toggleLock();
        f.hover(linkRect.center().x(), linkRect.center().y());
        QCOMPARE(f.scene().hoverTitle(), -1);
        // A locked canvas leaves objects where they are.
        f.drag(linkRect.center().x(), linkRect.center().y(), 300, 300);
        QCOMPARE(rectOf(f, ObjectKind::Title, link).left, 40.0f);
    }

    void eachPageKeepsItsSceneUntilAnotherDocumentComes()
    {
        ProjectDocument doc;
        addObject<Square>(doc, 10, 10, 0);
        addObject<Square>(doc, 10, 10, 1);
        addObject<Square>(doc, 10, 10, kAllPages);
        CanvasFixture f(std::move(doc));
        DesignScene* first = &f.scene();
        QCOMPARE(first->objectCount(), 2);
        f.editor->canvas().pageTab(1)->click();
        QVERIFY(&f.scene() != first);
        QCOMPARE(f.scene().objectCount(), 2);
        // An edit on a page not shown reaches that page's scene.
        f.design().run([](Designer& d) { moveObject(d, {ObjectKind::Square, 0}, 5, 0); });
        f.editor->canvas().pageTab(0)->click();
        QCOMPARE(&f.scene(), first);
        QCOMPARE(first->itemFor({ObjectKind::Square, 0})->objectRect().left(), 15.0);
        // Another document: the page shown is drawn anew from it.
        ProjectDocument other;
        addObject<Title>(other, 50, 50, 0);
        f.doc = std::move(other);
        f.design().documentReplaced();
        QCOMPARE(f.scene().objectCount(), 1);
        QVERIFY(f.scene().itemFor({ObjectKind::Title, 1}) != nullptr);
        f.editor->canvas().pageTab(1)->click();
        QCOMPARE(f.scene().objectCount(), 0);
    }

    void theViewDrawsEachObjectWhole()
    {
        ProjectDocument doc;
        const int c = addObject<Combo>(doc, 20, 20);
        doc.combos[c].listItems = {"Post"};
        const int b = addObject<Button>(doc, 20, 80);
        doc.buttons[b].backColor = 0x0000FF; // red
        doc.buttons[b].caption = "";
        CanvasFixture f(std::move(doc));
        const QImage image = f.viewport()->grab().toImage();
        // The combo's drop-down arrow, black, at its right end.
        const PixelRect combo = rectOf(f, ObjectKind::Combo, c);
        int dark = 0;
        for (int x = int(combo.left + combo.width - 16); x < int(combo.left + combo.width); ++x)
            for (int y = int(combo.top); y < int(combo.top + combo.height); ++y)
                dark += qGray(image.pixel(f.at(x, y))) < 40 ? 1 : 0;
        QVERIFY(dark > 3);
        // The button in its colour.
        const PixelRect button = rectOf(f, ObjectKind::Button, b);
        const QColor middle =
            image.pixelColor(f.at(button.left + button.width / 2, button.top + button.height / 2));
        QVERIFY2(middle.red() > 150 && middle.blue() < 120, qPrintable(middle.name()));
    }

    void onlyTheTouchedItemsChangeOnAMove()
    {
        ProjectDocument doc;
        addObject<Square>(doc, 10, 10);
        addObject<Square>(doc, 200, 10);
        CanvasFixture f(std::move(doc));
        ObjectItem* before = f.scene().itemFor({ObjectKind::Square, 1});
        f.drag(20, 20, 30, 30);
        QCOMPARE(f.scene().itemFor({ObjectKind::Square, 1}), before);
        QCOMPARE(f.scene().itemFor({ObjectKind::Square, 0})->objectRect().left(), 20.0);
    }
};

QTEST_MAIN(CanvasTest)
#include "test_canvas.moc"
