#pragma once

#include "designer/objectgeometry.h"
#include "document/objectrecords.h"

#include <type_traits>

// The object clipboard's record of each kind, field by field after the keyword. Each
// function is a template over a clipboard walker (clipboardwalker.h) and an object that is
// const when copying.
//
// Slots that the format names only by role are: Field/Notes frame colour, style and fill =
// frameBorderColor, frameStyle, frameFillColor; the Field's four further values =
// noDefaultDate, dateOffsetDays, caseRule, fieldFormat; the Notes print flag = notesState;
// Combo 5-6 = border, backStyle, 7-8 = fontName, fontSize, 11-15 = foreColor, backColor,
// textCase, maxLength, comboOption; Checkbox 7-10 = noChart, foreStyle, optionBx,
// borderStyle; Button 5 = fontName (the record's second text), 6-8 = backColor,
// renderColor, fontSize, 13 = actionCode; Picture 1 = sourcePath.

namespace qv::cliplayout {

template <class W, class T> void title(W& w, T& o)
{
    w.escaped(o.caption);
    w.integer(o.titleState);
    w.x(o.left);
    w.y(o.top);
    w.integer(o.alignment);
    w.plain(o.fontName);
    w.boolean(o.fontBold);
    w.boolean(o.fontItalic);
    w.boolean(o.fontUnderline);
    w.number(o.fontSize);
    w.escaped(o.tag);
    w.escaped(o.toolTipText);
    w.integer(o.foreColor);
}

template <class W, class S> void square(W& w, S& o)
{
    w.x(o.left);
    w.y(o.top);
    w.size(o.width);
    w.size(o.height);
    w.integer(o.backColor);
    w.integer(o.borderColor);
    w.integer(o.borderStyle);
    w.integer(o.fillColor);
    w.integer(o.shape);
    w.integer(o.fillStyle);
    w.integer(o.borderWidth);
}

template <class W, class L> void line(W& w, L& o)
{
    w.x(o.x1);
    w.y(o.y1);
    w.x(o.x2);
    w.y(o.y2);
    w.integer(o.borderColor);
    w.integer(o.lineState);
}

template <class W, class S> void script(W& w, S& o)
{
    w.x(o.left);
    w.y(o.top);
    w.size(o.width);
    w.size(o.height);
    w.escaped(o.tag);
}

template <class W, class P> void picture(W& w, P& o)
{
    w.escaped(o.sourcePath);
    w.x(o.left);
    w.y(o.top);
    w.size(o.width);
    w.size(o.height);
    w.integer(o.appearance);
    w.boolean(o.stretch);
    w.escaped(o.tag);
    w.escaped(o.toolTipText);
    w.integer(o.pictureState);
    if constexpr (W::kReading) {
        // The image travels by its path; bytes of another picture must not come along.
        o.imageBytes.reset();
        o.storedFileName.clear();
    }
}

template <class W, class C> void checkbox(W& w, C& o)
{
    w.x(o.left);
    w.y(o.top);
    w.escaped(o.tag);
    w.escaped(o.toolTipText);
    w.integer(o.printon);
    w.integer(o.lockEnabled);
    w.integer(o.noChart);
    w.integer(o.foreStyle);
    w.integer(o.optionBx);
    w.integer(o.borderStyle);
}

template <class W, class C> void combo(W& w, C& o)
{
    w.x(o.left);
    w.y(o.top);
    w.size(o.width);
    w.fixedPixels(kComboHeightPixels);
    w.integer(o.border);
    w.integer(o.backStyle);
    w.plain(o.fontName);
    w.number(o.fontSize);
    w.boolean(o.fontBold);
    w.boolean(o.fontItalic);
    w.integer(o.foreColor);
    w.integer(o.backColor);
    w.integer(o.textCase);
    w.integer(o.maxLength);
    w.integer(o.comboOption);
    w.escaped(o.toolTipText);
    w.integer(o.printon);
    w.integer(o.lockEnabled);
    w.integer(o.noSearch);
    w.listItems(o.listItems);
}

// Field and Notes share one record: the frame, the text box, then the font and box values.
// Pasting puts the box inside the frame first, so that a record with the frame and no box
// still gives a box; the box fields then place it exactly, and the frame keeps its size.
template <class W, class T> void boxedField(W& w, T& o)
{
    PixelRect frame = frameRect(o);
    w.pixelX(frame.left);
    w.pixelY(frame.top);
    w.pixels(frame.width);
    w.pixels(frame.height);
    w.integer(o.frameBorderColor);
    w.integer(o.frameStyle);
    w.integer(o.frameFillColor);
    if constexpr (W::kReading) {
        placeRecord(o, frame.left + kFrameInset, frame.top + kFrameInset);
        setRecordSize(o, std::max(0.0f, frame.width - 2 * kFrameInset),
                      std::max(0.0f, frame.height - 2 * kFrameInset));
    }
    w.x(o.left);
    w.y(o.top);
    w.size(o.width);
    w.size(o.height);
    if constexpr (W::kReading) {
        const PixelRect box = recordRect(o);
        o.frameExtraWidth = std::max(0.0f, frame.width - box.width);
        o.frameExtraHeight = std::max(0.0f, frame.height - box.height);
    }
    if constexpr (std::is_same_v<std::remove_const_t<T>, Field>) {
        w.integer(o.alignment);
    } else {
        int16_t noAlignment = 0; // a memo box is always left aligned
        w.integer(noAlignment);
    }
    w.integer(o.appearance);
    w.integer(o.backColor);
    w.integer(o.foreColor);
    w.plain(o.fontName);
    w.number(o.fontSize);
    w.boolean(o.fontBold);
    w.boolean(o.fontItalic);
    w.fixedBoolean(false); // the text box has no underline of its own
    w.escaped(o.toolTipText);
    w.integer(o.borderStyle);
    w.integer(o.maxLength);
}

template <class W, class F> void field(W& w, F& o)
{
    boxedField(w, o);
    w.integer(o.printon);
    w.integer(o.lockEnabled);
    w.integer(o.noSearch);
    w.integer(o.noDefaultDate);
    w.integer(o.dateOffsetDays);
    w.integer(o.caseRule);
    w.integer(o.fieldFormat);
    w.escaped(o.fieldFormula);
    int16_t dummy = o.dummyField ? -1 : 0;
    w.integer(dummy);
    if constexpr (W::kReading)
        o.dummyField = dummy != 0;
}

template <class W, class N> void notes(W& w, N& o)
{
    boxedField(w, o);
    w.integer(o.notesState);
    w.integer(o.lockEnabled);
    w.integer(o.noSearch);
}

template <class W, class B> void button(W& w, B& o)
{
    w.x(o.left);
    w.y(o.top);
    w.size(o.width);
    w.size(o.height);
    w.plain(o.fontName);
    w.integer(o.backColor);
    w.integer(o.renderColor);
    w.integer(o.fontSize);
    w.escaped(o.caption);
    w.escaped(o.tag);
    w.escaped(o.toolTipText);
    w.escaped(o.buttonAction);
    w.integer(o.actionCode);
}

// The record of any kind.
template <class W, class T> void record(W& w, T& o)
{
    using R = std::remove_const_t<T>;
    if constexpr (std::is_same_v<R, Title>)
        title(w, o);
    else if constexpr (std::is_same_v<R, Square>)
        square(w, o);
    else if constexpr (std::is_same_v<R, Line>)
        line(w, o);
    else if constexpr (std::is_same_v<R, Script>)
        script(w, o);
    else if constexpr (std::is_same_v<R, Picture>)
        picture(w, o);
    else if constexpr (std::is_same_v<R, Checkbox>)
        checkbox(w, o);
    else if constexpr (std::is_same_v<R, Combo>)
        combo(w, o);
    else if constexpr (std::is_same_v<R, Field>)
        field(w, o);
    else if constexpr (std::is_same_v<R, Notes>)
        notes(w, o);
    else
        button(w, o);
}

} // namespace qv::cliplayout
