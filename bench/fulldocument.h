#pragma once

// A project with every kind of object at its limit, for the benchmarks.
#include "document/projectdocument.h"

#include <memory>
#include <string>
#include <vector>

namespace qv::bench {

template <class T> void fill(ObjectTable<T>& table)
{
    while (!table.full())
        table.append();
}

inline ProjectDocument fullDocument()
{
    ProjectDocument doc;
    fill(doc.titles);
    fill(doc.fields);
    fill(doc.notes);
    fill(doc.combos);
    fill(doc.pictures);
    fill(doc.checkboxes);
    fill(doc.squares);
    fill(doc.lines);
    fill(doc.buttons);
    fill(doc.scripts);
    for (int i : doc.titles.indices())
        doc.titles[i].caption = "Label " + std::to_string(i);
    for (int i : doc.fields.indices()) {
        doc.fields[i].tag = "Field" + std::to_string(i);
        doc.fields[i].fieldFormula = "F1+F2*3";
    }
    for (int i : doc.combos.indices())
        doc.combos[i].listItems = {"Apple", "Apricot", "Banana"};
    auto image = std::make_shared<const std::vector<uint8_t>>(4096, uint8_t{0x5A});
    for (int i : doc.pictures.indices()) {
        doc.pictures[i].storedFileName = "p" + std::to_string(i) + ".png";
        doc.pictures[i].imageBytes = image;
    }
    for (int r = 1; r <= kMaxReports; ++r) {
        ReportSlot slot{"Report " + std::to_string(r), {}, false};
        slot.report.labels.resize(100);
        slot.report.squares.resize(20);
        doc.reportSlots.push_back(slot);
    }
    return doc;
}

} // namespace qv::bench
