#pragma once

#include "designer/designer.h"

namespace qv {

// PGE click: shows page p (0..4). Not an undo step of its own.
void showPage(Designer& d, int page);
// Objects drawn while page p is shown (own page or all pages, not deleted).
std::vector<ObjectRef> objectsOnPage(const ProjectDocument& document, int page);

// Check4: the selected object goes to all pages, or from all pages to the page shown.
bool toggleAllPages(Designer& d);
// MovetoPage item k: the selected object, or with the band shown every object of the
// multi-selection list, goes to page k, which is then shown.
bool moveToPage(Designer& d, int page);

// LOckBttn: locks or unlocks the canvas; returns the new state.
bool toggleLock(Designer& d);

enum class InputFlag { LockEnabled, NoSearch, NoChart };
// LockEnabled / NOsearch / NoChart: writes 0 or 1 into the flag of every target object that
// has it (Field, Notes, Combo, Checkbox for the lock; Field, Notes, Combo for searching;
// Combo and Checkbox for charting, the kinds whose records hold that flag).
bool setInputFlag(Designer& d, InputFlag flag, bool value);
// Text4: the order number of the selected input object (the text read as a 16-bit number).
bool setOrderNumber(Designer& d, const std::string& text);

} // namespace qv
