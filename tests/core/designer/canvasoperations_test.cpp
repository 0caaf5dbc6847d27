#include "designer/canvasoperations.h"

#include "designer/designerfixture.h"

namespace qv {
namespace {

using test::addField;
using test::addObject;

TEST(SnapTest, RoundsHalfToEven)
{
    struct Case {
        double value, step;
        int expected;
    } cases[] = {{15, 10, 20}, {25, 10, 20}, {35, 10, 40}, {14, 10, 10},       {-15, 10, -20},
                 {12, 24, 0},  {36, 24, 48}, {7.5, 5, 10}, {100000, 10, 32767}};
    for (const Case& c : cases)
        EXPECT_EQ(snapCoordinate(c.value, c.step), c.expected) << c.value << " / " << c.step;
}

TEST(ResizeZoneTest, FourPixelsAlongRightAndBottom)
{
    EXPECT_EQ(resizeZoneAt(97, 10, 100, 50), ResizeZone::Right); // 3 inside the edge
    EXPECT_EQ(resizeZoneAt(95, 10, 100, 50), ResizeZone::Move);  // 5 inside
    EXPECT_EQ(resizeZoneAt(10, 47, 100, 50), ResizeZone::Bottom);
    EXPECT_EQ(resizeZoneAt(97, 47, 100, 50), ResizeZone::Corner);
}

TEST(CanvasTest, FieldFrameFollowsTheTextBox)
{
    ProjectDocument doc;
    addField(doc, 40, 30);
    Designer d(doc);
    moveObject(d, {ObjectKind::Field, 1}, 12, -5);
    const PixelRect box = objectRect(doc, {ObjectKind::Field, 1});
    const PixelRect frame = frameRect(doc.fields[1]);
    EXPECT_FLOAT_EQ(frame.left, box.left - 3);
    EXPECT_FLOAT_EQ(frame.top, box.top - 3);
    EXPECT_FLOAT_EQ(frame.width, box.width + 6);
    EXPECT_FLOAT_EQ(box.left, 52);
    EXPECT_FLOAT_EQ(box.top, 25);
}

TEST(CanvasTest, ResizingHasAMinimumAndFieldsGrowInWidthOnly)
{
    ProjectDocument doc;
    const int p = addObject<Picture>(doc, 10, 10);
    addField(doc, 10, 10);
    Designer d(doc);
    resizeObject(d, {ObjectKind::Picture, p}, ResizeZone::Right, -30, 5);
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Picture, p}).width, 20);
    resizeObject(d, {ObjectKind::Picture, p}, ResizeZone::Corner, 70, 5);
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Picture, p}).height, 20);
    const float height = objectRect(doc, {ObjectKind::Field, 1}).height;
    resizeObject(d, {ObjectKind::Field, 1}, ResizeZone::Corner, 150, 90);
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Field, 1}).width, 150);
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Field, 1}).height, height);
}

TEST(CanvasTest, ReleaseSnapsOrDropsAnObjectOffTheEdge)
{
    ProjectDocument doc;
    const int a = addObject<Square>(doc, 15, 25);
    const int b = addObject<Square>(doc, 10, 10);
    Designer d(doc);
    d.canvas().snap = true;
    releaseObject(d, {ObjectKind::Square, a});
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Square, a}).left, 20);
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Square, a}).top, 20);
    moveObject(d, {ObjectKind::Square, b}, -200, 0);
    releaseObject(d, {ObjectKind::Square, b});
    EXPECT_EQ(doc.squares.highWater(), 0);
    d.undo(); // the delete
    d.undo(); // the drag
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Square, b}).left, 10);
}

TEST(CanvasTest, AreaSelectionGoesByTheTopLeftCorner)
{
    ProjectDocument doc;
    const int inside = addObject<Square>(doc, 90, 90);   // reaches far outside
    const int covering = addObject<Square>(doc, 40, 40); // starts left of the band
    doc.squares[covering].width = pixelsToTwips(300);
    doc.squares[covering].height = pixelsToTwips(300);
    const int edge = addObject<Picture>(doc, 150, 150); // on the edge: inclusive
    addObject<Picture>(doc, 100, 100, 1);               // another page
    Designer d(doc);
    SelectionState& s = d.selection();
    s.bandLeft = 50;
    s.bandTop = 50;
    s.bandWidth = 100;
    s.bandHeight = 100;
    finishAreaSelection(d);
    const std::vector<ObjectRef> expected = {{ObjectKind::Picture, edge},
                                             {ObjectKind::Square, inside}};
    EXPECT_EQ(s.multi, expected);
    s.bandWidth = 2; // a click makes a 10 x 10 band
    s.bandHeight = 2;
    s.bandLeft = 85;
    s.bandTop = 85;
    finishAreaSelection(d);
    EXPECT_EQ(s.multi, (std::vector<ObjectRef>{{ObjectKind::Square, inside}}));
}

TEST(CanvasTest, ArrowKeysStopAtTheCanvasEdges)
{
    ProjectDocument doc;
    const int s = addObject<Square>(doc, 0, 0);
    test::setPage(doc, 2, 600);
    Designer d(doc);
    d.selection().select({ObjectKind::Square, s});
    EXPECT_FALSE(nudgeSelection(d, NudgeKey::Left));
    EXPECT_FALSE(nudgeSelection(d, NudgeKey::Up));
    EXPECT_TRUE(nudgeSelection(d, NudgeKey::Right));
    EXPECT_TRUE(nudgeSelection(d, NudgeKey::Right));
    EXPECT_FALSE(nudgeSelection(d, NudgeKey::Right));
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Square, s}).left, 2);
}

TEST(CanvasTest, LinesAreHitAndTheirEndsDragged)
{
    ProjectDocument doc;
    const int l = doc.lines.append();
    doc.lines[l].x1 = pixelsToTwips(10);
    doc.lines[l].y1 = pixelsToTwips(10);
    doc.lines[l].x2 = pixelsToTwips(110);
    doc.lines[l].y2 = pixelsToTwips(10);
    Designer d(doc);
    EXPECT_TRUE(selectLineAt(d, 60, 11));
    EXPECT_FALSE(lineAt(doc, 60, 20));
    const LineHandles h = lineHandles(doc.lines[l]);
    EXPECT_FLOAT_EQ(h.left0, 2);
    EXPECT_FLOAT_EQ(h.left1, 111);
    dragLineEnd(d, l, 1, 4, 13);
    d.canvas().snap = true;
    releaseLineEnd(d, l, 1);
    EXPECT_FLOAT_EQ(twipsToPixels(doc.lines[l].x2), 110);
    EXPECT_FLOAT_EQ(twipsToPixels(doc.lines[l].y2), 20);
    EXPECT_EQ(rightPlaceLine(doc.lines[l], MeasureUnit::Pixels, 10).boxes[2], "110");
}

TEST(CanvasTest, RightPlaceAndHoverColour)
{
    const RightPlaceValues v = rightPlace({96, 48, 24, 20}, MeasureUnit::Inches, 10);
    EXPECT_EQ(v.boxes[0], "1");
    EXPECT_EQ(v.boxes[1], "0.5");
    EXPECT_EQ(v.boxes[2], "0.25");
    EXPECT_EQ(v.boxes[3], "0.2083333");
    EXPECT_FLOAT_EQ(v.arrowLeft, 120);
    EXPECT_FLOAT_EQ(v.arrowTop, 53);
    EXPECT_EQ(hoverColour(0x000000), 0x7D7D7D);
    EXPECT_EQ(hoverColour(0xFF0080), 0xFC7DBD);
}

TEST(CanvasTest, TheClockShowsOnlyOverAFreeClockLabel)
{
    struct Case {
        const char* caption;
        bool clock;
    } cases[] = {{"", true},      {"3:30pm", true},  {"12:05am", true}, {"Customer", false},
                 {"3:30", false}, {"13:5pm", false}, {"a:30pm", false}, {"3:30pmx", false}};
    for (const Case& c : cases)
        EXPECT_EQ(isClockCaption(c.caption), c.clock) << c.caption;
    EXPECT_TRUE(isClockCaption(clockCaption(23, 59)));
}

} // namespace
} // namespace qv
