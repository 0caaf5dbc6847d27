#include "records/recordscript.h"

#include "records/textfold.h"

#include <array>
#include <utility>

// Reading the lines of a button script; recordscriptrunner.cpp runs what was read.

namespace qv {

namespace {

using Kind = RecordCommand::Kind;

std::optional<Kind> commandOf(std::string_view word)
{
    static const std::array<std::pair<std::string_view, Kind>, 10> commands = {{
        {"select", Kind::Select},
        {"sum", Kind::Sum},
        {"replace", Kind::Replace},
        {"count", Kind::Count},
        {"sumtotal$", Kind::SumTotal},
        {"sumadv$", Kind::SumAdv},
        {"counttotal$", Kind::CountTotal},
        {"id", Kind::Id},
        {"date$", Kind::Date},
        {"dateval$", Kind::DateVal},
    }};
    const std::string folded = foldCase(word);
    for (const auto& [name, kind] : commands) {
        if (folded == name)
            return kind;
    }
    return std::nullopt;
}

bool isWord(const ScriptWord& word, std::string_view folded)
{
    return word.type == ScriptWord::Type::Word && foldCase(word.text) == folded;
}

// The command that a line starts with, after an optional target; the rest of the line
// follows it in `rest`.
struct CommandStart {
    Kind kind;
    std::optional<InputRef> target;
    std::string_view rest;
};

std::optional<CommandStart> commandStart(std::string_view line)
{
    std::optional<InputRef> target;
    std::string_view rest = line;
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos && equals + 1 < line.size() && line[equals + 1] != '<' &&
        line[equals + 1] != '>') {
        if (const auto ref = InputRef::fromToken(trimmed(line.substr(0, equals)))) {
            target = ref;
            rest = trimmed(line.substr(equals + 1));
        }
    }
    std::size_t end = 0;
    while (end < rest.size() && rest[end] != ' ' && rest[end] != '\t' && rest[end] != '(')
        ++end;
    const std::optional<Kind> kind = commandOf(rest.substr(0, end));
    if (!kind)
        return std::nullopt;
    // SUM( is the formula language's range sum.
    if (*kind == Kind::Sum && end < rest.size() && rest[end] == '(')
        return std::nullopt;
    return CommandStart{*kind, target, rest.substr(end)};
}

bool isAsciiAlnum(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The line as the user wrote it before the builder prepared it: "~" back to "-", and
// targets marked in lower case (f3=) back to upper case.
std::string displayLine(std::string_view line)
{
    std::string out(line);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] == '~') {
            out[i] = '-';
            continue;
        }
        const char c = out[i];
        const bool marked = c == 'f' || c == 'm' || c == 'c' || c == 'k' || c == 'v';
        if (!marked || (i > 0 && isAsciiAlnum(out[i - 1])))
            continue;
        std::size_t end = i + 1;
        while (end < out.size() && out[end] >= '0' && out[end] <= '9')
            ++end;
        if (end > i + 1 && end < out.size() && out[end] == '=')
            out[i] = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

class LineReader {
public:
    LineReader(const std::vector<ScriptWord>& words, const std::vector<RecordColumn>& columns)
        : words_(words), columns_(columns)
    {
    }

    bool atEnd() const { return pos_ >= words_.size(); }
    bool atWhere() const { return !atEnd() && isWord(words_[pos_], "where"); }

    // Column words up to Where or the end; "*" for all columns (an empty list).
    bool columnList(std::vector<InputRef>& columns, std::string& error)
    {
        for (; !atEnd() && !atWhere(); ++pos_) {
            const ScriptWord& word = words_[pos_];
            if (word.type == ScriptWord::Type::Comma ||
                (word.type == ScriptWord::Type::Word && word.text == "*"))
                continue;
            if (word.type != ScriptWord::Type::Word) {
                error =
                    "a column is expected, not \"" + word.text + "\"; a condition follows Where";
                return false;
            }
            std::size_t from = 0;
            const std::string& text = word.text;
            while (from <= text.size()) {
                const std::size_t plus = std::min(text.find('+', from), text.size());
                const std::string part = text.substr(from, plus - from);
                from = plus + 1;
                if (part.empty())
                    continue;
                const RecordColumn* column = findColumn(part, columns_);
                if (!column) {
                    error = "\"" + part + "\" names no column that records keep";
                    return false;
                }
                columns.push_back(column->object);
            }
        }
        return true;
    }

    // An optional Where and the condition after it, to the end of the line.
    bool where(ScriptCondition& condition, bool required, std::string& error)
    {
        if (atWhere())
            ++pos_;
        else if (required) {
            error = "Where and a condition are needed";
            return false;
        } else if (!atEnd()) {
            error = "Where is expected before \"" + words_[pos_].text + "\"";
            return false;
        }
        if (required && atEnd()) {
            error = "a condition is needed after Where";
            return false;
        }
        return readCondition(words_, pos_, columns_, condition, error);
    }

    // A condition that may start without Where (Count F3>5).
    bool condition(ScriptCondition& condition, std::string& error)
    {
        if (atWhere())
            ++pos_;
        return readCondition(words_, pos_, columns_, condition, error);
    }

    bool assignments(std::vector<RecordCommand::Assignment>& list, std::string& error)
    {
        while (!atEnd() && !atWhere()) {
            if (words_[pos_].type == ScriptWord::Type::Comma) {
                ++pos_;
                continue;
            }
            if (pos_ + 2 >= words_.size()) {
                error = "an assignment is incomplete";
                return false;
            }
            const RecordColumn* column = words_[pos_].type == ScriptWord::Type::Word
                                             ? findColumn(words_[pos_].text, columns_)
                                             : nullptr;
            if (!column) {
                error = "\"" + words_[pos_].text + "\" names no column that records keep";
                return false;
            }
            if (words_[pos_ + 1].type != ScriptWord::Type::Operator ||
                words_[pos_ + 1].text != "=") {
                error = "\"=\" is expected after " + words_[pos_].text;
                return false;
            }
            RecordCommand::Assignment assignment;
            assignment.target = column->object;
            if (!readOperand(words_[pos_ + 2], columns_, assignment.value, error))
                return false;
            list.push_back(std::move(assignment));
            pos_ += 3;
        }
        if (list.empty()) {
            error = "Replace needs at least one column = value";
            return false;
        }
        return true;
    }

    bool operand(std::optional<ScriptOperand>& operand, std::string& error)
    {
        if (atEnd()) {
            error = "a value is needed";
            return false;
        }
        ScriptOperand read;
        if (!readOperand(words_[pos_++], columns_, read, error))
            return false;
        operand = std::move(read);
        return true;
    }

    bool nothingMore(std::string& error) const
    {
        if (atEnd())
            return true;
        error = "nothing may follow, but \"" + words_[pos_].text + "\" does";
        return false;
    }

private:
    const std::vector<ScriptWord>& words_;
    const std::vector<RecordColumn>& columns_;
    std::size_t pos_ = 0;
};

bool readCommand(const CommandStart& start, const std::vector<RecordColumn>& columns,
                 RecordCommand& command, std::string& error)
{
    std::vector<ScriptWord> words;
    if (!splitScriptWords(start.rest, words, error))
        return false;
    command.kind = start.kind;
    command.target = start.target;
    LineReader reader(words, columns);
    switch (start.kind) {
    case Kind::Select:
        return reader.columnList(command.columns, error) &&
               reader.where(command.where, false, error);
    case Kind::Sum:
    case Kind::SumTotal:
    case Kind::SumAdv:
        if (!reader.columnList(command.columns, error))
            return false;
        if (command.columns.empty()) {
            error = "a column to add up is needed";
            return false;
        }
        return reader.where(command.where, false, error);
    case Kind::Count: return reader.condition(command.where, error);
    case Kind::CountTotal:
        if (!reader.columnList(command.columns, error) || !reader.nothingMore(error))
            return false;
        if (command.columns.size() > 1) {
            error = "CountTotal$ counts one column at most";
            return false;
        }
        return true;
    case Kind::Replace:
        return reader.assignments(command.assignments, error) &&
               reader.where(command.where, true, error);
    case Kind::Id:
    case Kind::Date: return reader.nothingMore(error);
    case Kind::DateVal: return reader.operand(command.argument, error) && reader.nothingMore(error);
    }
    return false;
}

} // namespace

RecordScript parseRecordScript(std::string_view script, const std::vector<RecordColumn>& columns)
{
    RecordScript parsed;
    std::size_t number = 0;
    std::size_t from = 0;
    while (from <= script.size()) {
        std::size_t end = script.find('\n', from);
        if (end == std::string_view::npos)
            end = script.size();
        std::string_view raw = script.substr(from, end - from);
        from = end + 1;
        ++number;
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        const std::string_view line = trimmed(raw);
        if (line.empty())
            continue;
        const std::optional<CommandStart> start = commandStart(line);
        if (!start) {
            auto* formula = parsed.steps.empty()
                                ? nullptr
                                : std::get_if<action::RunFormula>(&parsed.steps.back());
            if (formula)
                formula->text += "\r\n" + std::string(line);
            else
                parsed.steps.emplace_back(action::RunFormula{std::string(line)});
            continue;
        }
        RecordCommand command;
        command.line = displayLine(line);
        std::string error;
        if (!readCommand(*start, columns, command, error)) {
            parsed.steps.clear();
            parsed.error = "Line " + std::to_string(number) + " of the script: " + error + ".";
            return parsed;
        }
        parsed.steps.emplace_back(std::move(command));
    }
    return parsed;
}

} // namespace qv
