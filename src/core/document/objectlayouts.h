#pragma once

#include "document/objectrecords.h"

#include <type_traits>

// The record of each kind of object, in stored order. Each function is a template over a
// walker (recordio.h) and an object that is const when writing.

namespace qv::layout {

template <class W, class S> void square(W& w, S& s)
{
    w.integer(s.page);
    w.byte(s.squareState);
    if (s.page == 0)
        w.boolean(s.visible);
    w.long32(s.backColor);
    w.long32(s.borderColor);
    w.long32(s.fillColor);
    w.integer(s.shape);
    w.integer(s.borderWidth);
    w.integer(s.fillStyle);
    w.integer(s.borderStyle);
    w.single(s.width);
    w.single(s.height);
    w.single(s.top);
    w.single(s.left);
}

template <class W, class L> void line(W& w, L& l)
{
    w.integer(l.page);
    if (l.page == 0)
        w.boolean(l.visible);
    w.single(l.x1);
    w.single(l.y1);
    w.single(l.x2);
    w.single(l.y2);
    w.long32(l.borderColor);
    w.byte(l.lineState);
}

template <class W, class F> void field(W& w, F& f)
{
    w.byte(f.fieldState);
    w.boolean(f.dummyField);
    w.integer(f.page);
    w.byte(f.noDefaultDate);
    if (f.page == 0)
        w.boolean(f.visible);
    w.byte(f.lockEnabled);
    w.integer(f.printon);
    w.byte(f.noSearch);
    w.single(f.width);
    w.single(f.height);
    w.long32(f.maxLength);
    w.single(f.top);
    w.single(f.left);
    w.str(f.fontName);
    w.long32(f.foreColor);
    w.boolean(f.fontBold);
    w.boolean(f.fontItalic);
    w.long32(f.backColor);
    w.single(f.fontSize);
    w.str(f.tag);
    w.integer(f.tabOrder);
    w.integer(f.appearance);
    w.integer(f.borderStyle);
    if (f.framed()) {
        w.long32(f.frameBorderColor);
        w.long32(f.frameFillColor);
    }
    w.integer(f.alignment);
    w.str(f.toolTipText);
    w.integer(f.dateOffsetDays);
    w.byte(f.caseRule);
    w.byte(f.fieldFormat);
    w.str(f.fieldFormula);
    w.str(f.text);
}

template <class W, class T> void title(W& w, T& t)
{
    w.integer(t.alignment);
    w.integer(t.page);
    if (t.page == 0)
        w.boolean(t.visible);
    w.byte(t.titleState);
    w.str(t.fontName);
    w.boolean(t.fontItalic);
    w.boolean(t.fontBold);
    w.boolean(t.fontUnderline);
    w.single(t.fontSize);
    w.long32(t.foreColor);
    w.single(t.left);
    w.single(t.top);
    w.str(t.caption);
    w.str(t.tag);
    w.str(t.toolTipText);
}

// Everything of a combo but its list items, which the project walk bounds-checks.
template <class W, class C> void comboHead(W& w, C& c)
{
    w.long32(c.noChart);
    w.integer(c.textCase);
    w.integer(c.maxLength);
    w.long32(c.page);
    if (c.page == 0)
        w.boolean(c.visible);
    w.long32(c.lockEnabled);
    w.long32(c.printon);
    w.long32(c.noSearch);
    w.long32(c.comboOption);
    w.single(c.width);
    w.single(c.top);
    w.single(c.left);
    w.long32(c.foreColor);
    w.boolean(c.fontBold);
    w.boolean(c.fontItalic);
    w.long32(c.backColor);
    w.single(c.fontSize);
    w.str(c.fontName);
    w.str(c.tag);
    w.long32(c.tabOrder);
    w.str(c.toolTipText);
    w.long32(c.border);
    w.long32(c.backStyle);
}

template <class W, class N> void notes(W& w, N& n)
{
    w.integer(n.page);
    if (n.page == 0)
        w.boolean(n.visible);
    w.byte(n.lockEnabled);
    w.byte(n.notesState);
    w.byte(n.noSearch);
    w.single(n.width);
    w.single(n.height);
    w.long32(n.maxLength);
    w.single(n.top);
    w.single(n.left);
    w.long32(n.foreColor);
    w.str(n.fontName);
    w.boolean(n.fontBold);
    w.boolean(n.fontItalic);
    w.long32(n.backColor);
    w.single(n.fontSize);
    w.str(n.tag);
    w.integer(n.tabOrder);
    w.integer(n.appearance);
    w.integer(n.borderStyle);
    if (n.framed()) {
        w.long32(n.frameBorderColor);
        w.long32(n.frameFillColor);
    }
    w.str(n.toolTipText);
}

template <class W, class C> void checkbox(W& w, C& c)
{
    w.byte(c.checkState);
    w.integer(c.page);
    if (c.page == 0)
        w.boolean(c.visible);
    w.byte(c.printon);
    w.byte(c.lockEnabled);
    w.byte(c.noChart);
    w.integer(c.foreStyle);
    w.single(c.top);
    w.single(c.left);
    w.str(c.tag);
    w.integer(c.tabOrder);
    w.str(c.toolTipText);
    w.byte(c.optionBx);
    w.integer(c.borderStyle);
}

template <class W, class B> void button(W& w, B& b)
{
    w.integer(b.page);
    w.str(b.caption);
    w.str(b.tag);
    w.str(b.fontName);
    w.str(b.toolTipText);
    w.long32(b.backColor);
    w.fixedInteger(0);
    w.fixedInteger(0);
    w.long32(b.fontSize);
    w.single(b.top);
    w.single(b.left);
    w.single(b.width);
    w.single(b.height);
    w.long32(b.renderColor);
    w.long32(b.border);
    w.integer(b.tabOrder);
    w.str(b.buttonAction);
}

// `image` reads or writes the picture's file name and, when there is one, its bytes: the
// reader and the writer each have their own work to do with the file.
template <class W, class P, class Image> void picture(W& w, P& p, Image image)
{
    w.str(p.displayPath);
    w.integer(p.page);
    if (p.page == 0)
        w.boolean(p.visible);
    w.byte(p.pictureState);
    w.single(p.height);
    w.single(p.width);
    image(w, p);
    w.single(p.top);
    w.single(p.left);
    w.str(p.toolTipText);
    w.integer(p.appearance);
    w.boolean(p.stretch);
    w.integer(p.borderStyle);
    w.str(p.tag);
}

template <class W, class S> void script(W& w, S& s)
{
    w.single(s.width);
    w.single(s.height);
    w.single(s.left);
    w.single(s.top);
    w.str(s.tag);
    w.integer(s.page);
}

} // namespace qv::layout
