// Ordering 100,000 records by one column's values alone, without reading them from a store:
// the part of "Sort A-Z" that is the core's (collation keys and the sort itself).
#include "records/recordorder.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kRecords = 100000;

// Texts that share a long start, as the values of one column do ("Customer 4711").
std::vector<qv::KeyedRecord> customers()
{
    std::vector<qv::KeyedRecord> records;
    records.reserve(kRecords);
    for (int r = 1; r <= kRecords; ++r)
        records.emplace_back(r, "Customer " + std::to_string((r * 7919) % kRecords));
    return records;
}

// Towns: few distinct values, many records each, some with accents.
std::vector<qv::KeyedRecord> towns()
{
    const char* names[] = {"Aachen", "\xC3\x89vry", "Bonn",  "bonn", "Z\xC3\xBCrich",
                           "Oslo",   "Lyon",        "Leeds", "",     "York"};
    std::vector<qv::KeyedRecord> records;
    records.reserve(kRecords);
    for (int r = 1; r <= kRecords; ++r)
        records.emplace_back(r, names[(r * 31) % 10]);
    return records;
}

void order(benchmark::State& state, const std::vector<qv::KeyedRecord>& records)
{
    for (auto _ : state) {
        std::vector<int64_t> ids =
            qv::OrderRecords(records, qv::SortKind::Text, false, qv::FormulaLocale{});
        benchmark::DoNotOptimize(ids.data());
    }
}

void BM_OrderTextsSharingTheirStart(benchmark::State& state)
{
    order(state, customers());
}
BENCHMARK(BM_OrderTextsSharingTheirStart)->Unit(benchmark::kMillisecond);

void BM_OrderFewDistinctTexts(benchmark::State& state)
{
    order(state, towns());
}
BENCHMARK(BM_OrderFewDistinctTexts)->Unit(benchmark::kMillisecond);

} // namespace
