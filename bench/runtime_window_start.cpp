// How fast the built application's window starts with every kind of object at its limit:
// the data block read from the built file, the window made and drawn once, as
// --screenshot does. The objects are spread over the five pages or all on the first page;
// every object is drawn and none gets a live control until the user works with it.
// Reports the resident memory after the last run and the live controls made. Then what
// working on such a page costs: TAB from object to object, each making its control.
#include "residentmemory.h"
#include "fulldesign.h"
#include "runtimewindow.h"

#include "builder/appdatabuilder.h"
#include "builder/datablockreader.h"
#include "builder/datablockwriter.h"

#include "formpage.h"

#include <QApplication>
#include <QKeyEvent>

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
        state.counters["controls"] = window.formPage()->liveControlCount();
    }
    state.counters["rss_MB"] = static_cast<double>(residentKilobytes()) / 1024.0;
}

// Starts the window of a design with everything on one page and keeps it.
struct OpenWindow {
    std::vector<uint8_t> file = builtFile(true);
    qv::AppFileRead read = qv::ReadAppFile(file, "Full.exe");
    qv::runtime::RuntimeWindow window{read.data, qv::FormulaLocale{}, {}};

    OpenWindow()
    {
        window.show();
        QApplication::setActiveWindow(&window);
        QApplication::processEvents();
    }
};

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

// 100 presses of TAB on the full page, each making the control of the next object in the
// TAB order and painting it.
void BM_TabThroughAFullPage(benchmark::State& state)
{
    OpenWindow open;
    qv::runtime::FormPage* page = open.window.formPage();
    page->focusFirst();
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(QApplication::focusWidget(), &tab);
        }
        QApplication::processEvents();
    }
    state.counters["controls"] = page->liveControlCount();
    state.counters["rss_MB"] = static_cast<double>(residentKilobytes()) / 1024.0;
}
BENCHMARK(BM_TabThroughAFullPage)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
