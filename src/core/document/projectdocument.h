#pragma once

#include "document/appsettings.h"
#include "document/objectrecords.h"
#include "document/objecttable.h"
#include "reports/report.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qv {

// The one designed application that is open: its objects by kind, its application-wide
// settings and its reports. A plain value: copying it copies the whole design.
struct ProjectDocument {
    ObjectTable<Title> titles{ObjectKind::Title};
    ObjectTable<Field> fields{ObjectKind::Field};
    ObjectTable<Notes> notes{ObjectKind::Notes};
    ObjectTable<Combo> combos{ObjectKind::Combo};
    ObjectTable<Picture> pictures{ObjectKind::Picture};
    ObjectTable<Checkbox> checkboxes{ObjectKind::Checkbox};
    ObjectTable<Square> squares{ObjectKind::Square};
    ObjectTable<Line> lines{ObjectKind::Line};
    ObjectTable<Button> buttons{ObjectKind::Button};
    ObjectTable<Script> scripts{ObjectKind::Script};

    AppSettings settings;

    // Report slots 0..R-1 of the print-report menu (R = reportSlots.size(), at most 21).
    std::vector<ReportSlot> reportSlots{ReportSlot{}};
    // True when the stored slot count was written as an Integer rather than a Byte (a save
    // that left out removed reports does so); kept so that such a file saves unchanged.
    bool reportCountStoredAsInteger = false;

    // State outside the file.
    std::string projectPath;
    int currentPage = 0; // 0..4
    uint8_t modified = 0;
};

// Page value of an object of any kind, as a plain int (Combos store 32 bits).
template <class T> int pageOf(const T& object)
{
    return static_cast<int>(object.page);
}

// True when an object is shown on the given page (0..4): its own page or all pages.
template <class T> bool isOnPage(const T& object, int page)
{
    return pageOf(object) == page || pageOf(object) == kAllPages;
}

template <class T> bool isDeleted(const T& object)
{
    return pageOf(object) == kDeletedPage;
}

} // namespace qv
