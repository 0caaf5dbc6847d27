#include "records/recordcondition.h"

#include "formula/formulanumber.h"
#include "formula/numbertext.h"
#include "records/recordset.h"
#include "records/textfold.h"

#include <algorithm>

namespace qv {

namespace {

bool isNumberWord(std::string_view word)
{
    std::size_t i = (word.front() == '-' || word.front() == '+') ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; i < word.size(); ++i) {
        if (word[i] >= '0' && word[i] <= '9')
            digits = true;
        else if (word[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

bool hasDigit(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// `text` matches `pattern`, where "*" stands for any run of characters.
bool wildcardMatch(std::string_view text, std::string_view pattern)
{
    std::size_t t = 0;
    std::size_t p = 0;
    std::size_t star = std::string_view::npos;
    std::size_t resume = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = t;
        } else if (p < pattern.size() && pattern[p] == text[t]) {
            ++p;
            ++t;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            t = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool isComparison(const std::string& op)
{
    return op == "=" || op == "<>" || op == "<" || op == ">" || op == "<=" || op == ">=";
}

} // namespace

const RecordColumn* findColumn(std::string_view word, const std::vector<RecordColumn>& columns)
{
    if (const auto ref = InputRef::fromToken(word)) {
        for (const RecordColumn& column : columns) {
            if (column.object == *ref)
                return &column;
        }
        return nullptr;
    }
    const std::string folded = foldCase(word);
    for (const RecordColumn& column : columns) {
        if (foldCase(column.name) == folded)
            return &column;
    }
    return nullptr;
}

bool readOperand(const ScriptWord& word, const std::vector<RecordColumn>& columns,
                 ScriptOperand& operand, std::string& error)
{
    operand = ScriptOperand{};
    if (word.type == ScriptWord::Type::Text) {
        operand.text = word.text;
        operand.quoted = true;
        return true;
    }
    if (word.type != ScriptWord::Type::Word) {
        error = "a value is missing before \"" + word.text + "\"";
        return false;
    }
    const std::string folded = foldCase(word.text);
    if (folded == "id") {
        operand.source = ScriptOperand::Source::RecordId;
        return true;
    }
    if (folded == "id:") {
        operand.source = ScriptOperand::Source::CurrentId;
        return true;
    }
    if (folded == "date$") {
        operand.source = ScriptOperand::Source::Today;
        return true;
    }
    if (isNumberWord(word.text)) {
        operand.text = word.text;
        return true;
    }
    if (word.text.size() > 1 && word.text.back() == ':') {
        if (const auto ref =
                InputRef::fromToken(std::string_view(word.text).substr(0, word.text.size() - 1))) {
            operand.source = ScriptOperand::Source::Current;
            operand.ref = *ref;
            return true;
        }
    }
    if (const RecordColumn* column = findColumn(word.text, columns)) {
        operand.source = ScriptOperand::Source::Record;
        operand.ref = column->object;
        return true;
    }
    if (InputRef::fromToken(word.text))
        error = InputRef::fromToken(word.text)->token() + " is not kept in the records";
    else
        error = "\"" + word.text + "\" names no column and is no number; quote a text";
    return false;
}

bool readCondition(const std::vector<ScriptWord>& words, std::size_t from,
                   const std::vector<RecordColumn>& columns, ScriptCondition& condition,
                   std::string& error)
{
    condition.anyOf.clear();
    if (from >= words.size())
        return true;
    condition.anyOf.emplace_back();
    std::size_t i = from;
    for (;;) {
        if (i + 2 >= words.size()) {
            error = "a comparison is incomplete at the end of the line";
            return false;
        }
        ScriptComparison comparison;
        if (!readOperand(words[i], columns, comparison.left, error))
            return false;
        if (words[i + 1].type != ScriptWord::Type::Operator || !isComparison(words[i + 1].text)) {
            error = "\"" + words[i + 1].text + "\" is no comparison (=, <>, <, >, <=, >=)";
            return false;
        }
        comparison.op = words[i + 1].text;
        if (!readOperand(words[i + 2], columns, comparison.right, error))
            return false;
        condition.anyOf.back().push_back(std::move(comparison));
        i += 3;
        if (i >= words.size())
            return true;
        const std::string joint = foldCase(words[i].text);
        if (words[i].type != ScriptWord::Type::Word || (joint != "and" && joint != "or")) {
            error = "AND or OR is expected before \"" + words[i].text + "\"";
            return false;
        }
        if (joint == "or")
            condition.anyOf.emplace_back();
        ++i;
        if (i >= words.size()) {
            error = "a comparison is missing after " + words[i - 1].text;
            return false;
        }
    }
}

ConditionEvaluator::ConditionEvaluator(const FormulaLocale& locale, double today) : formats_(locale)
{
    todayText_ = formats_.shortDate(today).value_or(std::string());
}

std::string ConditionEvaluator::valueOf(const ScriptOperand& operand, const RecordRow& record,
                                        const RecordRow* current)
{
    switch (operand.source) {
    case ScriptOperand::Source::Record: return record.value(operand.ref);
    case ScriptOperand::Source::Current:
        return current ? current->value(operand.ref) : std::string();
    case ScriptOperand::Source::RecordId: return std::to_string(record.id());
    case ScriptOperand::Source::CurrentId: return current ? std::to_string(current->id()) : "0";
    case ScriptOperand::Source::Today: return todayText_;
    case ScriptOperand::Source::Literal: return operand.text;
    }
    return {};
}

bool ConditionEvaluator::compare(const std::string& left, const std::string& op,
                                 const std::string& right, bool pattern)
{
    if (pattern && (op == "=" || op == "<>") && right.find('*') != std::string::npos) {
        const bool match = wildcardMatch(foldCase(left), foldCase(right));
        return op == "=" ? match : !match;
    }
    int order = 0;
    const std::string_view a = trimmed(left);
    const std::string_view b = trimmed(right);
    std::optional<FormulaDecimal> x;
    std::optional<FormulaDecimal> y;
    if (!a.empty() && !b.empty() && hasDigit(a) && hasDigit(b)) {
        x = StrictDecimal(NormaliseNumberText(a, formats_.locale()));
        if (x)
            y = StrictDecimal(NormaliseNumberText(b, formats_.locale()));
    }
    std::optional<double> da;
    std::optional<double> db;
    if (x && y) {
        order = x->compare(*y);
    } else if (hasDigit(a) && hasDigit(b) && (db = dateOf(b)) && (da = dateOf(a))) {
        order = *da < *db ? -1 : (*da > *db ? 1 : 0);
    } else {
        const int c = foldCase(left).compare(foldCase(right));
        order = c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    if (op == "=")
        return order == 0;
    if (op == "<>")
        return order != 0;
    if (op == "<")
        return order < 0;
    if (op == ">")
        return order > 0;
    if (op == "<=")
        return order <= 0;
    return order >= 0;
}

std::optional<double> ConditionEvaluator::dateOf(std::string_view text)
{
    constexpr std::size_t kRemembered = 4096;
    const std::string key(text);
    if (const auto found = dates_.find(key); found != dates_.end())
        return found->second;
    if (dates_.size() >= kRemembered)
        dates_.clear();
    const std::optional<double> date = formats_.parseDate(text);
    dates_.emplace(key, date);
    return date;
}

bool ConditionEvaluator::matches(const ScriptCondition& condition, const RecordRow& record,
                                 const RecordRow* current)
{
    if (condition.anyOf.empty())
        return true;
    for (const auto& all : condition.anyOf) {
        const bool holds = std::all_of(all.begin(), all.end(), [&](const ScriptComparison& c) {
            const bool pattern = c.right.quoted && c.right.source == ScriptOperand::Source::Literal;
            return compare(valueOf(c.left, record, current), c.op,
                           valueOf(c.right, record, current), pattern);
        });
        if (holds)
            return true;
    }
    return false;
}

} // namespace qv
