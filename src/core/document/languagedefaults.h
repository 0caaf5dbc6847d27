#pragma once

#include <string_view>

namespace qv {

struct AppSettings;
class LanguageTable;

// The texts a language gives a designed application by default, and where they go:
//
//   designed window's menus   File 37, Edit 38, Search 95, Help 44, Create 59, Print 110,
//                             New Record 75, Calculator 89, About 91, View Document 119,
//                             Export 87, Import 88, Cut 57, Exit 146; the delete-record
//                             menu 79. The menus without an entry of their own keep the
//                             English captions the project file gives them ("Copy All...",
//                             "Clear Record", "Sort A-Z", ...).
//   page buttons              entries 22..26
//   common labels 0..41       entries 75..116: the built application's own words (record
//                             menus, record moves, the search window, the base buttons)
//   text list 0..59           entries 192..251: the words of the Configurations and build
//                             dialogs
//
// and the language file's character set and font become the application's defaults.
//
// With `previous` (the language that was in force), only texts the user has not changed
// are replaced: a slot that is empty or still holds the previous language's text. Without
// it (a new document) every slot above is filled. Returns true when a setting changed.
bool applyLanguageDefaults(AppSettings& settings, const LanguageTable& language,
                           const LanguageTable* previous = nullptr);

// All of the above for a chosen language: the defaults, and the project language code set
// from the language name (languageCodeFor). Returns true when a setting changed.
bool applyLanguageToDocument(AppSettings& settings, const LanguageTable& language,
                             std::string_view languageName,
                             const LanguageTable* previous = nullptr);

} // namespace qv
