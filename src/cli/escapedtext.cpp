#include "escapedtext.h"

#include <cstdio>

namespace qv::cli {

std::string EscapedText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    char hex[16];
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // U+0080..U+009F in UTF-8: C2 80..C2 9F.
        const bool c1 = byte == 0xC2 && i + 1 < text.size() &&
                        static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if (c1) {
            std::snprintf(hex, sizeof hex, "\\u{%04X}", static_cast<unsigned char>(text[i + 1]));
            out += hex;
            ++i;
        } else if (byte == '\\') {
            out += "\\\\";
        } else if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\r') {
            out += "\\r";
        } else if (byte == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace qv::cli
