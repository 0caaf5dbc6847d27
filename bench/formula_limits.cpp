#include "formula/evaluatearithmetic.h"
#include "formula/formulaengine.h"
#include "formula/memoryform.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>
#include <string>

// Texts that formulas make from each other must stay bounded: a chain of text fields that
// doubles its text at every step, and an expression of many parenthesised groups. The
// allocation counter below gives each run's peak of heap bytes, reported as "peak_MB".

namespace {

std::atomic<long long> liveBytes{0};
std::atomic<long long> peakBytes{0};

void* allocate(std::size_t size)
{
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (!memory)
        throw std::bad_alloc();
    const long long now = liveBytes.fetch_add(static_cast<long long>(malloc_usable_size(memory))) +
                          static_cast<long long>(malloc_usable_size(memory));
    long long peak = peakBytes.load();
    while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
    }
    return memory;
}

void release(void* memory)
{
    if (!memory)
        return;
    liveBytes.fetch_sub(static_cast<long long>(malloc_usable_size(memory)));
    std::free(memory);
}

// A form of `steps` text fields: F1 holds eight letters and every further field's formula
// is the one before it twice ("F1F1", "F2F2", ...). With 64 fields its JSON form is about
// 1.4 KB, and the variables of its last formula another 0.6 KB; unbounded, field 64
// would hold 2^63 times eight letters.
qv::MemoryForm doublingForm(int steps)
{
    qv::MemoryForm form;
    form.fields.emplace_back("abcdefgh", 0);
    for (int i = 2; i <= steps; ++i) {
        const std::string previous = "F" + std::to_string(i - 1);
        form.fields.emplace_back("", 0, 0, previous + previous);
    }
    // Variables double too, within one formula of the last field.
    const int variables = std::min(steps, 40);
    std::string lines = "V1=F1";
    for (int v = 2; v <= variables; ++v)
        lines += "\r\nV" + std::to_string(v) + "=V" + std::to_string(v - 1) + "V" +
                 std::to_string(v - 1);
    lines += "\r\nM1=V" + std::to_string(variables);
    form.fields.back().formula = lines;
    form.notes = {""};
    return form;
}

void RecalculateDoublingForm(benchmark::State& state)
{
    const qv::FormulaLocale locale = qv::FormulaLocale::fromIcu("en_US");
    long long peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        qv::MemoryForm form = doublingForm(static_cast<int>(state.range(0)));
        const long long before = liveBytes.load();
        peakBytes.store(before);
        state.ResumeTiming();
        qv::RecalculateForm(form, locale);
        benchmark::DoNotOptimize(form.fields.back().text);
        peak = std::max(peak, peakBytes.load() - before);
    }
    state.counters["peak_MB"] = static_cast<double>(peak) / (1 << 20);
    // The targets: under 100 ms and 50 MB for the 1.4 KB form.
    if (peak > 50ll << 20)
        state.SkipWithError("the recalculation took more than 50 MB");
}
BENCHMARK(RecalculateDoublingForm)->Arg(16)->Arg(20)->Arg(64)->Unit(benchmark::kMillisecond);

// "(1+2)*(3+4)*..." with `groups` groups, each of them different.
std::string groupedExpression(int groups)
{
    std::string expression;
    for (int i = 0; i < groups; ++i) {
        if (i > 0)
            expression += "*";
        expression += "(" + std::to_string(i % 997) + ".5+" + std::to_string(i % 89) + ")";
    }
    return expression;
}

// Twice the groups should take twice the time, not four times.
void EvaluateManyGroups(benchmark::State& state)
{
    const std::string expression = groupedExpression(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::string text = expression;
        benchmark::DoNotOptimize(qv::EvaluateArithmetic(text));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(EvaluateManyGroups)
    ->RangeMultiplier(2)
    ->Range(3750, 60000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

} // namespace

void* operator new(std::size_t size)
{
    return allocate(size);
}
void* operator new[](std::size_t size)
{
    return allocate(size);
}
void operator delete(void* memory) noexcept
{
    release(memory);
}
void operator delete[](void* memory) noexcept
{
    release(memory);
}
void operator delete(void* memory, std::size_t) noexcept
{
    release(memory);
}
void operator delete[](void* memory, std::size_t) noexcept
{
    release(memory);
}
