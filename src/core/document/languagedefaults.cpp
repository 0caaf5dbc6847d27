#include "document/languagedefaults.h"

#include "document/appsettings.h"
#include "document/languagetable.h"

#include <array>
#include <string>

namespace qv {

namespace {

struct MenuDefault {
    MenuCaption menu;
    int entry;           // 0: the language has no text for it
    const char* english; // the caption the project file names for it, or none
};

// Every menu of the designed window, so that a new project starts with each caption set.
constexpr std::array<MenuDefault, static_cast<size_t>(MenuCaption::Count)> kMenuDefaults{{
    {MenuCaption::Mlist, 0, "List"},
    {MenuCaption::newin, 59, "Create"},
    {MenuCaption::Printingit, 110, "Print"},
    {MenuCaption::Exitit, 146, "Exit"},
    {MenuCaption::copyadress, 0, "Copy All..."},
    {MenuCaption::Erasefile, 0, "Clear Record"},
    {MenuCaption::Deletemarkrec, 75, "New Record"},
    {MenuCaption::findenSortAZ, 0, "Sort A-Z"},
    {MenuCaption::findenSortZA, 0, "Sort Z-A"},
    {MenuCaption::Cal, 89, "Calculator"},
    {MenuCaption::infoo, 0, "Information"},
    {MenuCaption::Aboutit, 91, "About"},
    {MenuCaption::newview, 0, "New View"},
    {MenuCaption::Fmenu, 37, "&File"},
    {MenuCaption::ops, 38, "&Edit"},
    {MenuCaption::Finding, 95, "&Search"},
    {MenuCaption::helpit, 44, "&Help"},
    {MenuCaption::ViewDoc, 119, "View Document"},
    {MenuCaption::expot, 87, "Export"},
    {MenuCaption::copying, 0, "Copy..."},
    {MenuCaption::pasting, 0, "Paste..."},
    {MenuCaption::Cuting, 57, "Cut"},
    {MenuCaption::findenSortOldNew, 0, "Sort Old-New"},
    {MenuCaption::findenItem4, 0, ""}, // shown only when the user gives it a caption
    {MenuCaption::importmenu, 88, "Import"},
}};

constexpr int kFirstPageButtonEntry = 22;
constexpr int kFirstCommonLabelEntry = 75;
constexpr int kCommonLabelEntries = 42; // 75..116
constexpr int kFirstTextListEntry = 192;
constexpr int kDeleteRecordEntry = 79;

// Replaces `slot` by `value` unless the user changed it: with a previous language, the slot
// must be empty or hold that language's text.
class Filler {
public:
    explicit Filler(bool keepUserTexts) : keepUserTexts_(keepUserTexts) {}

    void fill(std::string& slot, const std::string& value, const std::string& previousValue)
    {
        if (keepUserTexts_ && !slot.empty() && slot != previousValue)
            return;
        if (slot != value) {
            slot = value;
            changed_ = true;
        }
    }
    template <class T> void fillValue(T& slot, T value, T previousValue)
    {
        if (keepUserTexts_ && slot != previousValue)
            return;
        if (slot != value) {
            slot = value;
            changed_ = true;
        }
    }
    bool changed() const { return changed_; }

private:
    bool keepUserTexts_;
    bool changed_ = false;
};

// A language text, or `fallback` where the language leaves the entry empty.
std::string textOr(const LanguageTable* language, int entry, const char* fallback)
{
    if (language != nullptr && entry != 0 && !language->text(entry).empty())
        return language->text(entry);
    return fallback;
}

} // namespace

bool applyLanguageDefaults(AppSettings& s, const LanguageTable& language,
                           const LanguageTable* previous)
{
    Filler filler(previous != nullptr);
    for (const MenuDefault& menu : kMenuDefaults) {
        filler.fill(s.menuCaption(menu.menu), textOr(&language, menu.entry, menu.english),
                    textOr(previous, menu.entry, menu.english));
    }
    filler.fill(s.deleteRecordMenuCaption, language.text(kDeleteRecordEntry),
                textOr(previous, kDeleteRecordEntry, ""));
    for (size_t i = 0; i < s.pageButtonCaptions.size(); ++i) {
        const int entry = kFirstPageButtonEntry + static_cast<int>(i);
        const std::string english = "Page " + std::to_string(i + 1);
        filler.fill(s.pageButtonCaptions[i], textOr(&language, entry, english.c_str()),
                    textOr(previous, entry, english.c_str()));
    }
    for (int i = 0; i < kCommonLabelEntries; ++i) {
        const int entry = kFirstCommonLabelEntry + i;
        filler.fill(s.commonLabels[static_cast<size_t>(i)], language.text(entry),
                    textOr(previous, entry, ""));
    }
    for (int i = 0; i < kTextListCount; ++i) {
        const int entry = kFirstTextListEntry + i;
        filler.fill(s.textList[static_cast<size_t>(i)], language.text(entry),
                    textOr(previous, entry, ""));
    }
    const int16_t previousCharset =
        previous != nullptr ? static_cast<int16_t>(previous->charset) : s.defaultCharset;
    filler.fillValue(s.defaultCharset, static_cast<int16_t>(language.charset), previousCharset);
    filler.fill(s.defaultFontName, language.font,
                previous != nullptr ? previous->font : s.defaultFontName);
    return filler.changed();
}

bool applyLanguageToDocument(AppSettings& settings, const LanguageTable& language,
                             std::string_view languageName, const LanguageTable* previous)
{
    bool changed = applyLanguageDefaults(settings, language, previous);
    const uint8_t code = languageCodeFor(languageName, settings.languageCode);
    if (code != settings.languageCode) {
        settings.languageCode = code;
        changed = true;
    }
    return changed;
}

} // namespace qv
