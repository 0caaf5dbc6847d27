#include "formula/evaluatearithmetic.h"
#include "formula/referencesubstitution.h"

#include <benchmark/benchmark.h>

namespace {

// 10,000 characters with 1,000 groups: 250 terms of four groups each, two of them nested.
std::string longExpression()
{
    std::string expression;
    for (int i = 0; i < 250; ++i) {
        if (i > 0)
            expression += "+";
        expression += "((" + std::to_string(100000 + i) + ".125*3.5)~(7.75/4))*(" +
                      std::to_string(i % 9) + ".5+2S)";
    }
    if (expression.size() < 10000) // leading zeros of the first number make up the length
        expression.insert(0, 10000 - expression.size(), '0');
    return expression;
}

void EvaluateLongExpression(benchmark::State& state)
{
    const std::string expression = longExpression();
    state.counters["characters"] = static_cast<double>(expression.size());
    for (auto _ : state) {
        std::string text = expression;
        benchmark::DoNotOptimize(qv::EvaluateArithmetic(text));
    }
}
BENCHMARK(EvaluateLongExpression)->Unit(benchmark::kMillisecond);

void EvaluateShortExpression(benchmark::State& state)
{
    for (auto _ : state) {
        std::string text = "(12.5+7.25)*3~4/2";
        benchmark::DoNotOptimize(qv::EvaluateArithmetic(text));
    }
}
BENCHMARK(EvaluateShortExpression);

// The single-pass substitution against one replace-all per index, over a formula with
// ten references in a window of 2000 fields.
const std::string kFormula = "F1+F12+F123+F1999*F7/F70~F700+F2000+F5+F55";
std::string valueOf(int index)
{
    return std::to_string(index) + ".5";
}

void SubstituteFast(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(qv::SubstituteReferences(kFormula, 'F', 1, 2000, valueOf));
}
BENCHMARK(SubstituteFast);

void SubstituteLiteral(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(qv::SubstituteReferencesLiteral(kFormula, 'F', 1, 2000, valueOf));
}
BENCHMARK(SubstituteLiteral);

} // namespace
