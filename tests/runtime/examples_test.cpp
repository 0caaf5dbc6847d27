#include "examples.h"

#include "designer/objectcreation.h"
#include "document/projectfile.h"
#include "formula/formulaengine.h"
#include "formula/memoryform.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace qv {
namespace {

const std::filesystem::path kData = QV_SOURCE_DATA_DIR;

ProjectDocument shipped(const char* name)
{
    ProjectReadResult read = readProjectFile(kData / "Examples" / name);
    EXPECT_TRUE(read.ok()) << read.message;
    return std::move(read.document);
}

// The fields of a project as the formula engine sees them, with their default texts.
MemoryForm formOf(const ProjectDocument& doc)
{
    MemoryForm form;
    for (int i = 1; i <= doc.fields.highWater(); ++i) {
        const Field& f = doc.fields[i];
        form.fields.emplace_back(f.text, f.fieldFormat, f.dateOffsetDays, f.fieldFormula);
    }
    for (int i = 1; i <= doc.notes.highWater(); ++i)
        form.notes.emplace_back();
    for (int i = 1; i <= doc.combos.highWater(); ++i)
        form.combos.push_back(doc.combos[i].listItems.empty() ? "" : doc.combos[i].listItems[0]);
    for (int i = 0; i <= doc.checkboxes.highWater(); ++i)
        form.checkboxes.push_back(0);
    return form;
}

std::string fieldNamed(const ProjectDocument& doc, const MemoryForm& form, const std::string& tag)
{
    for (int i = 1; i <= doc.fields.highWater(); ++i) {
        if (doc.fields[i].tag == tag)
            return form.fieldText(i);
    }
    ADD_FAILURE() << "no field named " << tag;
    return {};
}

std::vector<uint8_t> fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The shipped files are what the generator makes today: change the generator, then run
// `build/bin/qv_make_example data` from the source folder.
TEST(Examples, ShippedFilesAreUpToDate)
{
    struct Case {
        const char* file;
        ProjectDocument (*make)(const std::filesystem::path&);
    };
    const Case cases[] = {{"Contacts.baf", examples::contactsExample},
                          {"Invoice.baf", examples::invoiceExample},
                          {"Inventory.baf", examples::inventoryExample}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const ProjectWriteResult encoded =
            encodeProject(c.make(kData), (std::filesystem::path("data") / "Examples" / c.file).string());
        ASSERT_TRUE(encoded.ok) << encoded.message;
        EXPECT_TRUE(encoded.bytes == fileBytes(kData / "Examples" / c.file));
    }
}

TEST(Examples, InvoiceAddsUpAndSaysTheTotalInWords)
{
    const ProjectDocument doc = shipped("Invoice.baf");
    MemoryForm form = formOf(doc);
    RecalculateForm(form, FormulaLocale{});
    struct Case {
        const char* field;
        const char* expected;
    };
    // 10 x 85 + 500 x 0.45 + 1 x 40 = 1,115.00; over 1000, so 5% off; then 20% VAT.
    const Case cases[] = {{"Amount 1", "850.00"},     {"Amount 2", "225.00"},
                          {"Amount 3", "40.00"},      {"Subtotal", "1,115.00"},
                          {"Discount", "55.75"},      {"VAT", "211.85"},
                          {"Total", "1,271.10"},      {"Amount due", "$1,271.10"}};
    for (const Case& c : cases)
        EXPECT_EQ(fieldNamed(doc, form, c.field), c.expected) << c.field;
    const std::string words = fieldNamed(doc, form, "In words");
    EXPECT_NE(words.find("Thousand"), std::string::npos) << words;
    EXPECT_EQ(doc.titles[kRecordIdLabel].caption, "0000000001");
    EXPECT_TRUE(doc.titles[kDateStampLabel].visible);
    for (int reserved = 1; reserved < kDateStampLabel; ++reserved)
        EXPECT_EQ(doc.titles[reserved].caption, "") << "reserved label " << reserved;
}

TEST(Examples, InventorySpreadsOverPagesAndCarriesReports)
{
    const ProjectDocument doc = shipped("Inventory.baf");
    MemoryForm form = formOf(doc);
    RecalculateForm(form, FormulaLocale{});
    EXPECT_EQ(fieldNamed(doc, form, "Stock value"), "45.00");
    EXPECT_EQ(fieldNamed(doc, form, "Reorder"), "Order now");
    std::array<int, kPageCount> fieldsPerPage{};
    for (int i : doc.fields.indices())
        ++fieldsPerPage[static_cast<size_t>(doc.fields[i].page)];
    EXPECT_GT(fieldsPerPage[0], 0);
    EXPECT_GT(fieldsPerPage[1], 0);
    EXPECT_GT(fieldsPerPage[2], 0);
    ASSERT_EQ(doc.reportSlots.size(), 3u);
    EXPECT_EQ(doc.reportSlots[1].caption, "Item card");
    EXPECT_FALSE(doc.reportSlots[2].report.labels.empty());
}

TEST(Examples, ContactsHasPicturesListsCheckBoxesAndSearchLabels)
{
    const ProjectDocument doc = shipped("Contacts.baf");
    ASSERT_GE(doc.pictures.highWater(), 0);
    EXPECT_FALSE(doc.pictures[0].imageBytes == nullptr || doc.pictures[0].imageBytes->empty());
    EXPECT_GE(doc.combos.highWater(), 2);
    EXPECT_GE(doc.combos[1].listItems.size(), 4u);
    EXPECT_GE(doc.checkboxes.highWater(), 1);
    for (int i : doc.fields.indices())
        EXPECT_FALSE(doc.fields[i].tag.empty()) << "field " << i << " has no search label";
    EXPECT_EQ(doc.settings.menuCaption(MenuCaption::Fmenu), "&File");
    EXPECT_FALSE(doc.settings.commonLabels[0].empty());
}

} // namespace
} // namespace qv
