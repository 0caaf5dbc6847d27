// Building an application from a project with every kind of object at its limit: the data
// block made and written in memory, read back, and the whole build into a folder.
#include "builder/appdatabuilder.h"
#include "builder/compileapp.h"
#include "builder/datablockreader.h"
#include "builder/datablockwriter.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

std::vector<uint8_t> runtimeImage()
{
    std::vector<uint8_t> image(1 << 20);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<uint8_t>((i * 37 + 11) % 251);
    return image;
}

template <class T, class Fill> void fillKind(qv::ObjectTable<T>& table, Fill fill)
{
    while (!table.full()) {
        const int i = table.append();
        fill(table[i], i);
    }
}

qv::ProjectDocument fullDocument()
{
    using namespace qv;
    ProjectDocument d;
    auto bytes = std::make_shared<const std::vector<uint8_t>>(2048, uint8_t{7});
    fillKind(d.titles, [](Title& t, int i) { t.caption = "Label " + std::to_string(i); });
    fillKind(d.fields, [](Field& f, int i) {
        f.maxLength = 20;
        f.tag = "Field" + std::to_string(i);
        f.fieldFormula = "F1+1";
    });
    fillKind(d.notes, [](Notes& n, int) { n.maxLength = 200; });
    fillKind(d.combos, [](Combo& c, int) { c.listItems = {"One", "Two", "Three"}; });
    fillKind(d.pictures, [&](Picture& p, int) {
        p.storedFileName = "picture.png";
        p.imageBytes = bytes;
    });
    fillKind(d.checkboxes, [](Checkbox&, int) {});
    fillKind(d.squares, [](Square& s, int i) { s.left = static_cast<float>(i); });
    fillKind(d.lines, [](Line& l, int i) { l.x2 = static_cast<float>(i); });
    fillKind(d.buttons, [](Button& b, int) { b.caption = "Go"; });
    fillKind(d.scripts, [](Script& s, int) { s.tag = "<p>web</p>"; });
    for (int r = 1; r <= kMaxReports; ++r) {
        ReportSlot slot;
        slot.caption = "Report " + std::to_string(r);
        slot.report.labels.resize(50);
        slot.report.squares.resize(20);
        d.reportSlots.push_back(slot);
    }
    return d;
}

void BM_WriteAppFile(benchmark::State& state)
{
    qv::ProjectDocument document = fullDocument();
    qv::PrepareDocumentForBuild(document);
    const std::vector<uint8_t> image = runtimeImage();
    for (auto _ : state) {
        const qv::AppDataBuild build = qv::BuildAppData(document, "Full", {2026, 12, 6});
        std::vector<uint8_t> file = qv::WriteAppFile(image, build.data);
        benchmark::DoNotOptimize(file.data());
    }
}
BENCHMARK(BM_WriteAppFile)->Unit(benchmark::kMillisecond);

void BM_ReadAppFile(benchmark::State& state)
{
    qv::ProjectDocument document = fullDocument();
    qv::PrepareDocumentForBuild(document);
    const std::vector<uint8_t> file =
        qv::WriteAppFile(runtimeImage(), qv::BuildAppData(document, "Full", {2026, 12, 6}).data);
    for (auto _ : state) {
        const qv::AppFileRead read = qv::ReadAppFile(file, "Full.exe");
        if (!read.ok)
            state.SkipWithError(read.message.c_str());
        benchmark::DoNotOptimize(read.data.titles.data());
    }
}
BENCHMARK(BM_ReadAppFile)->Unit(benchmark::kMillisecond);

void BM_CompileApp(benchmark::State& state)
{
    const qv::ProjectDocument document = fullDocument();
    const auto parent = std::filesystem::temp_directory_path() / "qv-bench-builder";
    std::filesystem::create_directories(parent);
    qv::BuildOptions options;
    options.appName = "Full";
    options.parentFolder = parent;
    options.runtimeImage = runtimeImage();
    for (auto _ : state) {
        qv::ProjectDocument copy = document;
        const qv::BuildResult result = qv::CompileApp(copy, options);
        if (!result.ok)
            state.SkipWithError(result.message.c_str());
    }
    std::filesystem::remove_all(parent);
}
BENCHMARK(BM_CompileApp)->Unit(benchmark::kMillisecond);

} // namespace
