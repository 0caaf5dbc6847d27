#pragma once

#include "designer/clipboardwalker.h"
#include "designer/designer.h"

#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The designer's object clipboard: plain text, CR LF lines, headed by this line; one
// record of comma-separated fields per object, positions in canvas pixels.
inline constexpr std::string_view kClipboardHeader = "~Vennrask1.0";

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
// unreadable values keep their defaults. A pasted picture reads its image file at once; a
// picture whose file cannot be a picture (a folder, a device, 2 GB or more) is not pasted,
// and the outcome's text says why; one whose file is missing, or whose path is not a full
// one, is pasted without an image. Pasted Fields, Notes and Combos get the default names
// of new objects, since their records carry none. One undo step. The records are laid out
// in clipboardlayouts.h.
Outcome pasteClipboardText(Designer& d, std::string_view text);

} // namespace qv
