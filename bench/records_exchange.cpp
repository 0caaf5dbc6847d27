// The exchange files and record commands of a built application over 100,000 records of
// an invoice-like design: 20 fields (4 of them numbers), 2 notes boxes, 3 combo boxes and 2
// check boxes, held in memory so that only the exchange and script code is measured.
#include "builder/appdata.h"
#include "records/csvexport.h"
#include "records/csvimport.h"
#include "records/recordschema.h"
#include "records/recordscript.h"
#include "records/recordset.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kFields = 20;
constexpr int kNotes = 2;
constexpr int kCombos = 3;
constexpr int kCheckboxes = 2;
constexpr int kColumns = kFields + kNotes + kCombos + kCheckboxes;
constexpr std::size_t kRecords = 100000;

qv::AppData invoiceDesign()
{
    qv::AppData a;
    for (int i = 1; i <= kFields; ++i) {
        qv::BlockField f;
        f.field.tag = "Field" + std::to_string(i);
        f.searchLabel = f.field.tag;
        f.field.fieldFormat = i > 16 ? 2 : 0;
        f.field.maxLength = 40;
        f.field.tabOrder = static_cast<int16_t>(i);
        a.fields.push_back(f);
    }
    for (int i = 1; i <= kNotes; ++i) {
        qv::BlockNotes n;
        n.notes.tag = "Notes" + std::to_string(i);
        a.notes.push_back(n);
    }
    for (int i = 1; i <= kCombos; ++i) {
        qv::Combo c;
        c.tag = "Combo" + std::to_string(i);
        a.combos.push_back(c);
    }
    for (int i = 0; i < kCheckboxes; ++i) {
        qv::Checkbox c;
        c.tag = "Check" + std::to_string(i);
        a.checkboxes.push_back(c);
    }
    return a;
}

// Records as one table of short texts, as a store hands out the rows of a query.
class TableRecordSet : public qv::RecordSet {
public:
    TableRecordSet()
    {
        values_.reserve(kRecords * kColumns);
        for (std::size_t r = 0; r < kRecords; ++r) {
            for (int c = 0; c < kColumns; ++c) {
                if (c >= 16 && c < 20)
                    values_.push_back(std::to_string((r * 7 + static_cast<std::size_t>(c)) % 1000) +
                                      ".25");
                else if (c >= kFields + kNotes + kCombos)
                    values_.push_back((r + static_cast<std::size_t>(c)) % 2 ? "1" : "0");
                else if (c == 0)
                    values_.push_back("Customer " + std::to_string(r % 5000));
                else
                    values_.push_back("text, \"" + std::to_string(c) + "\"");
            }
        }
    }

    std::size_t size() const override { return kRecords; }
    void forEach(const std::function<bool(const qv::RecordRow&)>& visit) const override
    {
        Row row(*this);
        for (row.record = 0; row.record < kRecords; ++row.record) {
            if (!visit(row))
                return;
        }
    }

private:
    struct Row : qv::RecordRow {
        explicit Row(const TableRecordSet& set) : set(set) {}
        int32_t id() const override { return static_cast<int32_t>(record + 1); }
        std::string value(qv::InputRef ref) const override
        {
            int column = 0;
            switch (ref.kind) {
            case qv::InputKind::Field: column = ref.index - 1; break;
            case qv::InputKind::Notes: column = kFields + ref.index - 1; break;
            case qv::InputKind::Combo: column = kFields + kNotes + ref.index - 1; break;
            case qv::InputKind::Checkbox: column = kFields + kNotes + kCombos + ref.index; break;
            }
            if (column < 0 || column >= kColumns)
                return {};
            return set.values_[record * kColumns + static_cast<std::size_t>(column)];
        }
        const TableRecordSet& set;
        std::size_t record = 0;
    };

    std::vector<std::string> values_;
};

const TableRecordSet& records()
{
    static const TableRecordSet set;
    return set;
}

void ExportAllRecords(benchmark::State& state)
{
    const auto columns = qv::RecordSchema(invoiceDesign()).columns();
    const TableRecordSet& set = records();
    for (auto _ : state) {
        const std::string text = qv::csvText(set, columns, qv::CsvFormat{});
        benchmark::DoNotOptimize(text.size());
    }
}
BENCHMARK(ExportAllRecords)->Unit(benchmark::kMillisecond);

void ImportAllRecords(benchmark::State& state)
{
    const auto columns = qv::RecordSchema(invoiceDesign()).columns();
    const std::string text = qv::csvText(records(), columns, qv::CsvFormat{});
    for (auto _ : state) {
        const qv::CsvImport read = qv::importCsv(text, "bench.csv", columns, qv::CsvFormat{});
        if (!read.ok)
            state.SkipWithError(read.message.c_str());
        benchmark::DoNotOptimize(read.records.size());
    }
}
BENCHMARK(ImportAllRecords)->Unit(benchmark::kMillisecond);

void ScriptOverAllRecords(benchmark::State& state, const char* script)
{
    const qv::AppData design = invoiceDesign();
    const auto columns = qv::RecordSchema(design).columns();
    const qv::RecordScript parsed = qv::parseRecordScript(script, columns);
    for (auto _ : state) {
        qv::ScriptEnvironment environment{records(),           columns, nullptr, nullptr,
                                          qv::FormulaLocale{}, 45363};
        const qv::ActionOutcome outcome = qv::runRecordScript(parsed, environment);
        if (!outcome.error.empty())
            state.SkipWithError(outcome.error.c_str());
        benchmark::DoNotOptimize(outcome.actions.size());
    }
}
BENCHMARK_CAPTURE(ScriptOverAllRecords, SumWhereNumber, "SUM F17 F18 Where F19>500")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ScriptOverAllRecords, CountWhereText,
                  "Count Where F1='customer 12*' OR F1='Customer 7'")
    ->Unit(benchmark::kMillisecond);

} // namespace
