#pragma once

#include "cmoney.h"
#include "formaccess.h"
#include "formulanumber.h"
#include "localeformats.h"
#include "prepareformula.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qv {

// The most characters a formula may put into a field, a memo, a combo box or a variable:
// the longest text a project stores. Formulas that build texts from texts (F2 = F1F1, ...)
// would otherwise grow without bound.
inline constexpr size_t kMaxFormulaResultLength = 32767;

// How a condition compares its two sides. A quoted operand switches a line to text.
enum class ComparisonMode { Number, Text, Date };

// Runs the formulas of one designed window: statements, IF lines and assignments over
// the working state of one recalculation. The form is read and written through
// FormAccess; a failing statement is skipped and the run goes on, which is how the
// formula language treats errors.
class FormulaEngine {
public:
    FormulaEngine(FormAccess& form, const FormulaLocale& locale);

    // Recomputes every field formula in field order (the live preview's recalculation).
    void RecalculateForm();
    // Runs the statement and IF lines of a button script (prepared by PrepareFormula) once
    // on the form as it is now: references read the form's values, assignments write into
    // it. Field formulas are not run; the caller recalculates afterwards. A failing line
    // is skipped, as in formulas.
    void RunScript(const std::string& prepared);
    // The objects ("F3", "M1", "V2") whose result the last recalculation or script cut to
    // kMaxFormulaResultLength characters, in the order it happened.
    const std::vector<std::string>& cutResults() const { return cutResults_; }

    // The statements of the language, exposed for their tests; they work on the state
    // that the last RecalculateForm (or ResetState) built.
    void ResetState();
    void ExecuteStatementLine(std::string line, ComparisonMode mode);
    void ExecuteIfLine(const std::string& line, ComparisonMode mode);
    void ExecuteAssignment(std::string statement);
    bool EvaluateCondition(std::string word, ComparisonMode& mode);

    const std::string& variable(int index) const { return variables_.at(index); }
    const std::string& fieldValue(int field) const { return fieldValues_.at(field); }

private:
    void runFormula(int field, const std::string& formula);
    // The references of a prepared number-path text replaced by the working values.
    std::string substituteNumberReferences(std::string text);
    void runLines(const std::string& text, ComparisonMode mode);
    void substituteVariables(std::string& text);
    std::string substitute(std::string text, char letter, int low, int high,
                           const std::function<std::string(int)>& value);
    // Cuts a result to kMaxFormulaResultLength characters and notes the object it goes to.
    std::string capped(std::string text, char letter, int index);
    void noteCut(char letter, int index);
    void showComputedValue(int field, int format, const FormulaNumber& value);
    void assignField(int field, const std::string& e);
    std::string fieldValueOfContent(int field, const std::string& content) const;
    void storeValue(const std::string& target, const std::string& e);
    bool applyFunctions(std::string& e);
    const CMoney& money();

    FormAccess& form_;
    FormulaLocale locale_;
    LocaleFormats formats_;
    ObjectCounts counts_;
    std::vector<std::string> fieldValues_; // index 0 unused
    std::vector<std::string> comboValues_; // index 0 unused
    std::vector<std::string> checkValues_;
    std::array<std::string, 100> variables_;
    std::optional<CMoney> money_;
    // Each field's formula as PrepareFormula left it, kept while the formula and the
    // object counts stay the same, so a kept engine prepares each formula once.
    struct PreparedFormula {
        std::string formula;
        ObjectCounts counts;
        std::string text;
    };
    std::vector<PreparedFormula> prepared_; // index 0 unused
    int currentField_ = 0;                  // the field whose formula runs
    std::vector<std::string> cutResults_;
};

// One recalculation of the form in the given locale; returns the objects whose results were
// cut (see cutResults). A caller that recalculates again and again (the canvas preview)
// keeps one FormulaEngine instead: it keeps the locale's formatters and each field's
// prepared formula between recalculations.
std::vector<std::string> RecalculateForm(FormAccess& form, const FormulaLocale& locale);

} // namespace qv
