#include "formulaengine.h"

#include "evaluatearithmetic.h"
#include "numbertext.h"
#include "referencesubstitution.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>

namespace qv {

namespace {

// Fields beyond this index are never touched.
constexpr int kMaxFields = 2000;
constexpr int kVariableCount = 100;
// A formula's text after its references are replaced: room for a few results of the longest
// length, in bytes. Beyond it the text is cut, and so is the result.
constexpr size_t kMaxWorkingText = 1u << 20;

// Cuts UTF-8 text after `characters` characters (and never lets it pass four bytes a
// character); true when it did.
bool cutToCharacters(std::string& text, size_t characters)
{
    if (text.size() <= characters)
        return false;
    size_t count = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        if (!continuation && ++count > characters) {
            text.resize(i);
            return true;
        }
        if (i + 1 >= 4 * characters) {
            text.resize(i + 1);
            return true;
        }
    }
    return false;
}

std::vector<std::string> splitAt(const std::string& text, char separator)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(separator, start);
        if (at == std::string::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

std::string replaced(std::string text, char from, char to)
{
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

void removeAll(std::string& text, std::string_view piece)
{
    ReplaceAllInPlace(text, piece, "");
}

// Spaces inside double quotes become "_" so that the text survives splitting at spaces.
void protectQuotedSpaces(std::string& line)
{
    if (line.find('"') == std::string::npos)
        return;
    bool inside = false;
    for (char& c : line) {
        if (c == '"')
            inside = !inside;
        else if (inside && c == ' ')
            c = '_';
    }
}

// A number text read by the Val rule: a decimal where it fits, else a double.
FormulaNumber valNumber(std::string_view text)
{
    if (const std::optional<FormulaDecimal> value = ValDecimal(text))
        return FormulaNumber::fromDecimal(*value);
    return FormulaNumber::fromDouble(ValDouble(text));
}

bool holdsComparison(int order, std::string_view op)
{
    if (op == "<>")
        return order != 0;
    if (op == "<=")
        return order <= 0;
    if (op == ">=")
        return order >= 0;
    if (op == ">")
        return order > 0;
    if (op == "<")
        return order < 0;
    return order == 0;
}

int textOrder(const std::string& a, const std::string& b)
{
    const int order = a.compare(b);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

// The first operator of the list found in the text, and the two sides around its first
// occurrence (the right side ends at a second occurrence, as a split would cut it).
bool splitAtOperator(const std::string& text, std::initializer_list<std::string_view> operators,
                     std::string& op, std::string& left, std::string& right)
{
    for (const std::string_view candidate : operators) {
        const size_t at = text.find(candidate);
        if (at == std::string::npos)
            continue;
        op = candidate;
        left = text.substr(0, at);
        const size_t rightStart = at + candidate.size();
        const size_t next = text.find(candidate, rightStart);
        right = text.substr(rightStart,
                            next == std::string::npos ? std::string::npos : next - rightStart);
        return true;
    }
    return false;
}

// Parses a target name's index: decimal digits without leading zeros.
std::optional<int> targetIndex(std::string_view digits)
{
    if (digits.empty() || digits.size() > 9 || (digits.size() > 1 && digits[0] == '0'))
        return std::nullopt;
    int index = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        index = index * 10 + (c - '0');
    }
    return index;
}

bool holdsAnyOf(std::string_view text, std::string_view characters)
{
    for (const char c : text) {
        if (characters.find(c) != std::string_view::npos)
            return true;
    }
    return false;
}

bool isTextPath(int format)
{
    return format == 0 || format == 12;
}

bool isNumberFormat(int format)
{
    return format < 0 || (format >= 1 && format <= 5) || format > 12;
}

} // namespace

FormulaEngine::FormulaEngine(FormAccess& form, const FormulaLocale& locale)
    : form_(form), locale_(locale), formats_(locale)
{
}

const CMoney& FormulaEngine::money()
{
    if (!money_)
        money_.emplace(CMoney::currencyOfLocale(formats_));
    return *money_;
}

std::string FormulaEngine::fieldValueOfContent(int field, const std::string& content) const
{
    const int format = form_.fieldFormat(field);
    if (format == 0)
        return valNumber(NormaliseNumberText(content, locale_)).toText();
    if (isNumberFormat(format))
        return NormaliseNumberText(content, locale_);
    return content;
}

void FormulaEngine::ResetState()
{
    counts_.fields = std::clamp(form_.fieldCount(), 0, kMaxFields);
    counts_.notes = std::max(form_.notesCount(), 0);
    counts_.combos = std::max(form_.comboCount(), 0);
    counts_.checkboxes = std::max(form_.checkboxCount(), 0);

    fieldValues_.assign(static_cast<size_t>(counts_.fields) + 1, std::string());
    prepared_.resize(static_cast<size_t>(counts_.fields) + 1);
    for (int i = 1; i <= counts_.fields; ++i)
        fieldValues_[i] = fieldValueOfContent(i, form_.fieldText(i));
    comboValues_.assign(static_cast<size_t>(counts_.combos) + 1, std::string());
    for (int i = 1; i <= counts_.combos; ++i)
        comboValues_[i] = NormaliseNumberText(form_.comboText(i), locale_);
    checkValues_.assign(static_cast<size_t>(counts_.checkboxes), std::string());
    for (int i = 0; i < counts_.checkboxes; ++i)
        checkValues_[i] = std::to_string(form_.checkValue(i));
    variables_.fill(std::string());
}

void FormulaEngine::RecalculateForm()
{
    cutResults_.clear();
    if (form_.fieldCount() <= 0)
        return;
    ResetState();
    for (int i = 1; i <= counts_.fields; ++i) {
        const std::string formula = form_.fieldFormula(i);
        if (formula.empty())
            continue;
        try {
            runFormula(i, formula);
        } catch (const std::exception&) {
            // A failing formula is skipped; the recalculation goes on.
        }
    }
}

void FormulaEngine::runFormula(int field, const std::string& formula)
{
    const int format = form_.fieldFormat(field);
    const bool textPath = isTextPath(format);
    PreparedFormula& prepared = prepared_[field];
    if (prepared.formula != formula || prepared.counts != counts_) {
        prepared.formula = formula;
        prepared.counts = counts_;
        prepared.text = PrepareFormula(formula, counts_);
    }
    std::string t = prepared.text;
    currentField_ = field;

    if (!textPath) {
        t = substituteNumberReferences(std::move(t));
    } else {
        t = substitute(std::move(t), 'F', 1, counts_.fields,
                       [this](int n) { return replaced(form_.fieldText(n), ' ', '_'); });
        t = substitute(std::move(t), 'C', 1, counts_.combos,
                       [this](int n) { return replaced(form_.comboText(n), ' ', '_'); });
        t = substitute(std::move(t), 'K', 0, counts_.checkboxes - 1,
                       [this](int n) { return checkValues_[n]; });
    }

    const ComparisonMode mode = textPath ? ComparisonMode::Text : ComparisonMode::Number;
    if (t.find('\n') != std::string::npos) {
        runLines(t, mode);
    } else if (t.starts_with("IF")) {
        substituteVariables(t);
        ExecuteIfLine(t, mode);
    } else if (t.find('=') != std::string::npos) {
        substituteVariables(t);
        ExecuteStatementLine(t, mode);
    } else if (!textPath) {
        showComputedValue(field, format, EvaluateArithmetic(t));
    } else {
        // The text path shows the substituted text; the underscores that stood for
        // spaces of the substituted values are turned back, as an assignment would.
        const std::string content = capped(replaced(t, '_', ' '), 'F', field);
        form_.setFieldText(field, content);
        fieldValues_[field] = fieldValueOfContent(field, content);
    }
}

std::string FormulaEngine::substituteNumberReferences(std::string t)
{
    ReplaceAllInPlace(t, "ID:", NormaliseNumberText(std::to_string(form_.recordNumber()), locale_));
    t = substitute(std::move(t), 'F', 1, counts_.fields, [this](int n) { return fieldValues_[n]; });
    t = substitute(std::move(t), 'C', 1, counts_.combos, [this](int n) { return comboValues_[n]; });
    return substitute(std::move(t), 'K', 0, counts_.checkboxes - 1,
                      [this](int n) { return checkValues_[n]; });
}

void FormulaEngine::RunScript(const std::string& prepared)
{
    cutResults_.clear();
    ResetState();
    currentField_ = 0;
    // Unlike a field formula, each line reads the values as the lines before it left
    // them, as the user of a script expects.
    for (std::string line : splitAt(prepared, '\n')) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        try {
            line = substituteNumberReferences(std::move(line));
            substituteVariables(line);
            if (line.starts_with("IF"))
                ExecuteIfLine(line, ComparisonMode::Number);
            else
                ExecuteStatementLine(line, ComparisonMode::Number);
        } catch (const std::exception&) {
            // As in a formula: the failing line is skipped and the script goes on.
        }
    }
}

void FormulaEngine::runLines(const std::string& text, ComparisonMode mode)
{
    // Lines end with CR LF; a bare line feed counts as a line end too.
    for (std::string line : splitAt(text, '\n')) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        substituteVariables(line);
        if (line.starts_with("IF"))
            ExecuteIfLine(line, mode);
        else
            ExecuteStatementLine(line, mode);
    }
}

void FormulaEngine::substituteVariables(std::string& text)
{
    if (text.find('V') == std::string::npos)
        return;
    text = substitute(std::move(text), 'V', 0, kVariableCount - 1,
                      [this](int n) { return variables_[n]; });
}

std::string FormulaEngine::substitute(std::string text, char letter, int low, int high,
                                      const std::function<std::string(int)>& value)
{
    bool cut = false;
    text = SubstituteReferences(std::move(text), letter, low, high, value, kMaxWorkingText, &cut);
    // A script's working text is no object's result; what it assigns is capped there.
    if (cut && currentField_ > 0)
        noteCut('F', currentField_);
    return text;
}

std::string FormulaEngine::capped(std::string text, char letter, int index)
{
    if (cutToCharacters(text, kMaxFormulaResultLength))
        noteCut(letter, index);
    return text;
}

void FormulaEngine::noteCut(char letter, int index)
{
    const std::string name = letter + std::to_string(index);
    if (std::find(cutResults_.begin(), cutResults_.end(), name) == cutResults_.end())
        cutResults_.push_back(name);
}

void FormulaEngine::showComputedValue(int field, int format, const FormulaNumber& value)
{
    const std::string plain = value.toText();
    fieldValues_[field] = plain;
    std::optional<std::string> text;
    switch (format) {
    case 2:
    case 3:
    case 4: text = formats_.groupedNumber(plain, format); break;
    case 5: text = formats_.groupedNumber(plain, 0); break;
    case 6:
    case 7:
    case 8:
    case 9:
    case 11: {
        const double serial = value.toDouble() + form_.dateOffsetDays(field);
        if (serial == 0.0)
            return;
        if (format == 6)
            text = formats_.generalDate(serial);
        else if (format == 7)
            text = formats_.shortDate(serial);
        else if (format == 8)
            text = formats_.mediumDate(serial);
        else if (format == 9)
            text = formats_.longDate(serial);
        else
            text = formats_.mediumTime(serial);
        break;
    }
    case 10: text = formats_.shortTime(value.toDouble()); break;
    default: text = LocaleNumberText(plain, locale_); break;
    }
    if (text)
        form_.setFieldText(field, *text);
}

void FormulaEngine::ExecuteStatementLine(std::string line, ComparisonMode)
{
    ReplaceAllInPlace(line, "TRUE", "-1");
    ReplaceAllInPlace(line, "FALSE", "0");
    protectQuotedSpaces(line);
    for (const std::string& statement : splitAt(line, ' '))
        ExecuteAssignment(statement);
}

void FormulaEngine::ExecuteIfLine(const std::string& line, ComparisonMode mode)
{
    std::string protectedLine = line;
    protectQuotedSpaces(protectedLine);
    std::vector<std::string> words = splitAt(protectedLine, ' ');
    for (std::string& word : words)
        std::replace(word.begin(), word.end(), '_', ' ');

    const auto findWord = [&words](size_t from, std::string_view word) {
        for (size_t i = from; i < words.size(); ++i) {
            if (words[i] == word)
                return i;
        }
        return words.size();
    };
    // Runs the statements from `from` to the end of the line, stopping after ELSE.
    const auto execute = [&](size_t from) {
        for (size_t i = from; i < words.size(); ++i) {
            ExecuteAssignment(words[i]);
            if (words[i] == "ELSE")
                break;
        }
    };

    bool truth = false;
    for (size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "OR" && truth) {
            const size_t then = findWord(i + 1, "THEN");
            if (then < words.size())
                execute(then + 1);
            return;
        }
        if (word == "AND" && !truth) {
            size_t next = i + 1;
            while (next < words.size() && words[next] != "OR" && words[next] != "ELSE")
                ++next;
            if (next == words.size())
                return;
            if (words[next] == "ELSE") {
                execute(next + 1);
                return;
            }
            continue; // an OR follows: the condition after the AND decides
        }
        if (word == "THEN") {
            if (truth) {
                execute(i + 1);
            } else {
                const size_t elseAt = findWord(i + 1, "ELSE");
                if (elseAt < words.size())
                    execute(elseAt + 1);
            }
            return;
        }
        truth = EvaluateCondition(word, mode);
    }
}

bool FormulaEngine::EvaluateCondition(std::string word, ComparisonMode& mode)
{
    if (word.find('"') != std::string::npos) {
        removeAll(word, "\"");
        mode = ComparisonMode::Text;
    }
    std::string op;
    std::string left;
    std::string right;
    if (word.find("NOT") != std::string::npos) {
        removeAll(word, "NOT(");
        removeAll(word, ")");
        if (!splitAtOperator(word, {"<>", "<=", ">=", ">", "<", "="}, op, left, right))
            return false;
        return !holdsComparison(valNumber(left).compare(valNumber(right)), op);
    }
    if (!splitAtOperator(word, {"<>", "<=", ">=", ">", "<", "="}, op, left, right))
        return false;
    for (std::string* side : {&left, &right}) {
        if (holdsAnyOf(*side, "+~/*^M")) {
            std::string expression = *side;
            *side = EvaluateArithmetic(expression).toText();
        }
    }
    switch (mode) {
    case ComparisonMode::Text: return holdsComparison(textOrder(left, right), op);
    case ComparisonMode::Date: {
        const std::optional<double> a = formats_.parseDate(left);
        const std::optional<double> b = formats_.parseDate(right);
        if (!a || !b)
            return false;
        return holdsComparison(*a < *b ? -1 : (*a > *b ? 1 : 0), op);
    }
    case ComparisonMode::Number: break;
    }
    return holdsComparison(valNumber(left).compare(valNumber(right)), op);
}

bool FormulaEngine::applyFunctions(std::string& e)
{
    const bool hasParenthesis = e.find('(') != std::string::npos;
    if (!hasParenthesis && !holdsAnyOf(e, "<>"))
        return true;
    if (hasParenthesis && e.find("CUR(") != std::string::npos) {
        removeAll(e, "CUR(");
        removeAll(e, ")");
        std::string amount = NormaliseNumberText(e, locale_);
        e = replaced(money().MonetaryToWords(amount), ' ', '_');
        return true;
    }
    static constexpr std::array<std::string_view, 5> kCurrencyNames{"CUR0(", "CUR1(", "CUR2(",
                                                                    "CUR3(", "CUR4("};
    static constexpr std::array<std::string_view, 5> kNumberNames{"NUM0(", "NUM1(", "NUM2(",
                                                                  "NUM3(", "NUM4("};
    for (const bool currency : {true, false}) {
        for (int decimals = 0; hasParenthesis && decimals <= 4; ++decimals) {
            const std::string_view name = (currency ? kCurrencyNames : kNumberNames)[decimals];
            if (e.find(name) == std::string::npos)
                continue;
            removeAll(e, name);
            removeAll(e, ")");
            const std::string amount = NormaliseNumberText(e, locale_);
            if (!StrictDecimal(amount))
                return false;
            e = currency ? formats_.currency(amount, decimals)
                         : formats_.groupedNumber(amount, decimals);
            return true;
        }
    }
    const bool negated = hasParenthesis && e.find("NOT(") != std::string::npos;
    if (negated) {
        removeAll(e, "NOT(");
        removeAll(e, ")");
    }
    std::string op;
    std::string left;
    std::string right;
    const bool compared = negated ? splitAtOperator(e, {">=", "<=", "=", "<", ">"}, op, left, right)
                                  : splitAtOperator(e, {">=", "<=", "<", ">"}, op, left, right);
    if (negated && !compared)
        return false;
    if (compared) {
        const bool holds =
            holdsComparison(EvaluateArithmetic(left).compare(EvaluateArithmetic(right)), op);
        e = holds != negated ? "True" : "False";
    }
    return true;
}

void FormulaEngine::ExecuteAssignment(std::string statement)
{
    try {
        removeAll(statement, "\"");
        const size_t equals = statement.find('=');
        if (equals == std::string::npos)
            return;
        const std::string target = statement.substr(0, equals);
        const size_t next = statement.find('=', equals + 1);
        std::string e = statement.substr(equals + 1, next == std::string::npos ? std::string::npos
                                                                               : next - equals - 1);
        if (applyFunctions(e))
            storeValue(target, e);
    } catch (const std::exception&) {
        // A failing statement is skipped.
    }
}

void FormulaEngine::storeValue(const std::string& target, const std::string& e)
{
    if (target.size() < 2)
        return;
    const std::optional<int> index = targetIndex(std::string_view(target).substr(1));
    if (!index)
        return;
    const int n = *index;
    switch (target[0]) {
    case 'm':
        if (n >= 1 && n <= counts_.notes)
            form_.setNotesText(n, capped(replaced(e, '_', ' '), 'M', n));
        break;
    case 'f':
        if (n >= 1 && n <= counts_.fields)
            assignField(n, e);
        break;
    case 'c':
        if (n >= 1 && n <= counts_.combos) {
            const std::string text = capped(e, 'C', n);
            form_.setComboText(n, text);
            comboValues_[n] = text;
        }
        break;
    case 'k':
        if (n >= 0 && n < counts_.checkboxes) {
            const double value = RoundHalfEven(ValDouble(e), 0);
            if (value < -32768.0 || value > 32767.0)
                return;
            form_.setCheckValue(n, static_cast<int>(value));
            checkValues_[n] = std::to_string(static_cast<int>(value));
        }
        break;
    case 'v':
        if (n >= 0 && n < kVariableCount) {
            std::string expression = e;
            if (valNumber(e).compare(FormulaNumber()) > 0 && holdsAnyOf(e, "~^+*/M"))
                variables_[n] = EvaluateArithmetic(expression).toText();
            else
                variables_[n] = capped(e, 'V', n);
        }
        break;
    default: break;
    }
}

void FormulaEngine::assignField(int field, const std::string& e)
{
    const int format = form_.fieldFormat(field);
    std::optional<std::string> text;
    std::string value;
    if (format == 0) {
        text = capped(replaced(e, '_', ' '), 'F', field);
        value = *text;
    } else if (isNumberFormat(format)) {
        std::string expression = e;
        value = EvaluateArithmetic(expression).toText();
        text = LocaleNumberText(value, locale_);
    } else if (format == 10 || format == 12) {
        std::string expression = e;
        const double serial = EvaluateArithmetic(expression).toDouble();
        text = format == 10 ? formats_.shortTime(serial) : formats_.timeWithSeconds(serial);
        if (text)
            value = *text;
    } else if (const std::optional<double> serial = formats_.parseDate(e)) {
        text = formats_.generalDate(*serial);
        if (text)
            value = *text;
    }
    if (!text)
        return;
    form_.setFieldText(field, *text);
    fieldValues_[field] = value;
}

std::vector<std::string> RecalculateForm(FormAccess& form, const FormulaLocale& locale)
{
    FormulaEngine engine(form, locale);
    engine.RecalculateForm();
    return engine.cutResults();
}

} // namespace qv
