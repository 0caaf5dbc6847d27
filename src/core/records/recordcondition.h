#pragma once

#include "formula/formulalocale.h"
#include "formula/localeformats.h"
#include "records/recordschema.h"
#include "records/scriptwords.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qv {

class RecordRow;

// A value in a record command: of the record being examined (F3, or a column's name), of
// the record on screen (F3:), a record number (ID, ID:), today's date (Date$) or a text or
// number written in the script.
struct ScriptOperand {
    enum class Source { Record, Current, RecordId, CurrentId, Today, Literal };
    Source source = Source::Literal;
    InputRef ref;
    std::string text;    // a literal
    bool quoted = false; // a quoted literal; "*" in it matches any run of characters
};

// Reads one word as an operand. A reference to the examined record must name a column
// that records keep; a reference to the record on screen may name any object.
bool readOperand(const ScriptWord& word, const std::vector<RecordColumn>& columns,
                 ScriptOperand& operand, std::string& error);

// The column of a reference or a column's name (any case); nullptr for neither.
const RecordColumn* findColumn(std::string_view word, const std::vector<RecordColumn>& columns);

struct ScriptComparison {
    ScriptOperand left;
    std::string op; // =, <>, <, >, <=, >=
    ScriptOperand right;
};

// Comparisons joined by AND and OR; AND binds closer, as in SQL. No comparison at all
// holds for every record.
struct ScriptCondition {
    std::vector<std::vector<ScriptComparison>> anyOf;
};

// Reads the comparisons in words[from..]; false with `error` set when they do not read.
bool readCondition(const std::vector<ScriptWord>& words, std::size_t from,
                   const std::vector<RecordColumn>& columns, ScriptCondition& condition,
                   std::string& error);

// Decides conditions for records. Two values compare as numbers when both are numbers (as
// the locale writes them), as dates when both hold digits and read as dates, and as texts
// without regard to case otherwise; = and <> with a quoted text holding "*" match a pattern.
class ConditionEvaluator {
public:
    // `today` is a date serial (days since 30 December 1899).
    ConditionEvaluator(const FormulaLocale& locale, double today);

    std::string valueOf(const ScriptOperand& operand, const RecordRow& record,
                        const RecordRow* current);
    bool matches(const ScriptCondition& condition, const RecordRow& record,
                 const RecordRow* current);
    bool compare(const std::string& left, const std::string& op, const std::string& right,
                 bool pattern);

    LocaleFormats& formats() { return formats_; }
    const std::string& todayText() const { return todayText_; }

private:
    std::optional<double> dateOf(std::string_view text);

    LocaleFormats formats_;
    std::string todayText_;
    // Texts read as dates already: the same literal is compared with every record, and
    // reading a date is slow.
    std::unordered_map<std::string, std::optional<double>> dates_;
};

} // namespace qv
