#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace qv {

// The version-resource texts that a runtime image carries as UTF-16 strings of exactly 40
// characters, for the builder to overwrite. Their first 15 characters differ, because
// ReplaceBin compares only those.
inline constexpr std::string_view kCompanyNamePlaceholder =
    "#QVCOMPANYNAME##########################";
inline constexpr std::string_view kFileDescriptionPlaceholder =
    "#QVFILEDESCRIP##########################";
inline constexpr std::string_view kLegalCopyrightPlaceholder =
    "#QVLEGALCOPYRT##########################";
inline constexpr std::string_view kLegalTrademarksPlaceholder =
    "#QVLEGALTRADEM##########################";
inline constexpr std::string_view kProductNamePlaceholder =
    "#QVPRODUCTNAME##########################";
// The runtime's original file name, replaced only by names that fit in its 15 characters.
inline constexpr std::string_view kOriginalFilenamePlaceholder = "Application.exe";
inline constexpr size_t kPlaceholderLength = 40;
inline constexpr size_t kComparedCharacters = 15;

// Overwrites every occurrence of `placeholder` (as UTF-16LE) in `buffer` with `value` (UTF-8,
// written as UTF-16LE), cut to the placeholder's length or padded with zero characters, so
// the buffer's size never changes. An occurrence is found by the low bytes of the first 15
// characters only. Returns the 0-based index of the last replacement, 0 when none. Only
// characters of the Basic Multilingual Plane are written; others become "?".
int64_t ReplaceBin(std::vector<uint8_t>& buffer, std::string_view placeholder,
                   std::string_view value);

// UTF-8 to UTF-16 code units; characters outside the BMP and broken sequences become "?".
std::u16string Utf16Of(std::string_view utf8);

} // namespace qv
