#include "designer/objectcreation.h"

#include "designer/canvasoperations.h"
#include "designer/taborder.h"
#include "document/languagetable.h"

#include <algorithm>
#include <cmath>

namespace qv {

ObjectKind toolKind(Tool tool)
{
    switch (tool) {
    case Tool::Label: return ObjectKind::Title;
    case Tool::TextField:
    case Tool::EmailField: return ObjectKind::Field;
    case Tool::Memo: return ObjectKind::Notes;
    case Tool::ComboBox: return ObjectKind::Combo;
    case Tool::DefaultImage:
    case Tool::AddPicture: return ObjectKind::Picture;
    case Tool::DrawLine: return ObjectKind::Line;
    case Tool::CheckBox: return ObjectKind::Checkbox;
    case Tool::DrawShape: return ObjectKind::Square;
    case Tool::CommandButton: return ObjectKind::Button;
    case Tool::WebScript: return ObjectKind::Script;
    }
    return ObjectKind::Title;
}

int placementCode(Tool tool)
{
    switch (tool) {
    case Tool::Label: return 6;
    case Tool::TextField:
    case Tool::EmailField: return 7;
    case Tool::Memo: return 8;
    case Tool::DefaultImage:
    case Tool::AddPicture: return 9;
    case Tool::ComboBox: return 10;
    case Tool::CheckBox: return 13;
    case Tool::DrawShape: return 14;
    case Tool::DrawLine: return 15;
    case Tool::CommandButton: return 20;
    case Tool::WebScript: return 27;
    }
    return kNoPlacement;
}

namespace {

int fullMessage(ObjectKind kind)
{
    switch (kind) {
    case ObjectKind::Title: return text::TitlesFull;
    case ObjectKind::Field: return text::FieldsFull;
    case ObjectKind::Notes: return text::NotesFull;
    case ObjectKind::Combo: return text::CombosFull;
    case ObjectKind::Picture: return text::PicturesFull;
    case ObjectKind::Line: return text::LinesFull;
    case ObjectKind::Checkbox: return text::CheckboxesFull;
    case ObjectKind::Square: return text::SquaresFull;
    default: return 0;
    }
}

bool emailFieldPlaced(const ProjectDocument& doc)
{
    const int i = doc.settings.emailFieldBoxIndex;
    return i != 0 && doc.fields.contains(i) && !isDeleted(doc.fields[i]);
}

template <class T> void copyStyle(const T& from, T& to, ProjectDocument& doc)
{
    if constexpr (std::is_same_v<T, Title>) {
        to.foreColor = from.foreColor;
    } else if constexpr (std::is_same_v<T, Field>) {
        doc.fields.templateElement().frameFillColor = 0xFFFFFF;
        to.foreColor = from.foreColor;
        to.backColor = from.backColor;
        to.frameBorderColor = from.frameBorderColor;
        to.frameFillColor = from.frameFillColor;
    } else if constexpr (std::is_same_v<T, Line>) {
        to.borderColor = from.borderColor;
    } else if constexpr (std::is_same_v<T, Square>) {
        to.backColor = from.backColor;
        to.fillStyle = from.fillStyle;
        to.borderColor = from.borderColor;
        to.borderStyle = from.borderStyle;
        to.borderWidth = from.borderWidth;
        to.height = from.height;
        to.width = from.width;
        to.shape = from.shape;
    } else if constexpr (std::is_same_v<T, Checkbox>) {
        to.foreStyle = from.foreStyle;
        to.optionBx = from.optionBx;
        to.borderStyle = from.borderStyle;
    }
}

} // namespace

void reserveSpecialTitles(DocumentEdit& e)
{
    ObjectTable<Title>& titles = e.document().titles;
    while (titles.highWater() < kReservedTitles) {
        const int i = titles.append();
        titles[i].visible = false;
        titles[i].caption.clear();
    }
}

// Creates one object of `kind` the way the toolbox does, within an edit; returns its index
// or -1 when the kind is full.
int appendStyledObject(DocumentEdit& e, ObjectKind kind, const std::string& defaultCaption)
{
    ProjectDocument& doc = e.document();
    if (kind == ObjectKind::Title)
        reserveSpecialTitles(e);
    return visitTable(doc, kind, [&](auto& table) {
        using T = RecordType<decltype(table)>;
        const int index = table.append();
        if (index < 0)
            return -1;
        T& o = table[index];
        if (index - 1 >= table.firstIndex())
            copyStyle(table[index - 1], o, doc);
        o.page = static_cast<decltype(o.page)>(doc.currentPage);
        const std::string n = std::to_string(index);
        if constexpr (std::is_same_v<T, Title>) {
            o.caption = defaultCaption;
            o.visible = true;
        } else if constexpr (std::is_same_v<T, Field>) {
            o.printon = 1;
            o.frameStyle = 1;
            o.caseRule = kCasePlain;
            o.tag = "Field" + n;
            o.tabOrder = 0;
        } else if constexpr (std::is_same_v<T, Notes>) {
            o.tag = "MemoField" + n;
            o.tabOrder = 0;
        } else if constexpr (std::is_same_v<T, Combo>) {
            o.tag = "ComboField" + n;
            o.tabOrder = 0;
        } else if constexpr (std::is_same_v<T, Checkbox>) {
            o.tabOrder = 0;
        } else if constexpr (std::is_same_v<T, Button>) {
            o.tag.clear();
            o.caption = "Button";
            o.renderColor = kNewButtonColour;
        }
        if constexpr (requires { o.visible; })
            o.visible = true;
        return index;
    });
}

Outcome createObject(Designer& d, Tool tool)
{
    SelectionState& s = d.selection();
    // The step starts from the selection as it was, so that undoing it gives that back.
    const SelectionState before = s;
    releaseAreaSelection(s);
    const ObjectKind kind = toolKind(tool);
    s.kind = static_cast<int>(kind);
    ProjectDocument& doc = d.document();
    const bool full = visitTable(doc, kind, [](const auto& t) { return t.full(); });
    Outcome refused;
    if (tool == Tool::DefaultImage && s.current(ObjectKind::Picture) == 499)
        refused = d.message(text::PicturePlacesFull);
    else if (tool == Tool::EmailField && emailFieldPlaced(doc))
        refused = Outcome{false, 0, "The mail field box has already been placed"};
    else if (full)
        refused = fullMessage(kind) ? d.message(fullMessage(kind)) : Outcome{};
    if (full || refused.message || !refused.text.empty()) {
        s.placementTool = kNoPlacement;
        return refused;
    }
    s = before;
    return d.change(std::string("Create ") + std::string(kindName(kind)), [&](DocumentEdit& e) {
        releaseAreaSelection(s);
        s.kind = static_cast<int>(kind);
        const int index = appendStyledObject(e, kind, d.languageText(text::DefaultLabel));
        if (tool == Tool::EmailField) {
            e.touchSettings();
            doc.settings.emailFieldBoxIndex = static_cast<int16_t>(index);
        }
        if (kind == ObjectKind::Field || kind == ObjectKind::Notes || kind == ObjectKind::Combo ||
            kind == ObjectKind::Checkbox)
            assignTab(e);
        if (kind == ObjectKind::Checkbox) {
            Checkbox& c = doc.checkboxes[index];
            c.tag = "CheckField" + std::to_string(c.tabOrder);
        }
        s.placementTool = placementCode(tool);
        s.select(ObjectRef{kind, index});
        return Outcome::ok();
    });
}

namespace {

ObjectKind placementKind(int code)
{
    switch (code) {
    case 6: return ObjectKind::Title;
    case 7: return ObjectKind::Field;
    case 8: return ObjectKind::Notes;
    case 9: return ObjectKind::Picture;
    case 10: return ObjectKind::Combo;
    case 13: return ObjectKind::Checkbox;
    case 20: return ObjectKind::Button;
    case 27: return ObjectKind::Script;
    default: return ObjectKind::Line; // drawn, not placed
    }
}

void putAt(Designer& d, float x, float y, float offset, bool final)
{
    SelectionState& s = d.selection();
    const int code = s.placementTool;
    const ObjectKind kind = placementKind(code);
    if (code == kNoPlacement || kind == ObjectKind::Line)
        return;
    if (d.canvas().snap) {
        x = snapCoordinate(x, d.canvas().gridStep);
        y = snapCoordinate(y, d.canvas().gridStep);
    }
    // Framed objects keep their text box 3 pixels inside the frame at the corner.
    const float inset = (kind == ObjectKind::Field || kind == ObjectKind::Notes) ? kFrameInset : 0;
    const ObjectRef ref{kind, s.current(kind)};
    d.change(
        "Place",
        [&](DocumentEdit& e) {
            e.touchObject(ref,
                          [&](auto& o) { placeRecord(o, x + offset + inset, y + offset + inset); });
            if (final)
                e.selection().placementTool = kNoPlacement;
        },
        "place");
    if (final)
        d.undoStack().closeMerge();
}

} // namespace

void followPointer(Designer& d, float x, float y)
{
    putAt(d, x, y, 2, false);
}
void placeNewObject(Designer& d, float x, float y)
{
    putAt(d, x, y, 0, true);
}

void startDrawing(Designer& d, float x, float y)
{
    const int code = d.selection().placementTool;
    if (code != 14 && code != 15)
        return;
    if (d.canvas().snap) {
        x = snapCoordinate(x, d.canvas().gridStep);
        y = snapCoordinate(y, d.canvas().gridStep);
    }
    const ObjectKind kind = code == 14 ? ObjectKind::Square : ObjectKind::Line;
    const ObjectRef ref{kind, d.selection().current(kind)};
    d.change("Draw", [&](DocumentEdit& e) {
        e.touchObject(ref, [&](auto& o) {
            placeRecord(o, x, y);
            if constexpr (std::is_same_v<std::decay_t<decltype(o)>, Line>) {
                o.x2 = o.x1;
                o.y2 = o.y1;
            }
        });
    });
}

void drawTo(Designer& d, float startX, float startY, float x, float y)
{
    const int code = d.selection().placementTool;
    if (code != 14 && code != 15)
        return;
    if (d.canvas().snap) {
        x = snapCoordinate(x, d.canvas().gridStep);
        y = snapCoordinate(y, d.canvas().gridStep);
        startX = snapCoordinate(startX, d.canvas().gridStep);
        startY = snapCoordinate(startY, d.canvas().gridStep);
    }
    if (code == 15) {
        const int index = d.selection().current(ObjectKind::Line);
        if (!d.document().lines.contains(index))
            return;
        d.change(
            "Draw",
            [&](DocumentEdit& e) {
                Line& l = e.touch<Line>(index);
                l.x2 = pixelsToTwips(x);
                l.y2 = pixelsToTwips(y);
            },
            "draw");
        return;
    }
    const int index = d.selection().current(ObjectKind::Square);
    if (!d.document().squares.contains(index))
        return;
    d.change(
        "Draw",
        [&](DocumentEdit& e) {
            Square& s = e.touch<Square>(index);
            placeRecord(s, std::min(startX, x), std::min(startY, y));
            setRecordSize(s, std::abs(x - startX), std::abs(y - startY));
        },
        "draw");
}

void finishSquare(Designer& d, int index, float width, float height)
{
    if (!d.document().squares.contains(index))
        return;
    if (d.canvas().snap) {
        width = snapCoordinate(width, d.canvas().gridStep);
        height = snapCoordinate(height, d.canvas().gridStep);
    }
    if (width < 2 && height < 2) {
        width = 10;
        height = 10;
    }
    d.change("Draw Shape", [&](DocumentEdit& e) {
        setRecordSize(e.touch<Square>(index), width, height);
        e.selection().placementTool = kNoPlacement;
    });
}

void finishLine(Designer& d, int index, float x2, float y2)
{
    if (!d.document().lines.contains(index))
        return;
    if (d.canvas().snap) {
        x2 = snapCoordinate(x2, d.canvas().gridStep);
        y2 = snapCoordinate(y2, d.canvas().gridStep);
    }
    d.change("Draw Line", [&](DocumentEdit& e) {
        Line& l = e.touch<Line>(index);
        l.x2 = pixelsToTwips(x2);
        l.y2 = pixelsToTwips(y2);
        if (l.x2 < l.x1) {
            std::swap(l.x1, l.x2);
            std::swap(l.y1, l.y2);
        }
        e.selection().placementTool = kNoPlacement;
    });
}

namespace {

Outcome showReservedTitle(Designer& d, int index, const std::string& caption, int format,
                          bool setFormat, bool stampSetting)
{
    return d.change("Place Label", [&](DocumentEdit& e) {
        reserveSpecialTitles(e);
        Title& t = e.touch<Title>(index);
        t.caption = caption;
        t.visible = true;
        t.page = static_cast<int16_t>(e.document().currentPage);
        if (setFormat) {
            t.titleState = static_cast<uint8_t>(format);
            e.touchSettings();
            (stampSetting ? e.document().settings.dateStampFormat
                          : e.document().settings.dateStampFormat2) = static_cast<int16_t>(format);
        }
        e.selection().placementTool = 6;
        e.selection().select(ObjectRef{ObjectKind::Title, index});
        return Outcome::ok();
    });
}

} // namespace

Outcome placeDateLabel(Designer& d, bool stamp, int item, const std::string& caption)
{
    if (item < 0 || item > 5)
        return {};
    return showReservedTitle(d, stamp ? kDateStampLabel : kDateLabel, caption, item, true, stamp);
}

Outcome placeRecordId(Designer& d)
{
    return showReservedTitle(d, kRecordIdLabel, "0000000001", 0, false, false);
}

Outcome placeDocumentBox(Designer& d)
{
    return d.change("Document Box", [&](DocumentEdit& e) {
        ProjectDocument& doc = e.document();
        if (doc.notes.highWater() < kDocumentBoxNotes) {
            if (appendStyledObject(e, ObjectKind::Notes, {}) < 0)
                return Outcome{};
        }
        Notes& n = e.touch<Notes>(kDocumentBoxNotes);
        n.tag = "MemoField" + std::to_string(kDocumentBoxNotes);
        n.maxLength = 10000;
        n.visible = true;
        n.page = static_cast<int16_t>(doc.currentPage);
        assignTab(e);
        e.selection().placementTool = 8;
        e.selection().select(ObjectRef{ObjectKind::Notes, kDocumentBoxNotes});
        return Outcome::ok();
    });
}

} // namespace qv
