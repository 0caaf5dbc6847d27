#pragma once

#include "builder/appdata.h"
#include "document/objectkind.h"

#include <algorithm>
#include <string>

// The record layout of a built application's data block, written once as templates over a
// block walker (datablockwalker.h) so that the builder and the reader cannot disagree.
// Every string is a KeyStr; sizes and positions are twips.

namespace qv::blocklayout {

// A value held in the model with another width than its slot.
template <class W, class T> void integerOf(W& w, T& v)
{
    auto slot = static_cast<int16_t>(v);
    w.integer(slot);
    if constexpr (W::kReading)
        v = static_cast<T>(slot);
}

template <class W, class T> void byteOf(W& w, T& v)
{
    auto slot = static_cast<uint8_t>(v);
    w.byte(slot);
    if constexpr (W::kReading)
        v = static_cast<T>(slot);
}

// A flag stored as an Integer, -1 for true.
template <class W, class T> void integerFlag(W& w, T& v)
{
    int16_t slot = v ? -1 : 0;
    w.integer(slot);
    if constexpr (W::kReading)
        v = slot != 0;
}

// A count slot, then one record per element. Kinds indexed from 0 store the highest index
// (-1 when empty); the others store the number of elements.
template <class W, class V, class Record>
void counted(W& w, V& items, ObjectKind kind, const char* what, Record record)
{
    const KindLimits limits = limitsOf(kind);
    const int shift = limits.firstIndex == 0 ? 1 : 0;
    int count = static_cast<int>(items.size()) - shift;
    w.count(count, -shift, limits.highestIndex, what);
    if constexpr (W::kReading)
        items.resize(static_cast<size_t>(count + shift));
    for (size_t i = 0; i < items.size(); ++i) {
        w.setContext(std::string(what) + " " + std::to_string(i + 1 - static_cast<size_t>(shift)));
        record(w, items[i]);
    }
}

template <class W, class A> void header(W& w, A& a)
{
    w.setContext("The About text");
    w.aboutText(a.aboutText);
    w.setContext("The header");
    w.integer(a.pageScrollerValue);
    w.long32(a.pageScrollerColor);
    w.boolean(a.title1Visible);
    w.keyStr(a.exportExtension);
    w.integer(a.toolBoxField);
    w.single(a.surfaceWidth);
    w.single(a.surfaceHeight);
    w.single(a.pageScrollerHeight);
    w.boolean(a.landscape);
    w.integer(a.calendarOption);
    std::string marker = "C";
    w.keyStr(marker);
    if constexpr (W::kReading) {
        if (marker != "C")
            w.fail("the header does not hold the marker \"C\"; this is not an application's data");
    }
    w.keyStr(a.replaceMenuCaption);
    for (auto& text : a.moduleStrings)
        w.keyStr(text);
    w.integer(a.encryption);
    w.keyStr(a.csvDelimiter);
    w.byte(a.languageCode);
    w.keyStr(a.defaultFontName);
    w.integer(a.sizable);
    w.integer(a.defaultCharset);
    w.setContext("The text list");
    for (auto& text : a.textList)
        w.keyStr(text);
}

template <class W, class S> void square(W& w, S& s)
{
    w.integer(s.page);
    w.byte(s.squareState);
    w.long32(s.backColor);
    w.long32(s.borderColor);
    w.long32(s.fillColor);
    w.integer(s.shape);
    w.integer(s.borderWidth);
    w.integer(s.fillStyle);
    w.single(s.width);
    w.single(s.height);
    w.integer(s.borderStyle);
    w.single(s.top);
    w.single(s.left);
}

template <class W, class L> void line(W& w, L& l)
{
    w.integer(l.page);
    w.single(l.x1);
    w.single(l.y1);
    w.single(l.x2);
    w.single(l.y2);
    w.long32(l.borderColor);
    w.byte(l.lineState);
}

template <class W, class P> void picture(W& w, P& p)
{
    w.keyStr(p.picture.displayPath);
    w.integer(p.picture.page);
    if (p.picture.page >= kParkedPage)
        return;
    w.byte(p.picture.pictureState);
    w.pictureFile(p.fileName, p.bytes);
    w.single(p.picture.top);
    w.single(p.picture.left);
    w.keyStr(p.picture.toolTipText);
    w.integer(p.picture.appearance);
    w.boolean(p.picture.stretch);
    w.single(p.picture.height);
    w.single(p.picture.width);
    w.integer(p.picture.borderStyle);
    w.keyStr(p.picture.tag);
}

template <class W, class T> void title(W& w, T& t)
{
    w.integer(t.page);
    w.byte(t.titleState);
    w.keyStr(t.fontName);
    w.boolean(t.fontItalic);
    w.boolean(t.fontBold);
    w.boolean(t.fontUnderline);
    w.single(t.fontSize);
    w.long32(t.foreColor);
    w.single(t.left);
    w.single(t.top);
    w.keyStr(t.caption);
    w.integer(t.alignment);
    w.keyStr(t.tag);
    w.keyStr(t.toolTipText);
}

template <class W, class F> void field(W& w, F& b)
{
    auto& f = b.field;
    w.byte(f.fieldState);
    w.boolean(f.dummyField);
    w.byte(f.noDefaultDate);
    w.byte(f.lockEnabled);
    w.integer(f.page);
    w.integer(f.printon);
    w.byte(f.noSearch);
    w.integer(f.alignment);
    w.long32(f.maxLength);
    w.single(f.top);
    w.single(f.left);
    w.keyStr(f.fontName);
    w.long32(f.foreColor);
    w.boolean(f.fontBold);
    w.boolean(f.fontItalic);
    w.long32(f.backColor);
    w.single(f.fontSize);
    w.keyStr(f.tag);
    w.integer(f.tabOrder);
    w.integer(f.appearance);
    w.keyStr(f.toolTipText);
    integerOf(w, f.fieldFormat);
    w.byte(f.caseRule);
    byteOf(w, b.hasFormula);
    w.keyStr(b.searchLabel);
    w.single(f.height);
    w.single(f.width);
    w.integer(f.borderStyle);
    w.boolean(b.frameInUse);
    w.long32(f.frameBorderColor);
    w.long32(f.frameFillColor);
}

template <class W, class C> void combo(W& w, C& c)
{
    int count = static_cast<int>(c.listItems.size());
    w.longCount(count, 1 << 24, "list items");
    if constexpr (W::kReading)
        c.listItems.resize(static_cast<size_t>(count));
    for (auto& item : c.listItems)
        w.keyStr(item);
    w.long32(c.page);
    w.integer(c.textCase);
    w.integer(c.maxLength);
    w.long32(c.comboOption);
    w.long32(c.noChart);
    w.long32(c.lockEnabled);
    w.long32(c.noSearch);
    w.long32(c.printon);
    w.single(c.top);
    w.single(c.left);
    w.keyStr(c.fontName);
    w.long32(c.foreColor);
    w.boolean(c.fontBold);
    w.boolean(c.fontItalic);
    w.long32(c.backColor);
    w.single(c.fontSize);
    w.keyStr(c.tag);
    w.long32(c.tabOrder);
    w.keyStr(c.toolTipText);
    w.single(c.width);
    w.long32(c.border);
    w.long32(c.backStyle);
}

template <class W, class N> void notes(W& w, N& b)
{
    auto& n = b.notes;
    w.integer(n.page);
    w.byte(n.lockEnabled);
    w.byte(n.notesState);
    w.byte(n.noSearch);
    w.long32(n.maxLength);
    w.single(n.top);
    w.single(n.left);
    w.long32(n.foreColor);
    w.keyStr(n.fontName);
    w.boolean(n.fontBold);
    w.boolean(n.fontItalic);
    w.long32(n.backColor);
    w.single(n.fontSize);
    w.keyStr(n.tag);
    w.integer(n.tabOrder);
    w.integer(n.appearance);
    w.keyStr(n.toolTipText);
    w.single(n.height);
    w.single(n.width);
    w.integer(n.borderStyle);
    w.boolean(b.frameInUse);
    w.long32(n.frameBorderColor);
    w.long32(n.frameFillColor);
}

template <class W, class C> void checkbox(W& w, C& c)
{
    w.byte(c.checkState);
    w.integer(c.page);
    w.byte(c.printon);
    w.byte(c.lockEnabled);
    w.byte(c.noChart);
    w.single(c.top);
    w.single(c.left);
    w.keyStr(c.toolTipText);
    w.keyStr(c.tag);
    w.integer(c.tabOrder);
    w.byte(c.optionBx);
    w.integer(c.foreStyle);
    w.integer(c.borderStyle);
}

template <class W, class B> void button(W& w, B& b)
{
    w.integer(b.page);
    w.keyStr(b.caption);
    w.keyStr(b.tag);
    w.keyStr(b.fontName);
    w.keyStr(b.toolTipText);
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
    w.keyStr(b.buttonAction);
}

template <class W, class A> void windowSettings(W& w, A& a)
{
    w.setContext("The window settings");
    w.integer(a.exportOption);
    integerFlag(w, a.aboutMenuVisible);
    w.integer(a.aboutBoxOption);
    w.keyStr(a.aboutAddress);
    w.boolean(a.calculatorMenuVisible);
    w.keyStr(a.helpFileName);
    w.keyStr(a.text5);
    w.setContext("The menu captions");
    for (auto& caption : a.menuCaptions)
        w.keyStr(caption);
    w.integer(a.dateStampFormat);
    w.keyStr(a.text9);
    w.keyStr(a.deleteRecordMenuCaption);
    for (auto& text : a.moduleStrings)
        w.keyStr(text);
    w.integer(a.dateStampFormat2);
    w.integer(a.calculatorOption);
}

template <class W, class A> void texts(W& w, A& a)
{
    w.setContext("The common labels");
    for (auto& label : a.commonLabels)
        w.keyStr(label);
    w.long32(a.buildDate);
    w.setContext("The function-key texts");
    for (auto& text : a.functionKeyTexts)
        w.keyStr(text);
}

template <class W, class A> void searchSettings(W& w, A& a)
{
    for (auto& code : a.searchColumnRefs)
        w.integer(code);
    w.setContext("The search window settings");
    w.keyStr(a.documentString);
    w.integer(a.searchMultiSelect);
    w.integer(a.searchCheck2);
    w.integer(a.searchCheck3);
    w.integer(a.searchExport);
    w.integer(a.searchLastFirst);
    w.boolean(a.menuLabelFrameVisible);
    w.single(a.menuLabelFrameTop);
    w.single(a.menuLabelFrameLeft);
    w.integer(a.check12);
    w.integer(a.check13);
    w.keyStr(a.searchListSelection);
    w.keyStr(a.statisticsCaption);
    w.boolean(a.tileBackgroundVisible);
    w.setContext("The window title");
    w.keyStr(a.windowTitle);
    w.integer(a.check14);
    w.boolean(a.baseButtonsVisible);
    w.integer(a.emailNameField);
    w.integer(a.emailFieldBoxIndex);
    w.integer(a.removeButtonRibbon);
}

template <class W, class A> void webScripts(W& w, A& a)
{
    int count = static_cast<int>(a.scripts.size());
    w.count(count, 0, limitsOf(ObjectKind::Script).highestIndex, "web scripts");
    if constexpr (W::kReading)
        a.scripts.resize(static_cast<size_t>(count));
    for (size_t i = 0; i < a.scripts.size(); ++i) {
        w.setContext("Web script " + std::to_string(i + 1));
        w.keyStr(a.scripts[i].fragment);
        w.integer(a.scripts[i].page);
    }
}

template <class W, class A> void filePlates(W& w, A& a)
{
    w.setContext("The file plates");
    w.keyStr(a.viewMenuTitle);
    for (int i = 0; i < kFilePlateCount; ++i) {
        w.setContext("File plate " + std::to_string(i));
        w.keyStr(a.filePlates[i].extension);
        w.keyStr(a.filePlates[i].templateText);
        w.keyStr(a.viewDocumentCaptions[i]);
    }
    for (auto& colour : a.colourTable)
        w.long32(colour);
}

template <class W, class A> void reports(W& w, A& a)
{
    auto slots = static_cast<uint8_t>(a.reports.size());
    w.byte(slots);
    if constexpr (W::kReading)
        a.reports.resize(std::max<size_t>(slots, 1));
    for (size_t r = 1; r < slots; ++r) {
        w.setContext("Report " + std::to_string(r));
        w.keyStr(a.reports[r].caption);
        if (!a.reports[r].caption.empty())
            w.report(a.reports[r].report);
    }
}

template <class W, class A> void fieldExtras(W& w, A& a)
{
    if constexpr (W::kReading) {
        a.fieldFormulas.assign(a.fields.size(), {});
        a.fieldTexts.assign(a.fields.size(), {});
        a.fieldDateOffsets.assign(a.fields.size(), 0);
        if (!w.hasMore())
            return;
    }
    for (size_t i = 0; i < a.fields.size(); ++i) {
        w.setContext("Field " + std::to_string(i + 1));
        w.keyStr(a.fieldFormulas[i]);
        w.keyStr(a.fieldTexts[i]);
        w.integer(a.fieldDateOffsets[i]);
    }
}

// Written only when it differs from the defaults, so that the block of a design without
// optional programs and with the usual page captions ends after section 18 as before.
template <class A> bool runtimeExtrasAreDefault(const A& a)
{
    for (const auto& program : a.optionalPrograms) {
        if (program.visible || !program.caption.empty() || !program.commandLine.empty())
            return false;
    }
    return a.pageButtonCaptions ==
           decltype(a.pageButtonCaptions){"Page 1", "Page 2", "Page 3", "Page 4", "Page 5"};
}

template <class W, class A> void runtimeExtras(W& w, A& a)
{
    if constexpr (W::kReading) {
        if (!w.hasMore())
            return;
    } else {
        if (runtimeExtrasAreDefault(a))
            return;
    }
    for (size_t i = 0; i < a.optionalPrograms.size(); ++i) {
        w.setContext("Optional program " + std::to_string(i));
        w.boolean(a.optionalPrograms[i].visible);
        w.keyStr(a.optionalPrograms[i].caption);
        w.keyStr(a.optionalPrograms[i].commandLine);
    }
    w.setContext("The page buttons");
    for (auto& caption : a.pageButtonCaptions)
        w.keyStr(caption);
}

// The whole block, sections 1 to 19, reporting each section when it is done.
template <class W, class A> void appData(W& w, A& a)
{
    header(w, a);
    w.sectionDone(1);
    counted(w, a.squares, ObjectKind::Square, "Square", [](W& ww, auto& o) { square(ww, o); });
    w.sectionDone(2);
    counted(w, a.lines, ObjectKind::Line, "Line", [](W& ww, auto& o) { line(ww, o); });
    w.sectionDone(3);
    counted(w, a.pictures, ObjectKind::Picture, "Picture", [](W& ww, auto& o) { picture(ww, o); });
    w.sectionDone(4);
    counted(w, a.titles, ObjectKind::Title, "Title", [](W& ww, auto& o) { title(ww, o); });
    w.sectionDone(5);
    counted(w, a.fields, ObjectKind::Field, "Field", [](W& ww, auto& o) { field(ww, o); });
    w.sectionDone(6);
    counted(w, a.combos, ObjectKind::Combo, "Combo", [](W& ww, auto& o) { combo(ww, o); });
    w.sectionDone(7);
    counted(w, a.notes, ObjectKind::Notes, "Notes", [](W& ww, auto& o) { notes(ww, o); });
    w.sectionDone(8);
    counted(w, a.checkboxes, ObjectKind::Checkbox, "Checkbox",
            [](W& ww, auto& o) { checkbox(ww, o); });
    w.sectionDone(9);
    counted(w, a.buttons, ObjectKind::Button, "Button", [](W& ww, auto& o) { button(ww, o); });
    w.sectionDone(10);
    windowSettings(w, a);
    w.sectionDone(11);
    texts(w, a);
    w.sectionDone(12);
    searchSettings(w, a);
    w.sectionDone(13);
    webScripts(w, a);
    w.sectionDone(14);
    filePlates(w, a);
    w.sectionDone(15);
    reports(w, a);
    w.sectionDone(16);
    w.setContext("The last picture");
    w.pictureFile(a.lastPictureName, a.lastPictureBytes);
    w.sectionDone(17);
    fieldExtras(w, a);
    w.sectionDone(18);
    runtimeExtras(w, a);
    w.sectionDone(19);
}

} // namespace qv::blocklayout
