#include "records/recordscript.h"

#include "formula/formulanumber.h"
#include "formula/numbertext.h"
#include "records/recordset.h"
#include "records/recordvalue.h"
#include "records/textfold.h"

#include <cmath>
#include <cstdio>

// Running a button script that was read: its record commands against the records as they
// are now.

namespace qv {

namespace {

using Kind = RecordCommand::Kind;

std::string serialText(double serial)
{
    if (serial == std::floor(serial))
        return std::to_string(static_cast<long long>(serial));
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6f", serial);
    std::string text = buffer;
    text.erase(text.find_last_not_of('0') + 1);
    return text;
}

class Runner {
public:
    explicit Runner(ScriptEnvironment& environment)
        : env_(environment), evaluator_(environment.locale, environment.today)
    {
    }

    // Adds what the command asks for; false with `error` set when it fails.
    bool run(const RecordCommand& c, ActionOutcome& out, std::string& error)
    {
        return evaluate(c, out, error) && readWhole(error);
    }

private:
    bool evaluate(const RecordCommand& c, ActionOutcome& out, std::string& error)
    {
        switch (c.kind) {
        case Kind::Select: return select(c, out, error);
        case Kind::Replace: return replace(c, out, error);
        case Kind::Sum:
        case Kind::SumTotal: {
            const auto total = sum(c, false, error);
            if (!total)
                return false;
            return result(c, out,
                          c.kind == Kind::Sum
                              ? LocaleNumberText(total->toText(), env_.locale)
                              : evaluator_.formats().groupedNumber(total->toText(), 2));
        }
        case Kind::SumAdv: {
            if (!env_.current) {
                error = "SumAdv$ needs a record on screen";
                return false;
            }
            const auto total = sum(c, true, error);
            return total && result(c, out, evaluator_.formats().groupedNumber(total->toText(), 2));
        }
        case Kind::Count: return result(c, out, std::to_string(count(c)));
        case Kind::CountTotal:
            return result(c, out, evaluator_.formats().groupedNumber(std::to_string(count(c)), 0));
        case Kind::Id:
            return result(c, out, env_.current ? std::to_string(env_.current->id()) : "0");
        case Kind::Date: return result(c, out, evaluator_.todayText());
        case Kind::DateVal: {
            const std::string text = argumentText(*c.argument);
            const std::optional<double> serial = evaluator_.formats().parseDate(text);
            if (!serial) {
                error = "\"" + text + "\" is no date";
                return false;
            }
            return result(c, out, LocaleNumberText(serialText(*serial), env_.locale));
        }
        }
        return false;
    }

    class EmptyRow : public RecordRow {
    public:
        int32_t id() const override { return 0; }
        std::string value(InputRef) const override { return {}; }
    };

    const RecordRow& currentOrEmpty() const { return env_.current ? *env_.current : empty_; }

    std::string argumentText(const ScriptOperand& operand)
    {
        return evaluator_.valueOf(operand, currentOrEmpty(), env_.current);
    }

    bool result(const RecordCommand& c, ActionOutcome& out, std::string value)
    {
        if (c.target)
            out.actions.emplace_back(action::SetValue{*c.target, std::move(value)});
        else
            out.actions.emplace_back(action::ShowResult{c.line, std::move(value)});
        return true;
    }

    template <class Visit> void eachMatch(const RecordCommand& c, Visit visit)
    {
        env_.records.forEach([&](const RecordRow& row) {
            if (evaluator_.matches(c.where, row, env_.current))
                return visit(row);
            return true;
        });
    }

    // A result over records read only in part would be wrong, not just short.
    bool readWhole(std::string& error) const
    {
        const std::string failed = env_.records.failure();
        if (failed.empty())
            return true;
        error = "the records could not be read: " + failed;
        return false;
    }

    std::size_t count(const RecordCommand& c)
    {
        std::size_t n = 0;
        eachMatch(c, [&](const RecordRow& row) {
            if (c.kind == Kind::CountTotal && !c.columns.empty()) {
                const std::string value(trimmed(row.value(c.columns.front())));
                const bool unchecked =
                    c.columns.front().kind == InputKind::Checkbox && value == "0";
                if (value.empty() || unchecked)
                    return true;
            }
            ++n;
            return true;
        });
        return n;
    }

    // Adds the columns' values of `row`; values that are no numbers count as 0.
    bool add(FormulaDecimal& total, const RecordCommand& c, const RecordRow& row,
             std::string& error)
    {
        for (const InputRef& column : c.columns) {
            const auto value = ValDecimal(NormaliseNumberText(row.value(column), env_.locale));
            const auto next = value ? total.plus(*value) : std::nullopt;
            if (!next) {
                error = "the sum is too large";
                return false;
            }
            total = *next;
        }
        return true;
    }

    std::optional<FormulaDecimal> sum(const RecordCommand& c, bool upToCurrent, std::string& error)
    {
        FormulaDecimal total(0);
        bool failed = false;
        bool reachedCurrent = false;
        const int32_t currentId = env_.current ? env_.current->id() : 0;
        env_.records.forEach([&](const RecordRow& row) {
            if (evaluator_.matches(c.where, row, env_.current))
                failed = !add(total, c, row, error);
            reachedCurrent = upToCurrent && currentId != 0 && row.id() == currentId;
            return !failed && !reachedCurrent;
        });
        // A record not stored yet comes after every stored one.
        if (!failed && upToCurrent && !reachedCurrent &&
            evaluator_.matches(c.where, *env_.current, env_.current))
            failed = !add(total, c, *env_.current, error);
        if (failed)
            return std::nullopt;
        return total;
    }

    bool select(const RecordCommand& c, ActionOutcome& out, std::string& error)
    {
        if (c.target) {
            if (c.columns.empty()) {
                error = "a Select that fills " + c.target->token() + " needs the column to take";
                return false;
            }
            std::string value;
            eachMatch(c, [&](const RecordRow& row) {
                value = row.value(c.columns.front());
                return false;
            });
            out.actions.emplace_back(action::SetValue{*c.target, std::move(value)});
            return true;
        }
        action::ShowRecords show;
        show.columns = c.columns;
        if (show.columns.empty()) {
            for (const RecordColumn& column : env_.columns)
                show.columns.push_back(column.object);
        }
        eachMatch(c, [&](const RecordRow& row) {
            show.ids.push_back(row.id());
            return true;
        });
        out.actions.emplace_back(std::move(show));
        return true;
    }

    const RecordColumn* columnOf(InputRef ref) const
    {
        for (const RecordColumn& column : env_.columns) {
            if (column.object == ref)
                return &column;
        }
        return nullptr;
    }

    bool replace(const RecordCommand& c, ActionOutcome& out, std::string& error)
    {
        if (!env_.updater) {
            error = "records cannot be changed here";
            return false;
        }
        std::vector<RecordChange> changes;
        std::size_t records = 0;
        eachMatch(c, [&](const RecordRow& row) {
            for (const RecordCommand::Assignment& a : c.assignments) {
                const RecordColumn* column = columnOf(a.target);
                std::string reason;
                const std::optional<std::string> value =
                    column ? checkedRecordValue(*column,
                                                evaluator_.valueOf(a.value, row, env_.current),
                                                env_.locale, reason)
                           : std::nullopt;
                if (!value) {
                    error = "record " + std::to_string(row.id()) + ": " +
                            (column ? reason : a.target.token() + " is not kept in the records");
                    return false;
                }
                changes.push_back({row.id(), a.target, *value});
            }
            ++records;
            return true;
        });
        if (error.empty())
            readWhole(error);
        if (!error.empty()) {
            error = "nothing was replaced: " + error;
            return false;
        }
        if (!changes.empty()) {
            const std::string failed = env_.updater->apply(changes);
            if (!failed.empty()) {
                error = "nothing was replaced: " + failed;
                return false;
            }
        }
        out.actions.emplace_back(action::RecordsChanged{records});
        return true;
    }

    ScriptEnvironment& env_;
    ConditionEvaluator evaluator_;
    EmptyRow empty_;
};

} // namespace

ActionOutcome runRecordScript(const RecordScript& script, ScriptEnvironment& environment)
{
    ActionOutcome out;
    if (!script.error.empty()) {
        out.error = script.error;
        return out;
    }
    Runner runner(environment);
    for (const auto& step : script.steps) {
        if (const auto* formula = std::get_if<action::RunFormula>(&step)) {
            out.actions.emplace_back(*formula);
            continue;
        }
        const auto& command = std::get<RecordCommand>(step);
        std::string error;
        const std::size_t before = out.actions.size();
        const bool ran = runner.run(command, out, error);
        if (!ran || !error.empty()) {
            out.actions.resize(before);
            out.error = command.line + ": " + error + ".";
            return out;
        }
    }
    return out;
}

} // namespace qv
