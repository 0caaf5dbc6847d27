#include "designer/lineproperties.h"

#include "document/units.h"

#include <charconv>

namespace qv {

std::vector<std::string> lineEntries(const ProjectDocument& d)
{
    std::vector<std::string> entries;
    for (int i : d.lines.indices()) {
        if (!isDeleted(d.lines[i]))
            entries.push_back("Line " + std::to_string(i));
    }
    return entries;
}

std::optional<int> lineIndexOfEntry(std::string_view entry)
{
    constexpr std::string_view kPrefix = "Line ";
    if (entry.substr(0, kPrefix.size()) != kPrefix)
        return std::nullopt;
    entry.remove_prefix(kPrefix.size());
    int index = 0;
    const auto [end, error] = std::from_chars(entry.data(), entry.data() + entry.size(), index);
    if (error != std::errc() || end != entry.data() + entry.size())
        return std::nullopt;
    return index;
}

namespace {

template <class F> bool editLine(Designer& d, int line, const char* name, F&& edit)
{
    if (!d.document().lines.contains(line))
        return false;
    d.change(name, [&](DocumentEdit& e) { edit(e.touch<Line>(line)); });
    return true;
}

} // namespace

bool setLineCoordinate(Designer& d, int line, int coordinate, float pixels)
{
    if (coordinate < 0 || coordinate > 3)
        return false;
    return editLine(d, line, "Line End", [&](Line& l) {
        float* ends[] = {&l.x1, &l.y1, &l.x2, &l.y2};
        *ends[coordinate] = pixelsToTwips(pixels);
    });
}

bool setLineColour(Designer& d, int line, int32_t colour)
{
    return editLine(d, line, "Line Colour", [&](Line& l) { l.borderColor = colour; });
}

bool setLinePrint(Designer& d, int line, bool print)
{
    return editLine(d, line, "Line Print", [&](Line& l) { l.lineState = print ? 1 : 0; });
}

} // namespace qv
