#include "referencesubstitution.h"

#include "numbertext.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace qv {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Adds every index in [low, bound) that `letter`index names somewhere in the text: each
// leading part of the digit run after the letter is one ("F123" holds F1, F12, F123;
// "K05" holds only K0).
void collectCandidates(std::string_view text, char letter, int low, long long bound,
                       std::vector<int>& candidates)
{
    for (size_t at = text.find(letter); at != std::string_view::npos;
         at = text.find(letter, at + 1)) {
        size_t i = at + 1;
        if (i >= text.size() || !isDigit(text[i]))
            continue;
        if (text[i] == '0') {
            if (low <= 0 && 0 < bound)
                candidates.push_back(0);
            continue;
        }
        long long index = 0;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            index = index * 10 + (text[i] - '0');
            if (index >= bound)
                break;
            if (index >= low)
                candidates.push_back(static_cast<int>(index));
        }
    }
}

void sortUnique(std::vector<int>& values)
{
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
}

// Replaces all references in one pass when no replacement can make a new one: every
// reference stands after something other than the letter or a digit and no value holds
// the letter. Each reference then takes its longest index in range, which is the one the
// highest-first order reaches first. nullopt when the pass cannot be used.
std::optional<std::string> substituteInOnePass(const std::string& text, char letter, int low,
                                               int high, const ReferenceValue& value,
                                               size_t maxLength)
{
    struct Reference {
        size_t at;
        size_t length;
        int index;
    };
    std::vector<Reference> references;
    for (size_t at = text.find(letter); at != std::string::npos; at = text.find(letter, at + 1)) {
        size_t i = at + 1;
        int best = -1;
        size_t bestEnd = 0;
        if (i < text.size() && text[i] == '0') {
            if (low <= 0 && 0 <= high) {
                best = 0;
                bestEnd = i + 1;
            }
        } else {
            long long index = 0;
            for (; i < text.size() && isDigit(text[i]); ++i) {
                index = index * 10 + (text[i] - '0');
                if (index > high)
                    break;
                if (index >= low) {
                    best = static_cast<int>(index);
                    bestEnd = i + 1;
                }
            }
        }
        if (best < 0)
            continue;
        if (at > 0 && (text[at - 1] == letter || isDigit(text[at - 1])))
            return std::nullopt;
        references.push_back({at, bestEnd - at, best});
    }
    std::vector<std::pair<int, std::string>> values;
    std::string result;
    result.reserve(text.size() + 16 * references.size());
    size_t from = 0;
    for (const Reference& reference : references) {
        auto known = std::find_if(values.begin(), values.end(), [&](const auto& entry) {
            return entry.first == reference.index;
        });
        if (known == values.end()) {
            values.emplace_back(reference.index, value(reference.index));
            if (values.back().second.find(letter) != std::string::npos)
                return std::nullopt;
            known = values.end() - 1;
        }
        result.append(text, from, reference.at - from);
        result += known->second;
        from = reference.at + reference.length;
        if (result.size() > maxLength)
            return result;
    }
    result.append(text, from, std::string::npos);
    return result;
}

} // namespace

namespace {

std::string cutTo(std::string text, size_t maxLength, bool* cut)
{
    if (text.size() > maxLength) {
        text.resize(maxLength);
        if (cut)
            *cut = true;
    }
    return text;
}

} // namespace

std::string SubstituteReferences(std::string text, char letter, int low, int high,
                                 const ReferenceValue& value, size_t maxLength, bool* cut)
{
    if (high < low || text.find(letter) == std::string::npos)
        return cutTo(std::move(text), maxLength, cut);
    if (std::optional<std::string> replaced =
            substituteInOnePass(text, letter, low, high, value, maxLength))
        return cutTo(std::move(*replaced), maxLength, cut);
    std::vector<int> candidates;
    collectCandidates(text, letter, low, static_cast<long long>(high) + 1, candidates);
    sortUnique(candidates);
    std::string token(1, letter);
    while (!candidates.empty()) {
        const int index = candidates.back();
        candidates.pop_back();

        token.resize(1);
        token += std::to_string(index);
        size_t at = text.find(token);
        if (at == std::string::npos)
            continue;
        const std::string replacement = value(index);
        // A new reference can only appear where the replacement holds the letter or where
        // it meets a letter or digit before it; then the text is searched again.
        bool searchAgain = replacement.find(letter) != std::string::npos;
        std::string next;
        next.reserve(text.size() + replacement.size());
        size_t from = 0;
        for (; at != std::string::npos; at = text.find(token, from)) {
            if (at > 0 && (text[at - 1] == letter || isDigit(text[at - 1])))
                searchAgain = true;
            next.append(text, from, at - from);
            next += replacement;
            from = at + token.size();
            if (next.size() > maxLength)
                return cutTo(std::move(next), maxLength, cut);
        }
        next.append(text, from, std::string::npos);
        text = std::move(next);
        if (searchAgain) {
            candidates.clear();
            collectCandidates(text, letter, low, index, candidates);
            sortUnique(candidates);
        }
    }
    return cutTo(std::move(text), maxLength, cut);
}

std::string SubstituteReferencesLiteral(std::string_view text, char letter, int low, int high,
                                        const ReferenceValue& value)
{
    std::string result(text);
    for (int index = high; index >= low; --index) {
        const std::string token = letter + std::to_string(index);
        if (result.find(token) != std::string::npos)
            result = ReplaceAll(result, token, value(index));
    }
    return result;
}

void MarkAssignmentTargets(std::string& text, char letter, int low, int high)
{
    const char lower = static_cast<char>(letter - 'A' + 'a');
    for (size_t at = text.find(letter); at != std::string::npos; at = text.find(letter, at + 1)) {
        size_t end = at + 1;
        while (end < text.size() && isDigit(text[end]))
            ++end;
        const size_t digits = end - at - 1;
        if (digits == 0 || end >= text.size() || text[end] != '=')
            continue;
        if (digits > 1 && text[at + 1] == '0')
            continue;
        if (digits > 9)
            continue;
        const int index = std::stoi(text.substr(at + 1, digits));
        if (index >= low && index <= high)
            text[at] = lower;
    }
}

} // namespace qv
