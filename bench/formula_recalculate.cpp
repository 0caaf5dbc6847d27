#include "formula/formulaengine.h"
#include "formula/memoryform.h"

#include <benchmark/benchmark.h>

namespace {

// A window at the limits: 2000 fields that all carry formulas (chains, SUM ranges, IF
// lines, combo references) and 2000 combo boxes.
qv::MemoryForm fullForm()
{
    qv::MemoryForm form;
    form.combos.reserve(2000);
    for (int i = 1; i <= 2000; ++i)
        form.combos.push_back(std::to_string(i % 17) + ".5");
    form.checkboxes = {1, 0, 1};
    for (int i = 1; i <= 2000; ++i) {
        const std::string previous = "F" + std::to_string(i > 1 ? i - 1 : 1);
        std::string formula;
        int format = 1;
        switch (i % 4) {
        case 0: formula = previous + "+C" + std::to_string(i) + "*2"; break;
        case 1:
            formula = i > 10
                          ? "SUM(F" + std::to_string(i - 10) + ":F" + std::to_string(i - 1) + ")/10"
                          : "1.25";
            format = 2;
            break;
        case 2:
            formula = "IF " + previous + ">5 AND K0=1 THEN F" + std::to_string(i) + "=" + previous +
                      "/2+1 ELSE F" + std::to_string(i) + "=" + previous + "+3";
            break;
        default: formula = "V1=" + previous + "+1\r\nF" + std::to_string(i) + "=V1*3/4"; break;
        }
        form.fields.emplace_back("0", format, 0, formula);
    }
    return form;
}

void RecalculateFullForm(benchmark::State& state)
{
    qv::MemoryForm form = fullForm();
    const qv::FormulaLocale locale = qv::FormulaLocale::fromIcu("en_US");
    for (auto _ : state) {
        qv::RecalculateForm(form, locale);
        benchmark::DoNotOptimize(form.fields.back().text);
    }
}
BENCHMARK(RecalculateFullForm)->Unit(benchmark::kMillisecond);

// The same with one engine kept between recalculations, as a preview window would.
void RecalculateFullFormKeptEngine(benchmark::State& state)
{
    qv::MemoryForm form = fullForm();
    qv::FormulaEngine engine(form, qv::FormulaLocale::fromIcu("en_US"));
    for (auto _ : state) {
        engine.RecalculateForm();
        benchmark::DoNotOptimize(form.fields.back().text);
    }
}
BENCHMARK(RecalculateFullFormKeptEngine)->Unit(benchmark::kMillisecond);

} // namespace
