// Load and save of a project with every kind of object at its limit.
#include "document/projectfile.h"
#include "fulldocument.h"

#include <benchmark/benchmark.h>

namespace {

using qv::bench::fullDocument;

void BM_SaveFullProject(benchmark::State& state)
{
    const qv::ProjectDocument doc = fullDocument();
    for (auto _ : state) {
        qv::ProjectWriteResult written = qv::encodeProject(doc, "/tmp/full.baf");
        benchmark::DoNotOptimize(written.bytes.data());
        state.counters["bytes"] = static_cast<double>(written.bytes.size());
    }
}
BENCHMARK(BM_SaveFullProject)->Unit(benchmark::kMillisecond);

void BM_LoadFullProject(benchmark::State& state)
{
    const std::vector<uint8_t> bytes = qv::encodeProject(fullDocument(), "/tmp/full.baf").bytes;
    for (auto _ : state) {
        qv::ProjectReadResult read = qv::readProjectBytes(bytes, "full.baf");
        if (!read.ok())
            state.SkipWithError(read.message.c_str());
        benchmark::DoNotOptimize(read.document.fields.highWater());
    }
}
BENCHMARK(BM_LoadFullProject)->Unit(benchmark::kMillisecond);

} // namespace
