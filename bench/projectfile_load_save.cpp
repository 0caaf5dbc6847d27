// Load and save of a project with every kind of object at its limit.
#include "document/projectfile.h"

#include <benchmark/benchmark.h>

namespace {

template <class T> void fill(qv::ObjectTable<T>& table)
{
    while (!table.full())
        table.append();
}

qv::ProjectDocument fullDocument()
{
    qv::ProjectDocument doc;
    fill(doc.titles);
    fill(doc.fields);
    fill(doc.notes);
    fill(doc.combos);
    fill(doc.pictures);
    fill(doc.checkboxes);
    fill(doc.squares);
    fill(doc.lines);
    fill(doc.buttons);
    fill(doc.scripts);
    for (int i : doc.titles.indices())
        doc.titles[i].caption = "Label " + std::to_string(i);
    for (int i : doc.fields.indices()) {
        doc.fields[i].tag = "Field" + std::to_string(i);
        doc.fields[i].fieldFormula = "F1+F2*3";
    }
    for (int i : doc.combos.indices())
        doc.combos[i].listItems = {"Apple", "Apricot", "Banana"};
    auto image = std::make_shared<const std::vector<uint8_t>>(4096, uint8_t{0x5A});
    for (int i : doc.pictures.indices()) {
        doc.pictures[i].storedFileName = "p" + std::to_string(i) + ".png";
        doc.pictures[i].imageBytes = image;
    }
    for (int r = 1; r <= qv::kMaxReports; ++r) {
        qv::ReportSlot slot{"Report " + std::to_string(r), {}, false};
        slot.report.labels.resize(100);
        slot.report.squares.resize(20);
        doc.reportSlots.push_back(slot);
    }
    return doc;
}

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
