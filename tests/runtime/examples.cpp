#include "examples.h"

#include "designer/datestamps.h"
#include "designer/designer.h"
#include "designer/objectcreation.h"
#include "designer/reportassembly.h"
#include "document/units.h"
#include "examplebuilder.h"

namespace qv::examples {

namespace {

constexpr int32_t kNavy = 0x800000; // 0x00BBGGRR
constexpr int32_t kPaleBlue = 0xF8F0E8;
constexpr int32_t kPaleYellow = 0xE0FFFF;
constexpr int32_t kGrey = 0x808080;

// The heading every example starts with: a large title and a rule under it.
void heading(ExampleBuilder& b, const std::string& caption, float width)
{
    b.title(caption, 24, 14, 18, true, kNavy);
    b.rule(24, 50, width - 24, 50, kNavy);
}

ReportSlot report(const ProjectDocument& doc, const std::string& caption, int page)
{
    ReportSlot slot;
    slot.caption = caption;
    slot.report = assembleReport(doc, page).report;
    return slot;
}

} // namespace

ProjectDocument contactsExample(const std::filesystem::path& dataFolder)
{
    ExampleBuilder b(dataFolder, "Contacts", 640, 470);
    heading(b, "Contacts", 640);
    b.box(16, 62, 460, 300, kPaleBlue, kGrey);
    b.field("First name", "First name", 28, 74, 150, 30);
    b.field("Last name", "Last name", 28, 102, 200, 40);
    b.field("Company", "Company", 28, 130, 250, 60);
    b.field("Phone", "Phone", 28, 158, 150, 25);
    b.field("Mobile", "Mobile", 28, 186, 150, 25);
    b.field("E-mail", "E-mail", 28, 214, 250, 80).toolTipText = "The address the e-mail button writes to";
    b.field("Street", "Street", 28, 250, 250, 60);
    b.field("Postcode", "Postcode", 28, 278, 80, 10);
    b.field("Town", "Town", 28, 306, 200, 40);
    b.combo("Country", "Country", 28, 334, 150,
            {"Denmark", "France", "Germany", "Netherlands", "Sweden", "United Kingdom"});

    b.picture("portrait.bmp", portraitBitmap(96), 508, 66, 96, 96).toolTipText = "Photo";
    b.title("Group", 488, 174);
    b.combo("", "Group", 488 - 90, 192, 120, {"Family", "Friends", "Work", "Club"});
    b.checkbox("Christmas card", "Christmas card", 488, 228);
    b.checkbox("Newsletter", "Newsletter", 488, 252);
    b.notes("Notes", "Notes", 28, 374, 370, 80, 2000);
    b.button("Write e-mail", "mailto:F6:?Subject=Hello F1:", 488, 284, 120);
    b.button("Show on map", "https://www.openstreetmap.org/search?query=F7: F9:", 488, 322, 120);

    AppSettings& s = b.settings();
    s.functionKeyTexts[1] = "Kind regards,";
    s.aboutText = "<b>Contacts</b>\r\nAddresses, photos and groups of the people you know.";
    s.aboutMenuVisible = true;
    s.aboutBoxOption = 1;
    return std::move(b.document());
}

ProjectDocument invoiceExample(const std::filesystem::path& dataFolder)
{
    ExampleBuilder b(dataFolder, "Invoice", 640, 520);
    // The record number and today's date, as the Record-ID and Date Stamp commands place
    // them: the reserved labels 5 and 4, before any other label is made.
    ProjectDocument& doc = b.document();
    Designer designer(doc);
    placeDateLabel(designer, true, 0, dateStampTexts({2026, 1, 15}, "en_US")[0]);
    placeRecordId(designer);
    doc.titles[kRecordIdLabel].left = pixelsToTwips(460);
    doc.titles[kRecordIdLabel].top = pixelsToTwips(70);
    doc.titles[kDateStampLabel].left = pixelsToTwips(460);
    doc.titles[kDateStampLabel].top = pixelsToTwips(96);
    doc.titles[kDateStampLabel].fontBold = true;

    heading(b, "Invoice", 640);
    b.field("Customer", "Customer", 24, 66, 240, 60);
    b.field("Address", "Address", 24, 94, 240, 80);
    b.title("Invoice no.", 380, 70);
    b.title("Date", 380, 96);

    b.box(16, 130, 608, 26, 0xF0E0D0, kGrey, 0);
    b.title("Item", 28, 135, 9, true);
    b.title("Quantity", 300, 135, 9, true);
    b.title("Price", 380, 135, 9, true);
    b.title("Amount", 480, 135, 9, true);
    struct Row {
        const char* item;
        const char* quantity;
        const char* price;
    };
    const Row rows[] = {{"Design work (hours)", "10", "85"},
                        {"Printing of leaflets", "500", "0.45"},
                        {"Delivery", "1", "40"}};
    std::string amounts;
    float y = 164;
    int row = 1;
    for (const Row& r : rows) {
        const std::string n = std::to_string(row++);
        b.field("", "Item " + n, 28 - 90, y, 260, 60).text = r.item;
        Field& quantity = b.field("", "Quantity " + n, 300 - 90, y, 70, 8);
        quantity.text = r.quantity;
        quantity.fieldFormat = 1;
        quantity.alignment = 1;
        const int q = b.lastField();
        Field& price = b.field("", "Price " + n, 380 - 90, y, 90, 10);
        price.text = r.price;
        price.fieldFormat = 2;
        price.alignment = 1;
        Field& amount = b.field("", "Amount " + n, 480 - 90, y, 120, 12);
        amount.fieldFormula = "F" + std::to_string(q) + "*F" + std::to_string(q + 1);
        amount.fieldFormat = 2;
        amount.alignment = 1;
        amount.backColor = kPaleYellow;
        amounts += (amounts.empty() ? "F" : "+F") + std::to_string(b.lastField());
        y += 28;
    }
    b.rule(380, y + 2, 600, y + 2, kGrey);
    auto total = [&b](const std::string& label, const std::string& name, float top,
                      const std::string& formula) -> Field& {
        Field& f = b.field("", name, 480 - 90, top, 120, 14);
        b.title(label, 300, top + 4);
        f.fieldFormula = formula;
        f.fieldFormat = 2;
        f.alignment = 1;
        f.backColor = kPaleYellow;
        return f;
    };
    const int subtotal = b.lastField() + 1;
    total("Subtotal", "Subtotal", y + 10, amounts);
    total("Discount 5% over 1000", "Discount", y + 38,
          "IF F" + std::to_string(subtotal) + ">1000 THEN F" + std::to_string(subtotal + 1) +
              "=F" + std::to_string(subtotal) + "*0.05 ELSE F" + std::to_string(subtotal + 1) +
              "=0");
    total("VAT 20%", "VAT", y + 66,
          "(F" + std::to_string(subtotal) + "-F" + std::to_string(subtotal + 1) + ")*0.2");
    Field& grand = total("Total", "Total", y + 94,
                         "F" + std::to_string(subtotal) + "-F" + std::to_string(subtotal + 1) +
                             "+F" + std::to_string(subtotal + 2));
    grand.fontBold = true;
    const std::string totalRef = "F" + std::to_string(b.lastField());

    Field& due = b.field("Amount due", "Amount due", 24, y + 134, 200, 30);
    due.fieldFormula = "F" + std::to_string(b.lastField()) + "=CUR2(" + totalRef + ")";
    due.fontBold = true;
    Field& words = b.field("In words", "In words", 24, y + 162, 500, 200);
    words.fieldFormula = "F" + std::to_string(b.lastField()) + "=CUR(" + totalRef + ")";
    words.fontItalic = true;

    AppSettings& s = b.settings();
    s.functionKeyTexts[1] = "Payable within 30 days.";
    s.aboutText = "<b>Invoice</b>\r\nLines add up as you type: subtotal, discount, VAT, the "
                  "total and the amount in words.";
    s.aboutMenuVisible = true;
    s.aboutBoxOption = 1;
    doc.currentPage = 0;
    doc.reportSlots.push_back(report(doc, "Invoice", 0));
    return std::move(doc);
}

ProjectDocument inventoryExample(const std::filesystem::path& dataFolder)
{
    ExampleBuilder b(dataFolder, "Inventory", 640, 420);
    AppSettings& s = b.settings();
    s.pageButtonCaptions = {"Item", "Stock", "Supplier", "Page 4", "Page 5"};
    b.onPage(kAllPages);
    heading(b, "Inventory", 640);

    b.onPage(0);
    b.field("Item no.", "Item no", 24, 70, 100, 12);
    b.field("Description", "Description", 24, 98, 300, 80);
    b.combo("Category", "Category", 24, 126, 160, {"Hardware", "Tools", "Garden", "Paint"});
    b.field("Location", "Location", 24, 154, 100, 12).toolTipText = "Aisle and shelf";
    b.checkbox("Discontinued", "Discontinued", 114, 184);
    b.notes("Remarks", "Remarks", 24, 214, 400, 90, 1000);

    b.onPage(1);
    b.box(16, 62, 420, 190, kPaleBlue, kGrey);
    Field& stock = b.field("In stock", "In stock", 28, 74, 80, 8);
    stock.fieldFormat = 5;
    stock.text = "12";
    const int inStock = b.lastField();
    Field& level = b.field("Reorder level", "Reorder level", 28, 102, 80, 8);
    level.fieldFormat = 5;
    level.text = "20";
    Field& cost = b.field("Unit cost", "Unit cost", 28, 130, 100, 10);
    cost.fieldFormat = 2;
    cost.text = "3.75";
    Field& value = b.field("Stock value", "Stock value", 28, 158, 120, 12);
    value.fieldFormula = "F" + std::to_string(inStock) + "*F" + std::to_string(inStock + 2);
    value.fieldFormat = 2;
    value.backColor = kPaleYellow;
    Field& reorder = b.field("Reorder", "Reorder", 28, 186, 120, 20);
    reorder.fieldFormula = "IF F" + std::to_string(inStock) + "<F" + std::to_string(inStock + 1) +
                           " THEN F" + std::to_string(b.lastField()) +
                           "=\"Order now\" ELSE F" + std::to_string(b.lastField()) +
                           "=\"Enough\"";
    reorder.fontBold = true;
    reorder.backColor = kPaleYellow;

    b.onPage(2);
    b.field("Supplier", "Supplier", 24, 70, 250, 60);
    b.field("Phone", "Supplier phone", 24, 98, 150, 25);
    Field& mail = b.field("E-mail", "Supplier e-mail", 24, 126, 250, 80);
    const int mailField = b.lastField();
    mail.toolTipText = "The address the order button writes to";
    Field& lead = b.field("Lead time", "Lead time", 24, 154, 60, 4);
    lead.fieldFormat = 5;
    b.title("days", 180, 158);
    b.button("Order by e-mail", "mailto:F" + std::to_string(mailField) + ":?Subject=Order F1:", 114,
             190, 140);

    ProjectDocument& doc = b.document();
    s.aboutText = "<b>Inventory</b>\r\nItems, stock levels and suppliers over three pages, "
                  "with a printed item card and stock sheet.";
    s.aboutMenuVisible = true;
    s.aboutBoxOption = 1;
    doc.reportSlots.push_back(report(doc, "Item card", 0));
    doc.reportSlots.push_back(report(doc, "Stock sheet", 1));
    return std::move(doc);
}

} // namespace qv::examples
