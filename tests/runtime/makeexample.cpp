// Writes the example projects of data/Examples with the project writer. Orders.baf: a small
// order form over two pages, with formulas, a combo box, a memo, a check box, a button,
// shapes, function-key texts, an About text, version texts and a report; Contacts.baf,
// Invoice.baf and Inventory.baf: see examples.cpp. Run from the source folder, so that the
// stored help-file names stay the same wherever the tree is:
//   qv_make_example data
#include "document/projectfile.h"
#include "examples.h"
#include "document/units.h"

#include <fstream>
#include <iostream>
#include <iterator>

namespace {

using qv::pixelsToTwips;

void title(qv::ProjectDocument& d, const char* caption, float x, float y, int page = 0,
           float size = 9, bool bold = false, int32_t colour = 0)
{
    qv::Title& t = d.titles[d.titles.append()];
    t.caption = caption;
    t.left = pixelsToTwips(x);
    t.top = pixelsToTwips(y);
    t.page = static_cast<int16_t>(page);
    t.fontSize = size;
    t.fontBold = bold;
    t.foreColor = colour;
}

qv::Field& field(qv::ProjectDocument& d, const char* tag, float x, float y, float w, int length,
                 int page = 0)
{
    qv::Field& f = d.fields[d.fields.append()];
    f.tag = tag;
    f.left = pixelsToTwips(x);
    f.top = pixelsToTwips(y);
    f.width = pixelsToTwips(w);
    f.height = pixelsToTwips(22);
    f.maxLength = length;
    f.page = static_cast<int16_t>(page);
    f.appearance = 1;
    f.borderStyle = 1;
    f.caseRule = 3; // "Plain": kept as typed
    return f;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: qv_make_example DATA_DIR\n";
        return 2;
    }
    const std::filesystem::path data = argv[1];
    qv::ProjectDocument d;
    qv::AppSettings& s = d.settings;
    s.windowTitle = "Order Form";
    s.pageSizeCode = qv::kPageSizeCustom;
    s.surfaceWidth = pixelsToTwips(640);
    s.surfaceHeight = pixelsToTwips(400);
    s.aboutText = "<b>Order Form</b>\r\nA small example application: type a quantity and a "
                  "price and the total follows.\r\n<blue>Made with Quorvalle Developer 21.";
    s.aboutAddress = "www.example.org";
    s.aboutMenuVisible = true;
    s.aboutBoxOption = 1;
    s.functionKeyTexts[1] = "Thank you for your order.";
    s.functionKeyTexts[2] = "Paid in full";
    s.versionTexts = {"Example Shop Ltd",
                      "Order entry",
                      "(c) 2026 Example Shop Ltd",
                      "",
                      "Order Form",
                      "1.0",
                      "",
                      "",
                      ""};
    s.menuCaption(qv::MenuCaption::Fmenu) = "&File";
    s.menuCaption(qv::MenuCaption::ops) = "&Edit";
    s.menuCaption(qv::MenuCaption::Finding) = "&Search";
    s.menuCaption(qv::MenuCaption::helpit) = "&Help";
    s.menuCaption(qv::MenuCaption::Aboutit) = "About Order Form";
    std::ifstream icon(data / "Icons" / "Default.ico", std::ios::binary);
    s.iconBytes.assign(std::istreambuf_iterator<char>(icon), std::istreambuf_iterator<char>());
    s.iconFilePath = "Default.ico";

    title(d, "Order Form", 24, 14, 0, 18, true, 0x800000);
    qv::Line& rule = d.lines[d.lines.append()];
    rule.x1 = pixelsToTwips(24);
    rule.x2 = pixelsToTwips(616);
    rule.y1 = rule.y2 = pixelsToTwips(50);
    rule.borderColor = 0x800000;
    qv::Square& frame = d.squares[d.squares.append()];
    frame.left = pixelsToTwips(16);
    frame.top = pixelsToTwips(64);
    frame.width = pixelsToTwips(300);
    frame.height = pixelsToTwips(180);
    frame.borderColor = 0x808080;
    frame.fillColor = 0xF8F0E8;
    frame.fillStyle = 0;
    frame.shape = 4;

    title(d, "Customer", 28, 80);
    field(d, "Customer", 110, 76, 190, 40).caseRule = 2; // "Caps"
    title(d, "Quantity", 28, 112);
    field(d, "Quantity", 110, 108, 80, 6).text = "3";
    title(d, "Unit price", 28, 144);
    qv::Field& price = field(d, "Price", 110, 140, 80, 10);
    price.text = "12.5";
    price.fieldFormat = 2;
    title(d, "Total", 28, 184, 0, 10, true);
    qv::Field& total = field(d, "Total", 110, 180, 100, 12);
    total.fieldFormula = "F2*F3";
    total.fieldFormat = 2;
    total.fontBold = true;
    total.backColor = 0xE0FFFF;

    title(d, "Delivery", 340, 80);
    qv::Combo& delivery = d.combos[d.combos.append()];
    delivery.tag = "Delivery";
    delivery.listItems = {"Post", "Courier", "Pickup"};
    delivery.left = pixelsToTwips(410);
    delivery.top = pixelsToTwips(76);
    delivery.width = pixelsToTwips(200);
    delivery.maxLength = 20;
    title(d, "Paid", 340, 112);
    qv::Checkbox& paid = d.checkboxes[d.checkboxes.append()];
    paid.tag = "Paid";
    paid.left = pixelsToTwips(410);
    paid.top = pixelsToTwips(110);
    title(d, "Remarks", 340, 144);
    qv::Notes& remarks = d.notes[d.notes.append()];
    remarks.tag = "Remarks";
    remarks.left = pixelsToTwips(410);
    remarks.top = pixelsToTwips(140);
    remarks.width = pixelsToTwips(200);
    remarks.height = pixelsToTwips(100);
    remarks.maxLength = 500;
    remarks.appearance = 1;
    remarks.borderStyle = 1;

    qv::Button& send = d.buttons[d.buttons.append()];
    send.caption = "Web site";
    send.left = pixelsToTwips(28);
    send.top = pixelsToTwips(270);
    send.width = pixelsToTwips(110);
    send.height = pixelsToTwips(30);
    send.tag = "https://www.example.org/";

    title(d, "Delivery address", 24, 14, 1, 14, true, 0x800000);
    title(d, "Street", 28, 80, 1);
    field(d, "Street", 110, 76, 300, 60, 1);
    title(d, "Town", 28, 112, 1);
    field(d, "Town", 110, 108, 200, 40, 1);

    qv::Picture& logo = d.pictures[d.pictures.append()];
    logo.displayPath = "logo";
    logo.storedFileName = "logo.ico";
    logo.imageBytes = std::make_shared<const std::vector<uint8_t>>(s.iconBytes);
    logo.left = pixelsToTwips(568);
    logo.top = pixelsToTwips(4);
    logo.width = pixelsToTwips(40);
    logo.height = pixelsToTwips(40);
    logo.toolTipText = "Example Shop";

    qv::Script& web = d.scripts[d.scripts.append()];
    web.tag = "<p>Thank you for ordering.</p>";
    web.left = pixelsToTwips(400);
    web.top = pixelsToTwips(300);
    web.width = pixelsToTwips(200);
    web.height = pixelsToTwips(40);

    qv::ReportSlot report;
    report.caption = "Order sheet";
    qv::ReportLabel heading;
    heading.caption = "Order";
    heading.fontSize = 14;
    qv::ReportLabel customer;
    customer.referenceCode = 1;
    customer.caption = "Customer";
    customer.column = 1;
    report.report.labels = {heading, customer};
    d.reportSlots.push_back(report);

    struct Example {
        const char* file;
        qv::ProjectDocument document;
    };
    Example examples[] = {{"Orders.baf", std::move(d)},
                          {"Contacts.baf", qv::examples::contactsExample(data)},
                          {"Invoice.baf", qv::examples::invoiceExample(data)},
                          {"Inventory.baf", qv::examples::inventoryExample(data)}};
    for (Example& example : examples) {
        const std::filesystem::path target = data / "Examples" / example.file;
        const qv::ProjectWriteResult written = qv::saveProjectFile(example.document, target);
        if (!written.ok) {
            std::cerr << "qv_make_example: " << written.message << '\n';
            return 1;
        }
        std::cout << target.string() << '\n';
    }
    return 0;
}
