#pragma once

#include "document/appsettings.h"

// The application settings as the project stores them, in pieces: the project walk puts
// the object sections between them. Templates over a walker (recordio.h).

namespace qv::layout {

// Header items 9 to 21, after the icon bytes.
template <class W, class A> void settingsAfterIcon(W& w, A& a, const std::string& helpFileName)
{
    for (int i = 0; i < kFilePlateCount; ++i) {
        w.str(a.filePlates[i].extension);
        w.str(a.filePlates[i].templateText);
        w.str(a.viewDocumentCaptions[i]);
    }
    w.str(a.text9);
    for (auto& colour : a.colourTable)
        w.long32(colour);
    w.fixedLong(0);
    w.boolean(a.pageSize20Checked);
    w.integer(a.calendarOption);
    w.integer(a.pageScrollerValue);
    w.long32(a.pageScrollerColor);
    w.fixedInteger(0);
    w.single(a.surfaceFrameWidth);
    w.integer(a.dateStampFormat2);
    w.single(a.pageScrollerLeft);
    w.single(a.surfaceFrameTop);
    w.single(a.pageScrollerHeight);
    w.single(a.designWindowWidth);
    w.single(a.designWindowHeight);
    w.str(a.aboutText);
    w.str(a.picturePath52);
    w.boolean(a.calculatorMenuVisible);
    w.integer(a.aboutBoxOption);
    w.integer(a.calculatorOption);
    w.boolean(a.aboutMenuVisible);
    w.fixedInteger(0);
    if constexpr (W::kReading)
        w.str(a.helpFileName);
    else
        w.str(helpFileName);
    w.str(a.text5);
}

// Before the pictures: the e-mail name field, the icon path and a picture path.
template <class W, class A> void settingsBeforePictures(W& w, A& a)
{
    w.integer(a.emailNameField);
    w.str(a.iconFilePath);
    w.str(a.picturePath51);
}

template <class W, class A> void notesTable(W& w, A& a)
{
    for (auto& entry : a.notesTable)
        w.long32(entry);
}

// Menu captions, screen help, statistics caption, menu texts, about address, date menu.
template <class W, class A> void menuSettings(W& w, A& a)
{
    for (auto& caption : a.menuCaptions)
        w.str(caption);
    w.str(a.screenHelpText);
    w.str(a.statisticsCaption);
    for (auto& text : a.menuTexts)
        w.str(text);
    w.str(a.aboutAddress);
    w.integer(a.dateStampFormat);
}

// Optional programs, data extension, labels, function keys and the application options,
// up to the page-button captions (between the buttons and the scripts).
template <class W, class A> void settingsAfterButtons(W& w, A& a)
{
    for (auto& program : a.optionalPrograms) {
        w.boolean(program.visible);
        w.str(program.caption);
        w.str(program.commandLine);
    }
    w.str(a.dataFileExtension);
    w.integer(a.tileBackgroundMode);
    w.integer(a.exportOption);
    for (auto& label : a.commonLabels)
        w.str(label);
    for (auto& text : a.functionKeyTexts)
        w.str(text);

    w.integer(a.desktopIconOption);
    for (auto& text : a.versionTexts)
        w.str(text);
    for (auto& text : a.searchTexts)
        w.str(text);
    w.integer(a.searchMultiSelect);
    w.str(a.searchListSelection);
    w.integer(a.searchCheck2);
    w.fixedInteger(11);
    w.integer(a.searchCheck3);
    w.integer(a.searchExport);
    w.integer(a.searchLastFirst);
    w.integer(a.removeBaseButtonsRibbon);
    w.single(a.menuLabelFrameTop);
    w.single(a.menuLabelFrameLeft);
    w.integer(a.documentSetting);
    w.str(a.csvDelimiter);
    for (auto& text : a.textList)
        w.str(text);
    w.integer(a.encryption);
    w.integer(a.sizable);
    w.integer(a.check13);
    w.integer(a.check14);
    w.integer(a.removeButtonRibbon);
    for (int i = 0; i < 7; ++i)
        w.fixedInteger(0);
    w.str(a.documentString);
    w.integer(a.removeBaseButtonsRibbon);
    w.str(a.deleteRecordMenuCaption);
    w.integer(a.check12);
    w.integer(a.check3);
    w.integer(a.emailFieldBoxIndex);
    w.integer(a.pageSizeCode);
    if (a.pageSizeCode == kPageSizeCustom) {
        w.single(a.surfaceWidth);
        w.single(a.surfaceHeight);
    }
    w.str(a.replaceMenuCaption);
    for (auto& caption : a.pageButtonCaptions)
        w.str(caption);
}

} // namespace qv::layout
