#pragma once

#include "builder/appdata.h"

#include <string>

namespace qv::test {

// A small data block of an order form: fields Customer (1), Quantity (2, number), Price
// (3, number), Total (4, dummy, = F2*F3) and Ordered (5, short date, locked after entry);
// notes Remarks; combo Delivery; check box Paid (locked after entry).
inline BlockField blockField(const std::string& tag, int tabOrder, int format = 0)
{
    BlockField b;
    b.field.tag = tag;
    b.searchLabel = tag;
    b.field.tabOrder = static_cast<int16_t>(tabOrder);
    b.field.fieldFormat = static_cast<uint8_t>(format);
    b.field.caseRule = 3;
    return b;
}

inline AppData orderDesign()
{
    AppData a;
    a.fields = {blockField("Customer", 1), blockField("Quantity", 2, 1), blockField("Price", 3, 2),
                blockField("Total", 4, 2), blockField("Ordered", 5, 7)};
    a.fields[3].field.dummyField = true;
    a.fields[4].field.lockEnabled = 1;
    a.fieldFormulas = {"", "", "", "F2*F3", ""};
    a.fieldTexts = {"", "1", "", "", ""};
    a.fieldDateOffsets = {0, 0, 0, 0, 0};
    BlockNotes notes;
    notes.notes.tag = "Remarks";
    notes.notes.tabOrder = 7;
    a.notes = {notes};
    Combo combo;
    combo.tag = "Delivery";
    combo.tabOrder = 6;
    combo.listItems = {"Post", "Courier"};
    a.combos = {combo};
    Checkbox paid;
    paid.tag = "Paid";
    paid.tabOrder = 8;
    paid.lockEnabled = 1;
    a.checkboxes = {paid};
    return a;
}

} // namespace qv::test
