#include "designer/panelview.h"

#include "designer/canvasoperations.h"
#include "designer/pageoperations.h"
#include "designer/panelvalues.h"

#include "designer/designerfixture.h"

#include <functional>

namespace qv {
namespace {

using test::addField;
using test::addObject;

// One object of every kind, each at (40, 40).
std::vector<ObjectRef> oneOfEachKind(ProjectDocument& doc)
{
    std::vector<ObjectRef> refs;
    forEachKindType([&](auto tag) {
        using T = decltype(tag);
        refs.push_back({KindOf<T>::value, addObject<T>(doc, 40, 40)});
    });
    return refs;
}

// The panel shows a control exactly for the kinds its setter writes to: a shown control
// always does something, and no kind loses a property it has.
TEST(PanelViewTest, ControlsShowExactlyWhereTheirSettersWrite)
{
    struct Setter {
        PanelControl control;
        std::function<void(Designer&)> apply;
    };
    const Setter setters[] = {
        {PanelControl::FontName, [](Designer& d) { setFontName(d, "Courier"); }},
        {PanelControl::FontSize, [](Designer& d) { applyFontSize(d, "14"); }},
        {PanelControl::Bold, [](Designer& d) { setFontBold(d, true); }},
        {PanelControl::Italic, [](Designer& d) { setFontItalic(d, true); }},
        {PanelControl::Underline, [](Designer& d) { setFontUnderline(d, true); }},
        {PanelControl::Alignment, [](Designer& d) { setAlignment(d, 2); }},
        {PanelControl::PrintFlag, [](Designer& d) { setPrintFlag(d, true); }},
        {PanelControl::AllPages, [](Designer& d) { toggleAllPages(d); }},
        {PanelControl::LockEnabled,
         [](Designer& d) { setInputFlag(d, InputFlag::LockEnabled, 1); }},
        {PanelControl::NoSearch, [](Designer& d) { setInputFlag(d, InputFlag::NoSearch, 1); }},
        {PanelControl::NoChart, [](Designer& d) { setInputFlag(d, InputFlag::NoChart, 1); }},
        {PanelControl::OrderNumber, [](Designer& d) { setOrderNumber(d, "7"); }},
        {PanelControl::FieldLabel, [](Designer& d) { setFieldLabel(d, "Name"); }},
        {PanelControl::FieldLength, [](Designer& d) { setFieldLength(d, "9"); }},
        {PanelControl::FrameStyle, [](Designer& d) { setFrameStyle(d, 4); }},
        {PanelControl::TextColour, [](Designer& d) { applyColour(d, kTextColourTarget, 255); }},
        {PanelControl::BackColour, [](Designer& d) { applyColour(d, kBackColourTarget, 255); }},
        {PanelControl::BorderColour, [](Designer& d) { applyColour(d, kBorderColourTarget, 255); }},
    };
    ASSERT_EQ(std::size(setters), kPanelControlCount);
    ProjectDocument doc;
    const std::vector<ObjectRef> refs = oneOfEachKind(doc);
    Designer d(doc);
    for (const ObjectRef& ref : refs) {
        d.selection().select(ref);
        const PanelView view = panelView(doc, d.selection());
        for (const Setter& s : setters) {
            SCOPED_TRACE(std::string(kindName(ref.kind)) + " control " +
                         std::to_string(static_cast<int>(s.control)));
            doc.modified = 0;
            const size_t steps = d.undoStack().size();
            s.apply(d);
            const bool wrote = d.undoStack().size() > steps;
            EXPECT_EQ(wrote, controlApplies(s.control, ref.kind));
            EXPECT_EQ(view.has(s.control), controlApplies(s.control, ref.kind));
            EXPECT_EQ(doc.modified != 0, wrote);
        }
    }
}

TEST(PanelViewTest, AnAreaSelectionShowsWhatAnyOfItsObjectsHas)
{
    ProjectDocument doc;
    const int t1 = addObject<Title>(doc, 10, 10);
    const int t2 = addObject<Title>(doc, 10, 40);
    addObject<Line>(doc, 10, 80);
    doc.titles[t2].fontBold = true;
    doc.titles[t1].fontName = "Courier";
    doc.titles[t2].fontName = "Courier";
    Designer d(doc);
    selectAll(d);
    PanelView view = panelView(doc, d.selection());
    EXPECT_TRUE(view.area);
    EXPECT_FALSE(view.single);
    EXPECT_TRUE(view.has(PanelControl::Bold));
    EXPECT_TRUE(view.has(PanelControl::Underline));
    EXPECT_TRUE(view.has(PanelControl::BorderColour)); // the line's
    EXPECT_FALSE(view.has(PanelControl::FieldLength));
    // One object's controls stay with one object.
    EXPECT_FALSE(view.has(PanelControl::AllPages));
    EXPECT_FALSE(view.has(PanelControl::OrderNumber));
    EXPECT_FALSE(view.has(PanelControl::FieldLabel));
    EXPECT_TRUE(view.isMixed(PanelControl::Bold));
    EXPECT_FALSE(view.isMixed(PanelControl::FontName));
    EXPECT_EQ(*view.values.fontName, "Courier");
    EXPECT_FALSE(*view.values.bold); // the first title's
    // The boxes show the band; typing places shapes and buttons only, and there are none.
    const SelectionState& s = d.selection();
    EXPECT_EQ(view.position,
              (std::array<float, 4>{s.bandLeft, s.bandTop, s.bandWidth, s.bandHeight}));
    EXPECT_EQ(view.positionEditable, (std::array<bool, 4>{false, false, false, false}));
    addObject<Square>(doc, 100, 100);
    selectAll(d);
    view = panelView(doc, d.selection());
    EXPECT_EQ(view.positionEditable, (std::array<bool, 4>{true, true, true, true}));
    // The field label is one field's name.
    EXPECT_FALSE(setFieldLabel(d, "Same"));
}

TEST(PanelViewTest, PositionBoxesShowWhatTheyPlace)
{
    ProjectDocument doc;
    const int f = addField(doc, 20, 30);
    const int c = addObject<Combo>(doc, 20, 60);
    const int l = addObject<Line>(doc, 5, 6);
    doc.lines[l].x2 = pixelsToTwips(50);
    doc.lines[l].y2 = pixelsToTwips(70);
    const int t = addObject<Title>(doc, 8, 9);
    const int p = addObject<Picture>(doc, 1, 2);
    Designer d(doc);
    struct Case {
        ObjectRef ref;
        std::array<float, 4> position;
        std::array<bool, 4> editable;
        bool measured;
    } cases[] = {
        // The frame lies 3 out of the text box; a field's height follows its font.
        {{ObjectKind::Field, f}, {17, 27, 106, 25}, {true, true, true, false}, false},
        // A combo with the thin frame style sits 1 in and is 2 narrower.
        {{ObjectKind::Combo, c}, {19, 59, 102, 23}, {true, true, true, false}, false},
        {{ObjectKind::Line, l}, {5, 6, 50, 70}, {true, true, true, true}, false},
        {{ObjectKind::Title, t}, {8, 9, 0, 0}, {true, true, false, false}, true},
        {{ObjectKind::Picture, p}, {1, 2, 100, 100}, {true, true, true, true}, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(kindName(k.ref.kind)));
        d.selection().select(k.ref);
        const PanelView view = panelView(doc, d.selection());
        ASSERT_TRUE(view.positionShown);
        EXPECT_EQ(view.position, k.position);
        EXPECT_EQ(view.positionEditable, k.editable);
        EXPECT_EQ(view.measuredSize, k.measured);
    }
    // Typing back what a box shows leaves the object where it is.
    d.selection().select({ObjectKind::Field, f});
    applyPositionBox(d, PositionBox::Left, "17");
    applyPositionBox(d, PositionBox::Width, "106");
    EXPECT_EQ(panelView(doc, d.selection()).position[0], 17);
    EXPECT_EQ(panelView(doc, d.selection()).position[2], 106);
    // Nothing selected, or a deleted object: the panel shows nothing.
    d.selection() = SelectionState{};
    EXPECT_FALSE(panelView(doc, d.selection()).positionShown);
    EXPECT_TRUE(panelView(doc, d.selection()).shown.none());
}

} // namespace
} // namespace qv
