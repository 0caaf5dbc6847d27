#pragma once

#include "document/projectdocument.h"

#include <string>

namespace qv::test {

// A document with objects of every kind, texts with commas, line breaks and accents,
// deleted objects in both kinds of section, all-pages objects, pictures with and without
// images, and reports whose labels are not in column order.
inline ProjectDocument richDocument()
{
    ProjectDocument doc;
    AppSettings& a = doc.settings;
    a.windowTitle = "Caf\xC3\xA9 Orders";
    a.languageCode = 5;
    a.iconBytes = {0, 0, 1, 0, 1, 0, 32, 32};
    a.filePlates[3] = {"xml", "<a>F1:</a>\r\n"};
    a.viewDocumentCaptions[3] = "xml File";
    a.colourTable = {1, 2, 3, 4, 0xFFFFFF};
    a.pageSizeCode = kPageSizeCustom;
    a.surfaceWidth = 9000;
    a.surfaceHeight = 7000;
    a.menuCaption(MenuCaption::Exitit) = "E&xit";
    a.optionalPrograms[9] = {true, "Calc", "/usr/bin/calc --x"};
    a.commonLabels[150] = "Last label";
    a.functionKeyTexts[0] = "F2 text";
    a.textList[59] = "end";
    a.versionTexts[8] = "1.0";
    a.searchTexts[10] = "Find";
    a.notesTable[95] = -7;
    a.removeBaseButtonsRibbon = 1;
    a.aboutText = "About, with comma\r\nand a second line";

    for (int i = 0; i < 3; ++i) {
        Square& s = doc.squares[doc.squares.append()];
        s.page = static_cast<int16_t>(i == 1 ? kAllPages : i);
        s.left = 15.0f * i;
        s.shape = static_cast<int16_t>(i);
    }
    doc.squares[2].page = kDeletedPage;
    for (int i = 0; i < 2; ++i) {
        Line& l = doc.lines[doc.lines.append()];
        l.page = static_cast<int16_t>(i + 3);
        l.x2 = 450;
    }
    for (int i = 0; i < 3; ++i) {
        Field& f = doc.fields[doc.fields.append()];
        f.tag = "Field" + std::to_string(f.tabOrder + i + 1);
        f.fieldFormula = "F1+F2";
        f.appearance = static_cast<int16_t>(i == 0 ? 0 : 1);
        f.borderStyle = static_cast<int16_t>(i == 0 ? 0 : 1);
        f.frameBorderColor = 0x123456;
        f.text = "default, text\r\nline 2";
    }
    doc.fields[2].page = kDeletedPage;
    for (int i = 0; i < 7; ++i) {
        Title& t = doc.titles[doc.titles.append()];
        t.caption = "Label " + std::to_string(i + 1);
        t.page = static_cast<int16_t>(i % 5);
    }
    doc.titles[4].page = kDeletedPage;
    Combo& c = doc.combos[doc.combos.append()];
    c.listItems = {"Apple", "Apricot, dried", ""};
    c.page = 70000 % 5;
    Notes& n = doc.notes[doc.notes.append()];
    n.tag = "MemoField1";
    n.appearance = 0;
    n.borderStyle = 0;
    for (int i = 0; i < 2; ++i) {
        Checkbox& k = doc.checkboxes[doc.checkboxes.append()];
        k.tag = "CheckField" + std::to_string(i);
        k.optionBx = static_cast<uint8_t>(i);
    }
    Button& b = doc.buttons[doc.buttons.append()];
    b.caption = "Button";
    b.backColor = 0x999999;
    b.buttonAction = "WWW:http://example.org/?a=1,b=2";
    Script& s = doc.scripts[doc.scripts.append()];
    s.tag = "<div>hello</div>";
    s.page = 1;

    Picture& withImage = doc.pictures[doc.pictures.append()];
    withImage.displayPath = "logo";
    withImage.storedFileName = "logo.png";
    withImage.imageBytes = std::make_shared<const std::vector<uint8_t>>(
        std::vector<uint8_t>{0x89, 'P', 'N', 'G', 0, 1, 2});
    Picture& withoutImage = doc.pictures[doc.pictures.append()];
    withoutImage.displayPath = "empty";
    doc.pictures[1].page = kDeletedPage;

    ReportSlot slot;
    slot.caption = "Orders";
    slot.report.windowHeight = 6000;
    for (int column : {3, 1, 2}) {
        ReportLabel label;
        label.caption = "col " + std::to_string(column);
        label.column = static_cast<uint8_t>(column);
        label.referenceCode =
            static_cast<int16_t>(column == 1 ? kComboRefBase + 1 : kPlainLabelRef);
        slot.report.labels.push_back(label);
    }
    slot.report.squares.resize(2);
    slot.report.squares[1].visible = false;
    slot.report.lines.resize(1);
    slot.report.images.resize(1);
    doc.reportSlots.push_back(slot);
    doc.reportSlots.push_back(ReportSlot{"", {}, false});
    return doc;
}

} // namespace qv::test
