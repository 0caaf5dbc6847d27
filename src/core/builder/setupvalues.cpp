#include "builder/setupvalues.h"

#include "builder/setupscript.h"

#include <utility>

namespace qv {

namespace {

bool holdsControlCharacter(std::string_view text)
{
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return true;
    }
    return false;
}

} // namespace

bool CheckSetupValues(const SetupInputs& in, std::string& error)
{
    // The licence and information texts go to files of their own and may hold lines.
    const std::pair<const char*, const std::string*> values[] = {
        {"The Company Name", &in.publisher},   {"The Product Name", &in.productName},
        {"The Version", &in.version},          {"The Legal Copyright", &in.copyright},
        {"The Setup Password", &in.password},  {"The web address of the About box", &in.webAddress},
        {"The application name", &in.appName},
    };
    for (const auto& [name, value] : values) {
        if (holdsControlCharacter(*value)) {
            error = std::string(name) +
                    " holds a line break or another control character, which a setup script "
                    "cannot hold; remove it and build again";
            return false;
        }
    }
    return true;
}

std::string QuotedSetupParameter(std::string_view value)
{
    std::string quoted = "\"";
    for (const char c : value) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    quoted += '"';
    return quoted;
}

} // namespace qv
