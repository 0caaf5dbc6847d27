#pragma once

#include "formula/formulalocale.h"
#include "records/action.h"
#include "records/recordschema.h"
#include "records/recordcondition.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace qv {

class RecordRow;
class RecordSet;
class RecordUpdater;

// One record command of a button script (see docs/actions.md).
struct RecordCommand {
    enum class Kind {
        Select,
        Sum,
        Replace,
        Count,
        SumTotal,
        SumAdv,
        CountTotal,
        Id,
        Date,
        DateVal
    };
    struct Assignment {
        InputRef target;
        ScriptOperand value;
    };

    Kind kind = Kind::Count;
    std::string line;                      // as written, the title of a shown result
    std::optional<InputRef> target;        // "F5=SUM F3": where the result goes
    std::vector<InputRef> columns;         // Select, SUM, SumTotal$, SumAdv$, CountTotal$
    std::vector<Assignment> assignments;   // Replace
    std::optional<ScriptOperand> argument; // DateVal$
    ScriptCondition where;
};

// A button script: formula statements, which the runtime's formula engine runs, and
// record commands, in the order of their lines.
struct RecordScript {
    std::vector<std::variant<action::RunFormula, RecordCommand>> steps;
    std::string error; // the first line that does not read: "Line 2 of the script: ..."
};

// Reads a script as the data block carries it (after PrepareFormula: targets in lower
// case, minus signs as "~"), or as typed. A line whose first word, or whose first word
// after a target "F<n>=", is one of the commands Select, SUM (not SUM( ), Replace, Count,
// SumTotal$, SumAdv$, CountTotal$, ID, Date$, DateVal$ (any case) is a record command;
// other lines are formula statements, consecutive ones forming one step.
RecordScript parseRecordScript(std::string_view script, const std::vector<RecordColumn>& columns);

struct ScriptEnvironment {
    const RecordSet& records; // the stored records, in the current order
    const std::vector<RecordColumn>& columns;
    const RecordRow* current = nullptr; // the record on screen; nullptr for none
    RecordUpdater* updater = nullptr;   // writes Replace; nullptr refuses it
    FormulaLocale locale;
    double today = 0; // date serial of today, for Date$
};

// What the script asks for, step by step. Record commands are evaluated here, against the
// records as they are now; formula steps are handed on as RunFormula. A script that does
// not read gives its error and no action; a command that fails stops the script there.
ActionOutcome runRecordScript(const RecordScript& script, ScriptEnvironment& environment);

} // namespace qv
