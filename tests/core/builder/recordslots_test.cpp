// The check box and button records of a built application's data block hold their slots in
// the order of the project file's records: the builder copies them without reordering.
#include "builder/appdatabuilder.h"
#include "builder/appdatalayout.h"
#include "document/objectlayouts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv {
namespace {

// Notes every slot a record walks, as its type and value, in order. Texts are texts
// whether the record stores them as Str (project file) or KeyStr (data block).
class SlotRecorder {
public:
    static constexpr bool kReading = false;
    std::vector<std::string> slots;

    void setContext(const std::string&) {}
    void byte(const uint8_t& v) { slots.push_back("byte " + std::to_string(v)); }
    void integer(const int16_t& v) { slots.push_back("integer " + std::to_string(v)); }
    void boolean(const bool& v) { slots.push_back(v ? "boolean true" : "boolean false"); }
    void long32(const int32_t& v) { slots.push_back("long " + std::to_string(v)); }
    void single(const float& v) { slots.push_back("single " + std::to_string(v)); }
    void fixedInteger(int16_t v) { integer(v); }
    void str(const std::string& v) { slots.push_back("text " + v); }
    void keyStr(const std::string& v) { str(v); }
};

// Every property of each record distinct, so that a swap shows.
ProjectDocument distinctDesign()
{
    ProjectDocument doc;
    Checkbox& c = doc.checkboxes[doc.checkboxes.append()];
    c.page = 1; // no visible flag in the project record
    c.printon = 3; // flags are 0 or 1; distinct bytes show the order
    c.lockEnabled = 5;
    c.noChart = 7;
    Button& b = doc.buttons[doc.buttons.append()];
    b.page = 2;
    b.caption = "Save";
    b.tag = "save-button";
    b.fontName = "Tahoma";
    b.toolTipText = "Saves the record";
    b.backColor = 0x999999;
    b.fontSize = 12;
    b.top = 600;
    b.left = 450;
    b.width = 1200;
    b.height = 375;
    b.renderColor = 0x00FF00;
    b.border = 2;
    b.tabOrder = 5;
    b.buttonAction = "SAVE";
    return doc;
}

template <class Record> std::vector<std::string> slotsOf(Record record)
{
    SlotRecorder recorder;
    record(recorder);
    return recorder.slots;
}

TEST(RecordSlots, ButtonRecordOfTheDataBlockIsTheProjectRecordSlotForSlot)
{
    const ProjectDocument doc = distinctDesign();
    const AppData data = BuildAppData(doc, "App", {2026, 1, 2}).data;
    ASSERT_EQ(data.buttons.size(), 1u);
    const auto project = slotsOf([&](SlotRecorder& w) { layout::button(w, doc.buttons[0]); });
    const auto block = slotsOf([&](SlotRecorder& w) { blocklayout::button(w, data.buttons[0]); });
    EXPECT_EQ(block, project);
    ASSERT_GE(project.size(), 5u);
    EXPECT_EQ(project[1], "text Save"); // the caption comes first
    EXPECT_EQ(project[3], "text Tahoma");
}

TEST(RecordSlots, CheckboxOptionBytesKeepTheirOrderInTheDataBlock)
{
    const ProjectDocument doc = distinctDesign();
    const AppData data = BuildAppData(doc, "App", {2026, 1, 2}).data;
    ASSERT_EQ(data.checkboxes.size(), 1u);
    const auto project = slotsOf([&](SlotRecorder& w) { layout::checkbox(w, doc.checkboxes[0]); });
    const auto block =
        slotsOf([&](SlotRecorder& w) { blocklayout::checkbox(w, data.checkboxes[0]); });
    // State, page, then the three option bytes: print, lock after entry, chartable.
    const std::vector<std::string> options = {"byte 3", "byte 5", "byte 7"};
    ASSERT_GE(project.size(), 5u);
    ASSERT_GE(block.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(project.begin() + 2, project.begin() + 5), options);
    EXPECT_EQ(std::vector<std::string>(block.begin() + 2, block.begin() + 5), options);
}

} // namespace
} // namespace qv
