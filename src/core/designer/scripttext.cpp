#include "designer/scripttext.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace qv {

const std::vector<std::string>& actionTemplates()
{
    static const std::vector<std::string> templates = {
        "http://",
        "https://",
        "APath:/",
        "mailto:",
        "mailto:F1:?Subject=F2:",
        "mailto:F1:?Subject=F2:&body=M2:",
        "ID:",
        "<<<",
        "<<",
        "<",
        "<>",
        ">",
        ">>",
        "c:\\Your_App.exe -Paste",
        "https://www.openstreetmap.org/directions?from=F1:&to=F2:",
        "END",
        std::string(kPhpSendUrl)};
    return templates;
}

std::string phpSendUrl(const ProjectDocument& d)
{
    std::string url(kQueryAddress);
    auto add = [&](const auto& table, char letter) {
        for (int n : table.indices()) {
            if (!isDeleted(table[n]))
                url += table[n].tag + "=" + letter + std::to_string(n) + ":&";
        }
    };
    add(d.fields, 'F');
    add(d.combos, 'C');
    add(d.checkboxes, 'K');
    return url;
}

namespace {

template <class Table>
void addNamed(std::vector<std::string>& list, const Table& table, const std::string& letter,
              std::string_view separator)
{
    for (int n : table.indices()) {
        if (!isDeleted(table[n]))
            list.push_back(letter + std::to_string(n) + std::string(separator) + table[n].tag);
    }
}

bool isLetter(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::vector<std::string> scriptCommandList(const ProjectDocument& d)
{
    std::vector<std::string> list = {
        "Select   Where ", "SUM", "Replace", "Count", "SumTotal$", "SumAdv$",
        "CountTotal$",     "",    "ID",      "Date$", "DateVal$"};
    addNamed(list, d.fields, "F", "=");
    addNamed(list, d.combos, "C", "=");
    addNamed(list, d.checkboxes, "K", "=");
    return list;
}

std::string scriptCommandInsertion(std::string_view entry)
{
    return std::string(entry.substr(0, entry.find('='))) + " ";
}

std::string tidyScript(std::string_view script, const ProjectDocument& d, char decimalSeparator)
{
    std::string out(script);
    // References: a lower-case letter followed by the number of an existing object.
    auto highest = [&](char letter) -> int {
        switch (letter) {
        case 'f': return d.fields.highWater();
        case 'm': return d.notes.highWater();
        case 'c': return d.combos.highWater();
        case 'k': return d.checkboxes.highWater();
        default: return 99;
        }
    };
    auto lowest = [&](char letter) -> int { return letter == 'k' || letter == 'v' ? 0 : 1; };
    for (size_t i = 0; i + 1 < out.size(); ++i) {
        const char c = out[i];
        if ((c != 'f' && c != 'm' && c != 'c' && c != 'k' && c != 'v') || !isDigit(out[i + 1]))
            continue;
        // The shortest number that names an object counts, as a plain text replace would.
        int number = out[i + 1] - '0';
        if (number >= lowest(c) && number <= highest(c)) {
            out[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            continue;
        }
        size_t j = i + 2;
        while (j < out.size() && isDigit(out[j]) && number <= 99999) {
            number = number * 10 + (out[j] - '0');
            if (number >= lowest(c) && number <= highest(c)) {
                out[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                break;
            }
            ++j;
        }
    }
    if (decimalSeparator != '.') {
        for (char& c : out) {
            if (c == decimalSeparator)
                c = '.';
        }
    }
    static constexpr std::string_view kWords[] = {"IF",   "OR",   "AND", "SUM(",
                                                  "NOT(", "THEN", "ELSE"};
    for (size_t i = 0; i < out.size(); ++i) {
        if (i > 0 && out[i - 1] != ' ')
            continue;
        for (std::string_view word : kWords) {
            if (out.size() - i < word.size())
                continue;
            bool same = true;
            for (size_t k = 0; k < word.size() && same; ++k)
                same = std::toupper(static_cast<unsigned char>(out[i + k])) == word[k];
            const size_t end = i + word.size();
            const bool wordEnds = word.back() == '(' || end == out.size() || !isLetter(out[end]);
            if (same && wordEnds) {
                for (size_t k = 0; k < word.size(); ++k)
                    out[i + k] = word[k];
                break;
            }
        }
    }
    return out;
}

std::vector<std::string> fieldReferenceList(const ProjectDocument& d)
{
    std::vector<std::string> list = {"+ = Add",
                                     "- = Subtract",
                                     "/ = Divide",
                                     "* = Multiply",
                                     "^ = Power",
                                     "A = Abs",
                                     "B = Atn",
                                     "C = Cos",
                                     "E = Exp",
                                     "R = Round",
                                     "M = Mod",
                                     "L = Log",
                                     "S = Sqr",
                                     "T = Tan",
                                     "< = Less than",
                                     "> = Greater than",
                                     "<= = Less equal",
                                     ">= = Greater equal",
                                     "ID = Current Record Number",
                                     "CUR() = Currency in Words",
                                     "CUR0() = Currency 0 Decimals",
                                     "CUR1() = Currency 1 Decimals",
                                     "CUR2() = Currency 2 Decimals",
                                     "CUR3() = Currency 3 Decimals",
                                     "CUR4() = Currency 4 Decimals",
                                     "NUM0() = Number 0 Decimals",
                                     "NUM1() = Number 1 Decimals",
                                     "NUM2() = Number 2 Decimals",
                                     "NUM3() = Number 3 Decimals",
                                     "NUM4() = Number 4 Decimals",
                                     "IF ",
                                     " AND ",
                                     " OR ",
                                     " NOT() ",
                                     " THEN ",
                                     " ELSE ",
                                     "SUM(F1:F4) = Add F1 to F4",
                                     "MSGBOX=",
                                     " ",
                                     "ID = Record ID",
                                     "Date$",
                                     "DateVal$"};
    addNamed(list, d.fields, "F", " = ");
    addNamed(list, d.combos, "C", " = ");
    addNamed(list, d.checkboxes, "K", " = ");
    return list;
}

std::string fieldReferenceInsertion(std::string_view entry)
{
    const size_t at = entry.find(" = ");
    return std::string(at == std::string_view::npos ? entry : entry.substr(0, at));
}

std::string fixComparisons(std::string_view formula)
{
    std::string out(formula);
    for (size_t i = 0; i + 1 < out.size(); ++i) {
        if (out[i] == '=' && (out[i + 1] == '<' || out[i + 1] == '>')) {
            std::swap(out[i], out[i + 1]);
            ++i;
        }
    }
    return out;
}

int16_t dateOffsetFromText(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return 0;
    const double rounded = std::nearbyint(value);
    if (rounded < -32768 || rounded > 32767)
        return 0;
    return static_cast<int16_t>(rounded);
}

std::optional<int16_t> emailNameFieldOfEntry(std::string_view entry)
{
    if (entry.size() < 2 || entry[0] != 'F')
        return std::nullopt;
    int number = 0;
    const auto [end, error] =
        std::from_chars(entry.data() + 1, entry.data() + entry.size(), number);
    if (error != std::errc() || end != entry.data() + entry.size() || number < 0 || number > 32767)
        return std::nullopt;
    return static_cast<int16_t>(number);
}

std::string referenceToolTip(const ProjectDocument& d, std::string_view selected)
{
    const auto number = emailNameFieldOfEntry(selected);
    if (!number || !d.fields.contains(*number))
        return {};
    const Field& f = d.fields[*number];
    return std::string(selected) + " = " + f.tag + ", " + f.toolTipText;
}

std::vector<std::string> formatList(const std::array<std::string, 10>& texts,
                                    const std::string& numberFormatText)
{
    std::vector<std::string> list = {texts[0], texts[1], numberFormatText + " 0.00",
                                     numberFormatText + " 0.000", numberFormatText + " 0.0000"};
    for (size_t i = 2; i < texts.size(); ++i)
        list.push_back(texts[i]);
    return list;
}

} // namespace qv
