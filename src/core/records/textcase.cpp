#include "records/textcase.h"

#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace qv {

namespace {

std::string utf8Of(const icu::UnicodeString& text)
{
    std::string out;
    text.toUTF8String(out);
    return out;
}

icu::UnicodeString unicodeOf(std::string_view text)
{
    return icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

} // namespace

TextCase FieldTextCase(uint8_t caseRule)
{
    switch (caseRule) {
    case 0: return TextCase::Lower;
    case 1: return TextCase::Upper;
    case 2: return TextCase::Proper;
    default: return TextCase::AsTyped;
    }
}

TextCase ComboTextCase(int textCase)
{
    switch (textCase) {
    case 1: return TextCase::Upper;
    case 2: return TextCase::Proper;
    case 3: return TextCase::Lower;
    default: return TextCase::AsTyped;
    }
}

std::string ApplyTextCase(TextCase rule, std::string_view text)
{
    if (rule == TextCase::AsTyped)
        return std::string(text);
    icu::UnicodeString u = unicodeOf(text);
    const icu::Locale& root = icu::Locale::getRoot();
    switch (rule) {
    case TextCase::Upper: u.toUpper(root); break;
    case TextCase::Lower: u.toLower(root); break;
    case TextCase::Proper: {
        u.toLower(root);
        icu::UnicodeString out;
        bool wordStart = true;
        for (int32_t i = 0; i < u.length();) {
            const UChar32 c = u.char32At(i);
            i += U16_LENGTH(c);
            if (u_isspace(c)) {
                wordStart = true;
                out.append(c);
            } else if (wordStart) {
                out.append(icu::UnicodeString(c).toUpper(root));
                wordStart = false;
            } else {
                out.append(c);
            }
        }
        u = out;
        break;
    }
    case TextCase::AsTyped: break;
    }
    return utf8Of(u);
}

std::string LimitLength(std::string_view text, int maxLength)
{
    if (maxLength <= 0)
        return std::string(text);
    size_t at = 0;
    int characters = 0;
    while (at < text.size() && characters < maxLength) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
            ++at;
        ++characters;
    }
    return std::string(text.substr(0, at));
}

int CompletionIndex(std::string_view typed, const std::vector<std::string>& items)
{
    if (typed.empty())
        return -1;
    const icu::UnicodeString wanted = unicodeOf(typed).foldCase();
    for (size_t i = 0; i < items.size(); ++i) {
        if (unicodeOf(items[i]).foldCase().startsWith(wanted))
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace qv
