#include "designer/clipboardwalker.h"

namespace qv {

namespace {

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (true) {
        const size_t hit = text.find(from, pos);
        if (hit == std::string_view::npos) {
            out.append(text.substr(pos));
            return out;
        }
        out.append(text.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
}

} // namespace

std::string escapeClipboardText(std::string_view text)
{
    return replaceAll(replaceAll(text, ",", "/~/"), "\r\n", "&_&");
}

std::string unescapeClipboardText(std::string_view text)
{
    return replaceAll(replaceAll(text, "/~/", ","), "&_&", "\r\n");
}

void ClipboardReadWalker::boolean(bool& target)
{
    const auto field = next();
    if (!field)
        return;
    const std::string_view t = *field;
    auto equals = [&](std::string_view word) {
        return t.size() == word.size() &&
               std::equal(t.begin(), t.end(), word.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) == b;
               });
    };
    double v = 0;
    if (equals("true"))
        target = true;
    else if (equals("false"))
        target = false;
    else if (numeric(field, v))
        target = v != 0;
}

void ClipboardReadWalker::listItems(std::vector<std::string>& items)
{
    int32_t count = -1;
    integer(count);
    if (count < 0)
        return;
    const size_t available = fields_.size() > at_ ? fields_.size() - at_ : 0;
    const size_t n = std::min(static_cast<size_t>(count), available);
    items.assign(n, std::string());
    for (std::string& item : items)
        escaped(item);
}

bool ClipboardReadWalker::numeric(std::optional<std::string_view> field, double& value)
{
    if (!field)
        return false;
    std::string_view t = *field;
    while (!t.empty() && t.front() == ' ')
        t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ')
        t.remove_suffix(1);
    if (t.empty())
        return false;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    return error == std::errc() && end == t.data() + t.size() && std::isfinite(value);
}

} // namespace qv
