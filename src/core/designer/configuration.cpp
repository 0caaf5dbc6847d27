#include "designer/configuration.h"

#include "document/languagetable.h"

#include <algorithm>
#include <cctype>

namespace qv {

const std::vector<CharsetName>& charsetNames()
{
    static const std::vector<CharsetName> names = {
        {"Western", 0},         {"Japanese", 128},
        {"Korea", 129},         {"Simplified Chinese", 134},
        {"Big-5 Chinese", 136}, {"Greek", 161},
        {"Turkish", 162},       {"Vietnamese", 163},
        {"Hebrew", 177},        {"Aribic", 178},
        {"Baltic", 186},        {"Cyrillic", 204},
        {"Thai", 222},          {"Central European", 238}};
    return names;
}

std::optional<int16_t> charsetNumber(std::string_view name)
{
    for (const CharsetName& c : charsetNames()) {
        if (c.name == name)
            return c.number;
    }
    return std::nullopt;
}

bool chooseCharset(Designer& d, std::string_view name)
{
    const auto number = charsetNumber(name);
    if (!number)
        return false;
    editSettings(d, "Character Set", [&](AppSettings& s) { s.defaultCharset = *number; });
    return true;
}

void editSettings(Designer& d, const std::string& name,
                  const std::function<void(AppSettings&)>& edit)
{
    d.change(name, [&](DocumentEdit& e) {
        e.touchSettings();
        edit(e.document().settings);
    });
}

namespace {

bool validPlate(int plate)
{
    return plate >= 0 && plate < kFilePlateCount;
}

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

std::string setPlateExtension(Designer& d, int plate, const std::string& extension)
{
    if (!validPlate(plate))
        return {};
    const size_t i = static_cast<size_t>(plate);
    const std::string caption =
        extension.empty() ? std::string() : extension + " " + d.languageText(text::FileMenu);
    editSettings(d, "Plate Extension", [&](AppSettings& s) {
        s.filePlates[i].extension = extension;
        s.viewDocumentCaptions[i] = caption;
    });
    return caption;
}

void finishPlateExtension(Designer& d, int plate)
{
    if (!validPlate(plate))
        return;
    const size_t i = static_cast<size_t>(plate);
    const std::string lowered = lower(d.document().settings.filePlates[i].extension);
    if (lowered != d.document().settings.filePlates[i].extension)
        editSettings(d, "Plate Extension",
                     [&](AppSettings& s) { s.filePlates[i].extension = lowered; });
}

std::string xmlPlate(const ProjectDocument& d)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Record_ID:>\r\n";
    auto element = [&](const std::string& name, char letter, int k) {
        out += "  <" + name + ">" + letter + std::to_string(k) + ":</" + name + ">\r\n";
    };
    auto named = [&](const auto& table, char letter) {
        for (int k : table.indices()) {
            if (!isDeleted(table[k]) && !table[k].tag.empty())
                element(table[k].tag, letter, k);
        }
    };
    named(d.fields, 'F');
    named(d.combos, 'C');
    named(d.checkboxes, 'K');
    named(d.notes, 'N');
    for (int k : d.pictures.indices()) {
        const Picture& p = d.pictures[k];
        if (!isDeleted(p) && !p.displayPath.empty())
            element(p.displayPath, 'P', k);
    }
    out += "</Record_ID:>\r\n";
    return out;
}

std::string plateForEditing(Designer& d, int plate)
{
    if (!validPlate(plate))
        return {};
    const FilePlate& p = d.document().settings.filePlates[static_cast<size_t>(plate)];
    if (lower(p.extension) == "xml" && p.templateText.empty())
        storePlate(d, plate, xmlPlate(d.document()));
    return d.document().settings.filePlates[static_cast<size_t>(plate)].templateText;
}

void storePlate(Designer& d, int plate, const std::string& text)
{
    if (!validPlate(plate))
        return;
    editSettings(d, "Edit Plate", [&](AppSettings& s) {
        s.filePlates[static_cast<size_t>(plate)].templateText = text;
    });
}

namespace {

void replaceAllIn(std::string& text, const std::string& from, const std::string& to)
{
    if (from.empty())
        return;
    size_t pos = 0;
    while ((pos = text.find(from, pos)) != std::string::npos) {
        text.replace(pos, from.size(), to);
        pos += to.size();
    }
}

} // namespace

std::string fillPlate(const ProjectDocument& d, std::string_view plate, const PlateValue& valueOf)
{
    auto value = [&](ObjectRef ref) -> std::string {
        if (valueOf)
            return valueOf(ref);
        if (ref.kind == ObjectKind::Field)
            return d.fields[ref.index].text;
        if (ref.kind == ObjectKind::Checkbox)
            return std::to_string(d.checkboxes[ref.index].checkState);
        return {};
    };
    std::string out(plate);
    auto fill = [&](const auto& table, ObjectKind kind, char letter) {
        for (int k : table.indices())
            replaceAllIn(out, letter + std::to_string(k) + ":", value({kind, k}));
    };
    fill(d.fields, ObjectKind::Field, 'F');
    fill(d.combos, ObjectKind::Combo, 'C');
    fill(d.notes, ObjectKind::Notes, 'M');
    fill(d.checkboxes, ObjectKind::Checkbox, 'K');
    return out;
}

std::string testPlateFileName(std::string_view extension)
{
    return "Temp." + (extension.empty() ? std::string("txt") : std::string(extension));
}

} // namespace qv
