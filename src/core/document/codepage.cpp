#include "document/codepage.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>
#include <unicode/ustring.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace qv {

namespace {

const char* converterNameForCharset(int charset)
{
    switch (charset) {
    case 77: return "macintosh";
    case 128: return "windows-932";
    case 129: return "windows-949";
    case 134: return "windows-936";
    case 136: return "windows-950";
    case 161: return "windows-1253";
    case 162: return "windows-1254";
    case 163: return "windows-1258";
    case 177: return "windows-1255";
    case 178: return "windows-1256";
    case 186: return "windows-1257";
    case 204: return "windows-1251";
    case 222: return "windows-874";
    case 238: return "windows-1250";
    case 255: return "ibm-437";
    default: return "windows-1252";
    }
}

using ConverterPtr = std::unique_ptr<UConverter, decltype(&ucnv_close)>;

ConverterPtr openConverter(const std::string& name)
{
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open(name.c_str(), &status);
    if (U_FAILURE(status) || converter == nullptr) {
        throw std::runtime_error("The text converter '" + name +
                                 "' is missing from the ICU data: " + u_errorName(status));
    }
    return ConverterPtr(converter, ucnv_close);
}

bool isAscii(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

// Substitutes like ICU's own callback and notes that a character was lost.
void substituteAndNote(const void* context, UConverterFromUnicodeArgs* args, const UChar* codeUnits,
                       int32_t length, UChar32 codePoint, UConverterCallbackReason reason,
                       UErrorCode* status)
{
    if (reason <= UCNV_IRREGULAR) {
        *static_cast<bool*>(const_cast<void*>(context)) = true;
    }
    UCNV_FROM_U_CALLBACK_SUBSTITUTE(nullptr, args, codeUnits, length, codePoint, reason, status);
}

} // namespace

CodePage CodePage::forCharset(int charset)
{
    return CodePage(converterNameForCharset(charset));
}

std::string CodePage::toUtf8(std::string_view bytes) const
{
    // Every Windows code page keeps ASCII as it is (the OEM and Japanese pages included,
    // as ICU maps them), so plain text needs no converter.
    if (isAscii(bytes)) {
        return std::string(bytes);
    }
    ConverterPtr converter = openConverter(name_);
    std::vector<UChar> units(bytes.size() * 2 + 16);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        ucnv_toUChars(converter.get(), units.data(), static_cast<int32_t>(units.size()),
                      bytes.data(), static_cast<int32_t>(bytes.size()), &status);
    if (U_FAILURE(status)) {
        throw std::runtime_error("Converting text from " + name_ +
                                 " failed: " + u_errorName(status));
    }
    std::string out(static_cast<std::size_t>(length) * 3 + 1, '\0');
    int32_t outLength = 0;
    status = U_ZERO_ERROR;
    u_strToUTF8(out.data(), static_cast<int32_t>(out.size()), &outLength, units.data(), length,
                &status);
    if (U_FAILURE(status)) {
        throw std::runtime_error("Converting text from " + name_ +
                                 " failed: " + u_errorName(status));
    }
    out.resize(static_cast<std::size_t>(outLength));
    return out;
}

std::string CodePage::fromUtf8(std::string_view utf8, bool& lossy) const
{
    lossy = false;
    if (isAscii(utf8)) {
        return std::string(utf8);
    }
    std::vector<UChar> units(utf8.size() + 1);
    int32_t unitCount = 0;
    int32_t invalid = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(units.data(), static_cast<int32_t>(units.size()), &unitCount, utf8.data(),
                         static_cast<int32_t>(utf8.size()), 0xFFFD, &invalid, &status);
    if (U_FAILURE(status)) {
        throw std::runtime_error("Converting text to " + name_ + " failed: " + u_errorName(status));
    }
    lossy = invalid > 0;

    ConverterPtr converter = openConverter(name_);
    status = U_ZERO_ERROR;
    ucnv_setSubstChars(converter.get(), "?", 1, &status);
    ucnv_setFromUCallBack(converter.get(), substituteAndNote, &lossy, nullptr, nullptr, &status);
    std::string out(static_cast<std::size_t>(unitCount) * 4 + 16, '\0');
    const int32_t length =
        ucnv_fromUChars(converter.get(), out.data(), static_cast<int32_t>(out.size()), units.data(),
                        unitCount, &status);
    if (U_FAILURE(status)) {
        throw std::runtime_error("Converting text to " + name_ + " failed: " + u_errorName(status));
    }
    out.resize(static_cast<std::size_t>(length));
    return out;
}

} // namespace qv
