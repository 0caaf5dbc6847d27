#include "document/languagetable.h"

#include "document/atomicfile.h"
#include "document/codepage.h"
#include "document/filebytes.h"
#include "document/utf8.h"

#include <algorithm>

namespace qv {

namespace {

constexpr int kCharsetLine = LanguageTable::kEntryCount + 1;
constexpr int kFontLine = LanguageTable::kEntryCount + 2;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The first `maxLines` lines of a text; CR LF, LF and a lone CR all end a line, and a last
// line without an end still counts.
std::vector<std::string_view> splitLines(std::string_view bytes, std::size_t maxLines)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size() && lines.size() < maxLines) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

std::string_view trimmed(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A Windows character-set number: digits only, 0..255.
std::optional<int> parseCharset(std::string_view text)
{
    if (text.empty() || text.size() > 3) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (value > 255) {
        return std::nullopt;
    }
    return value;
}

std::string quoted(const std::string& fileName)
{
    return "Language file '" + fileName + "'";
}

char lowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Name order without regard to ASCII case; names equal but for case keep byte order, so
// the order never depends on the directory.
bool lessIgnoringAsciiCase(const std::string& a, const std::string& b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char x = lowerAscii(a[i]);
        const char y = lowerAscii(b[i]);
        if (x != y) {
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size();
    }
    return a < b;
}

} // namespace

const std::string& LanguageTable::text(int n) const
{
    static const std::string empty;
    if (n < 1 || n > kEntryCount) {
        return empty;
    }
    return entries_[static_cast<std::size_t>(n)];
}

void LanguageTable::setText(int n, std::string value)
{
    if (n >= 1 && n <= kEntryCount) {
        entries_[static_cast<std::size_t>(n)] = std::move(value);
    }
}

LanguageLoad LanguageTable::read(const std::filesystem::path& path)
{
    LanguageLoad result;
    std::string bytes;
    std::string error;
    if (!ReadFileBytes(path, filelimit::kLanguageFile, bytes, error)) {
        result.error = "Cannot read the language file " + error;
        return result;
    }
    return parse(bytes, path.string());
}

LanguageLoad LanguageTable::parse(std::string_view bytes, const std::string& fileName)
{
    LanguageLoad result;
    LanguageTable table;

    const bool bom = bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark;
    if (bom) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    const std::vector<std::string_view> lines = splitLines(bytes, kFontLine);
    // Only the lines that are read decide the encoding; whatever follows them is ignored.
    const std::size_t usedBytes =
        lines.empty() ? 0 : static_cast<std::size_t>(lines.back().end() - bytes.begin());
    const bool utf8 = isValidUtf8(bytes.substr(0, usedBytes));
    if (bom && !utf8) {
        result.error = quoted(fileName) + " starts with a UTF-8 mark but is not valid UTF-8";
        return result;
    }
    table.encoding = bom ? Encoding::Utf8WithBom : (utf8 ? Encoding::Utf8 : Encoding::CodePage);

    if (lines.size() < static_cast<std::size_t>(kEntryCount)) {
        result.error = quoted(fileName) + " has " + std::to_string(lines.size()) +
                       " lines; it needs " + std::to_string(kEntryCount) +
                       " lines of texts, then the character set and the font";
        return result;
    }

    if (lines.size() < static_cast<std::size_t>(kCharsetLine) ||
        trimmed(lines[kCharsetLine - 1]).empty()) {
        result.warnings.push_back(quoted(fileName) + ", line " + std::to_string(kCharsetLine) +
                                  ": no character set; using " + std::to_string(kDefaultCharset));
    } else {
        const std::string_view charsetText = trimmed(lines[kCharsetLine - 1]);
        const std::optional<int> charsetValue = parseCharset(charsetText);
        if (!charsetValue) {
            result.error = quoted(fileName) + ", line " + std::to_string(kCharsetLine) +
                           ": the character set must be a whole number from 0 to 255, not '" +
                           std::string(charsetText.substr(0, 40)) + "'";
            return result;
        }
        table.charset = *charsetValue;
    }

    const std::string_view fontText = lines.size() >= static_cast<std::size_t>(kFontLine)
                                          ? trimmed(lines[kFontLine - 1])
                                          : std::string_view{};
    if (fontText.empty()) {
        result.warnings.push_back(quoted(fileName) + ", line " + std::to_string(kFontLine) +
                                  ": no font name; using " + std::string(kDefaultFont));
    }

    if (table.encoding == Encoding::CodePage) {
        const CodePage codePage = CodePage::forCharset(table.charset);
        for (int n = 1; n <= kEntryCount; ++n) {
            table.entries_[static_cast<std::size_t>(n)] = codePage.toUtf8(lines[n - 1]);
        }
        if (!fontText.empty()) {
            table.font = codePage.toUtf8(fontText);
        }
    } else {
        for (int n = 1; n <= kEntryCount; ++n) {
            table.entries_[static_cast<std::size_t>(n)] = std::string(lines[n - 1]);
        }
        if (!fontText.empty()) {
            table.font = std::string(fontText);
        }
    }
    result.table = std::move(table);
    return result;
}

bool LanguageTable::serialize(std::string& bytes, std::string& error) const
{
    std::vector<std::string_view> lines;
    const std::string charsetText = std::to_string(charset);
    for (int n = 1; n <= kEntryCount; ++n) {
        lines.push_back(entries_[static_cast<std::size_t>(n)]);
    }
    lines.push_back(charsetText);
    lines.push_back(font);

    const CodePage codePage = CodePage::forCharset(charset);
    bytes.clear();
    if (encoding == Encoding::Utf8WithBom) {
        bytes += kByteOrderMark;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string what = i < static_cast<std::size_t>(kEntryCount)
                                     ? "Language text " + std::to_string(i + 1)
                                     : std::string("The font name");
        const std::string_view line = lines[i];
        if (line.find_first_of("\r\n") != std::string_view::npos) {
            error = what + " holds a line break; every text must stay on one line";
            return false;
        }
        if (!isValidUtf8(line)) {
            error = what + " is not valid UTF-8 text";
            return false;
        }
        if (encoding == Encoding::CodePage) {
            bool lossy = false;
            bytes += codePage.fromUtf8(line, lossy);
            if (lossy) {
                error = what + " holds a character that the code page " + codePage.name() +
                        " (character set " + charsetText + ") cannot hold";
                return false;
            }
        } else {
            bytes += line;
        }
        bytes += "\r\n";
    }
    return true;
}

bool LanguageTable::write(const std::filesystem::path& path, std::string& error) const
{
    std::string bytes;
    if (!serialize(bytes, error)) {
        error = "Cannot save the language file '" + path.string() + "': " + error;
        return false;
    }
    std::string writeError;
    if (!writeFileAtomically(path, bytes, writeError)) {
        error = "Cannot save the language file: " + writeError;
        return false;
    }
    return true;
}

std::filesystem::path languagesFolder(const std::filesystem::path& appFolder)
{
    return appFolder / "Languages";
}

std::filesystem::path languageFile(const std::filesystem::path& appFolder, std::string_view name)
{
    return languagesFolder(appFolder) / (std::string(name) + ".txt");
}

bool isValidLanguageName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

std::vector<std::string> listLanguages(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::filesystem::path& path = it->path();
        std::error_code typeError;
        if (path.extension() == ".txt" && it->is_regular_file(typeError)) {
            std::string name = path.stem().string();
            if (isValidLanguageName(name)) {
                names.push_back(std::move(name));
            }
        }
    }
    std::sort(names.begin(), names.end(), lessIgnoringAsciiCase);
    return names;
}

uint8_t languageCodeFor(std::string_view name, uint8_t current)
{
    if (name == "Dutch") {
        return 2;
    }
    if (name == "Swedish") {
        return 5;
    }
    if (name == "Russian") {
        return 6;
    }
    if (name == "Spanish (Standard)") {
        return 7;
    }
    return current;
}

} // namespace qv
