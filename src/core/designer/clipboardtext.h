#pragma once

#include "designer/designer.h"

#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The designer's object clipboard: plain text, CR LF lines, headed by this line; one
// record of comma-separated fields per object, positions in canvas pixels.
inline constexpr std::string_view kClipboardHeader = "~Vennrask1.0";

// "," -> "/~/", then CR LF -> "&_&"; and back in the same order.
std::string escapeClipboardText(std::string_view text);
std::string unescapeClipboardText(std::string_view text);

// The record line of one object, ending in CR LF; empty for an object that does not exist.
std::string clipboardRecord(const ProjectDocument& document, ObjectRef ref);
// The header and the records of `objects`, in their order.
std::string clipboardText(const ProjectDocument& document, const std::vector<ObjectRef>& objects);

// CopyOb_Click: the text of the selection (CopyArea for an area selection with its band
// shown), remembering the scroll positions as the copy origin. Empty when nothing is
// selected.
std::string copySelection(Designer& d);

// PasteOb_Click: creates the objects of a clipboard text on the current page, shifted by
// the scroll since the copy plus 10 pixels, selects exactly them (area selection, band round
// them) and renumbers the field references of the pasted formulas. Text without the header
// changes nothing. Records past a kind's limit are skipped (Fields with message 68);
// unreadable values keep their defaults. Pasted Fields, Notes and Combos get the default
// names of new objects, since their records carry none. One undo step.
//
// Slots the records name only by role are, in order: Field/Notes frame colour, style and
// fill = frameBorderColor, frameStyle, frameFillColor; the Field's four further values =
// noDefaultDate, dateOffsetDays, caseRule, fieldFormat; the Notes print flag = notesState;
// Combo 5-6 = border, backStyle, 7-8 = fontName, fontSize, 11-15 = foreColor, backColor,
// textCase, maxLength, comboOption; Checkbox 7-10 = noChart, foreStyle, optionBx,
// borderStyle; Button 5 = fontName (the record's second text), 6-8 = backColor,
// renderColor, fontSize, 13 = actionCode;
// Picture 1 = sourcePath. A combo's list of N items is written as N + 1 entries (the last
// empty) and read back as N items.
Outcome pasteClipboardText(Designer& d, std::string_view text);

} // namespace qv
