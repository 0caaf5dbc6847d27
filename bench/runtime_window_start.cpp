// How fast the built application's window starts with every kind of object at its limit:
// the data block read from the built file, the window made and drawn once, as
// --screenshot does. The objects are spread over the five pages (the live controls of a
// page are made when it is first shown) or all on the first page. Reports the resident
// memory after the last run.
#include "fulldesign.h"
#include "runtimewindow.h"

#include "builder/appdatabuilder.h"
#include "builder/datablockreader.h"
#include "builder/datablockwriter.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace {

std::vector<uint8_t> builtFile(bool onePage)
{
    qv::ProjectDocument design = qv::test::fullDesign(onePage);
    qv::PrepareDocumentForBuild(design);
    std::vector<uint8_t> runtime(4096, 0);
    return qv::WriteAppFile(std::move(runtime),
                            qv::BuildAppData(design, "Full", {2026, 12, 6}).data);
}

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return 0;
}

void startWindow(benchmark::State& state, bool onePage)
{
    const std::vector<uint8_t> file = builtFile(onePage);
    for (auto _ : state) {
        const qv::AppFileRead read = qv::ReadAppFile(file, "Full.exe");
        qv::runtime::RuntimeWindow window(read.data, qv::FormulaLocale{}, {});
        window.show();
        QApplication::processEvents();
        QImage shot = window.grab().toImage();
        benchmark::DoNotOptimize(shot.bits());
    }
    state.counters["rss_MB"] = static_cast<double>(residentKilobytes()) / 1024.0;
}

void BM_StartWindowSpreadOverPages(benchmark::State& state)
{
    startWindow(state, false);
}
BENCHMARK(BM_StartWindowSpreadOverPages)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_StartWindowAllOnOnePage(benchmark::State& state)
{
    startWindow(state, true);
}
BENCHMARK(BM_StartWindowAllOnOnePage)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
