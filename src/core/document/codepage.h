#pragma once

#include <string>
#include <string_view>

namespace qv {

// Conversion between the UTF-8 text used inside the program and the Windows code page that
// project files use for a document's character set.
class CodePage {
public:
    // The code page of a Windows character-set number (0 Western -> windows-1252, 204
    // Cyrillic -> windows-1251, ...). Unknown numbers fall back to windows-1252.
    static CodePage forCharset(int charset);
    static CodePage western() { return forCharset(0); }

    const std::string& name() const { return name_; }

    // Bytes in this code page to UTF-8. Never fails: in the single-byte Western page the
    // five unassigned bytes map to the C1 controls of the same value, so every byte string
    // survives a round trip.
    std::string toUtf8(std::string_view bytes) const;

    // UTF-8 to bytes in this code page. Characters the page cannot hold become "?";
    // `lossy` is set when that happened.
    std::string fromUtf8(std::string_view utf8, bool& lossy) const;

private:
    explicit CodePage(std::string name) : name_(std::move(name)) {}
    std::string name_;
};

} // namespace qv
