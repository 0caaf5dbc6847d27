#include "records/scriptwords.h"

namespace qv {

namespace {

bool isOperatorChar(char c)
{
    return c == '=' || c == '<' || c == '>' || c == '!';
}

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '(' || c == ')';
}

std::string operatorOf(std::string_view text)
{
    if (text == "=<")
        return "<=";
    if (text == "=>")
        return ">=";
    if (text == "!=" || text == "><")
        return "<>";
    if (text == "==")
        return "=";
    return std::string(text);
}

} // namespace

bool splitScriptWords(std::string_view line, std::vector<ScriptWord>& words, std::string& error)
{
    words.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (isSeparator(c)) {
            ++i;
        } else if (c == ',') {
            words.push_back({ScriptWord::Type::Comma, ","});
            ++i;
        } else if (c == '\'' || c == '"') {
            std::string text;
            std::size_t j = i + 1;
            for (;; ++j) {
                if (j >= line.size()) {
                    error = "the text that starts with " + std::string(line.substr(i, 12)) +
                            " has no closing quote";
                    return false;
                }
                if (line[j] == c) {
                    if (j + 1 < line.size() && line[j + 1] == c) {
                        text += c;
                        ++j;
                        continue;
                    }
                    break;
                }
                text += line[j] == '~' ? '-' : line[j];
            }
            words.push_back({ScriptWord::Type::Text, std::move(text)});
            i = j + 1;
        } else if (isOperatorChar(c)) {
            std::size_t j = i + 1;
            if (j < line.size() && isOperatorChar(line[j]) && line[j] != '!')
                ++j;
            words.push_back({ScriptWord::Type::Operator, operatorOf(line.substr(i, j - i))});
            i = j;
        } else {
            std::string word;
            while (i < line.size() && !isSeparator(line[i]) && !isOperatorChar(line[i]) &&
                   line[i] != ',' && line[i] != '\'' && line[i] != '"') {
                word += line[i] == '~' ? '-' : line[i];
                ++i;
            }
            words.push_back({ScriptWord::Type::Word, std::move(word)});
        }
    }
    return true;
}

} // namespace qv
