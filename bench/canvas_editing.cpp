// The design canvas on a project with every kind of object at its limit (26,000 objects on
// the first page): opening and painting, switching pages, dragging, band selection with a
// group move (with and without the property panel following it), undoing a large paste,
// and the memory each object shown costs. The view is a
// real window on the offscreen platform; a step counts as done when its repaint is.
#include "residentmemory.h"
#include "canvas/canvaspane.h"
#include "canvas/designdocument.h"
#include "canvas/designscene.h"
#include "canvas/designview.h"
#include "designer/canvasoperations.h"
#include "designer/clipboardtext.h"
#include "document/projectfile.h"
#include "fulldocument.h"
#include "panel/propertypanel.h"

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <fstream>
#include <malloc.h>
#include <memory>

namespace {

using namespace qv;
using namespace qv::gui;

// How the benchmark lays out the project with every kind at its limit (26,005 objects).
enum Layout : int64_t {
    // Spread over the five pages (5,201 each), side by side in cells of 210 x 110 pixels on
    // a page of 4,220 x 28,620: a large design that a person laid out, of which the view
    // shows a part.
    FivePages = 0,
    // All on the first page of 816 x 1,056, in a grid of 20-pixel steps, so that each point
    // of the page lies under a dozen objects and every one of them is in view.
    OnePage = 1,
};

const std::vector<uint8_t>& projectBytes(Layout layout)
{
    static std::vector<uint8_t> bytes[2];
    std::vector<uint8_t>& made = bytes[layout];
    if (!made.empty())
        return made;
    ProjectDocument doc = bench::fullDocument();
    int n = 0;
    for (ObjectKind kind : kAllKinds) {
        visitTable(doc, kind, [&](auto& table) {
            for (int i : table.indices()) {
                auto& o = table[i];
                if (layout == FivePages) {
                    const int k = n / kPageCount;
                    placeRecord(o, static_cast<float>(10 + k % 20 * 210),
                                static_cast<float>(10 + k / 20 * 110));
                    o.page = static_cast<decltype(o.page)>(n % kPageCount);
                } else {
                    placeRecord(o, static_cast<float>(n % 40 * 20),
                                static_cast<float>(n / 40 % 50 * 20));
                }
                ++n;
            }
        });
    }
    if (layout == FivePages) {
        doc.settings.pageSizeCode = kPageSizeCustom;
        doc.settings.surfaceWidth = pixelsToTwips(4220);
        doc.settings.surfaceHeight = pixelsToTwips(28620);
    }
    made = encodeProject(doc, "full.baf").bytes;
    return made;
}

// Counts the paint events of the view, to show that each step was repainted.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// An open design in the canvas pane, its view the size of a common screen's canvas.
struct OpenDesign {
    ProjectDocument doc;
    std::unique_ptr<DesignDocument> design;
    std::unique_ptr<CanvasPane> pane;
    DesignView* view = nullptr;
    PaintCounter counter;

    explicit OpenDesign(ProjectDocument d) : doc(std::move(d))
    {
        design = std::make_unique<DesignDocument>(doc, nullptr);
        pane = std::make_unique<CanvasPane>(*design);
        view = &pane->view();
        view->resize(1024, 768);
        view->viewport()->installEventFilter(&counter);
        pane->show();
        paint();
    }
    ~OpenDesign() { pane.reset(); }
    DesignScene& scene() { return pane->scene(); }
    // Lets the view repaint what changed.
    static void settle() { QCoreApplication::processEvents(); }
    // Paints the whole view now.
    void paint() { benchmark::DoNotOptimize(view->viewport()->grab().cacheKey()); }
};

ProjectDocument readFull(Layout layout = FivePages)
{
    ProjectReadResult read = readProjectBytes(projectBytes(layout), "full.baf");
    return std::move(read.document);
}

// Resident memory of the process, bytes.
double residentBytes()
{
    return static_cast<double>(residentKilobytes()) * 1024;
}

void BM_MemoryPerObjectShown(benchmark::State& state)
{
    for (auto _ : state) {
        OpenDesign empty(ProjectDocument{});
        projectBytes(OnePage); // made once for every benchmark, not part of the project open
        // Memory that earlier runs freed goes back first, so that it does not hide the cost.
        malloc_trim(0);
        const double before = residentBytes();
        auto open = std::make_unique<OpenDesign>(readFull(OnePage));
        const double after = residentBytes();
        state.counters["bytes_per_object"] = (after - before) / open->scene().objectCount();
        state.counters["objects"] = open->scene().objectCount();
    }
}
// First, in a fresh process: memory freed by other benchmarks would hide what it costs.
BENCHMARK(BM_MemoryPerObjectShown)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_OpenAndPaintFirstPage(benchmark::State& state)
{
    for (auto _ : state) {
        auto open = std::make_unique<OpenDesign>(readFull(Layout(state.range(0))));
        state.counters["objects_shown"] = open->scene().objectCount();
        state.PauseTiming();
        open.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenAndPaintFirstPage)->Arg(FivePages)->Arg(OnePage)->Unit(benchmark::kMillisecond);

void BM_SwitchPage(benchmark::State& state)
{
    OpenDesign open(readFull());
    int page = 0;
    for (auto _ : state) {
        page = page == 0 ? 1 : 0;
        open.design->showPage(page);
        OpenDesign::settle();
    }
}
BENCHMARK(BM_SwitchPage)->Unit(benchmark::kMillisecond);

void BM_DragStepWithRepaint(benchmark::State& state)
{
    OpenDesign open(readFull());
    const ObjectRef ref{ObjectKind::Field, 6}; // on the first page, in view
    open.design->run([&](Designer& d) { selectObject(d, ref); });
    open.design->beginGesture(QStringLiteral("Move"));
    float dx = 1;
    for (auto _ : state) {
        open.design->run([&](Designer& d) { moveObject(d, ref, dx, 0); });
        OpenDesign::settle();
        dx = -dx;
    }
    open.design->endGesture();
    state.counters["paints"] = open.counter.paints;
}
BENCHMARK(BM_DragStepWithRepaint)->Unit(benchmark::kMillisecond);

void BM_BandSelectEveryObjectOnThePage(benchmark::State& state)
{
    OpenDesign open(readFull());
    for (auto _ : state) {
        open.design->run([](Designer& d) {
            SelectionState& s = d.selection();
            s.bandLeft = 0;
            s.bandTop = 0;
            s.bandWidth = 4220;
            s.bandHeight = 28620;
            finishAreaSelection(d);
        });
        OpenDesign::settle();
        state.PauseTiming();
        state.counters["selected"] = static_cast<double>(open.design->selection().multi.size());
        open.design->run([](Designer& d) { releaseAreaSelection(d.selection()); });
        OpenDesign::settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BandSelectEveryObjectOnThePage)->Unit(benchmark::kMillisecond);

void BM_GroupMoveStepWithRepaint(benchmark::State& state)
{
    OpenDesign open(readFull());
    open.design->run([](Designer& d) { selectAll(d); });
    OpenDesign::settle();
    state.counters["selected"] = static_cast<double>(open.design->selection().multi.size());
    open.design->beginGesture(QStringLiteral("Move"));
    float dx = 1;
    for (auto _ : state) {
        open.design->run([&](Designer& d) { moveAreaSelection(d, dx, 0); });
        OpenDesign::settle();
        dx = -dx;
    }
    open.design->endGesture();
}
BENCHMARK(BM_GroupMoveStepWithRepaint)->Unit(benchmark::kMillisecond);

// The same with the property panel showing the selection (argument 1: 1 with the panel, 0
// without, to compare on the same layout): every step shows the band's place and what its
// objects have in common again.
void BM_GroupMoveStepWithPanel(benchmark::State& state)
{
    OpenDesign open(readFull(static_cast<Layout>(state.range(0))));
    std::unique_ptr<PropertyPanel> panel;
    if (state.range(1) != 0) {
        panel = std::make_unique<PropertyPanel>(
            *open.design, nullptr, [&open](ObjectRef ref) { return open.scene().shownRect(ref); });
        panel->show();
    }
    open.design->run([](Designer& d) { selectAll(d); });
    OpenDesign::settle();
    state.counters["selected"] = static_cast<double>(open.design->selection().multi.size());
    open.design->beginGesture(QStringLiteral("Move"));
    float dx = 1;
    for (auto _ : state) {
        open.design->run([&](Designer& d) { moveAreaSelection(d, dx, 0); });
        OpenDesign::settle();
        dx = -dx;
    }
    open.design->endGesture();
    panel.reset();
}
BENCHMARK(BM_GroupMoveStepWithPanel)
    ->Args({FivePages, 0})
    ->Args({FivePages, 1})
    ->Args({OnePage, 0})
    ->Args({OnePage, 1})
    ->Unit(benchmark::kMillisecond);

void BM_UndoPasteOf1000Objects(benchmark::State& state)
{
    ProjectDocument small;
    for (int i = 0; i < 1000; ++i) {
        const int f = small.fields.append();
        placeRecord(small.fields[f], static_cast<float>(i % 40) * 20,
                    static_cast<float>(i / 40) * 25);
        small.fields[f].fieldFormula = "F1+F" + std::to_string(f);
    }
    std::vector<ObjectRef> all;
    for (int i : small.fields.indices())
        all.push_back({ObjectKind::Field, i});
    const std::string text = clipboardText(small, all);
    OpenDesign open(ProjectDocument{});
    for (auto _ : state) {
        state.PauseTiming();
        open.design->run([&](Designer& d) { pasteClipboardText(d, text); });
        OpenDesign::settle();
        state.ResumeTiming();
        open.design->undo();
        OpenDesign::settle();
    }
    state.counters["objects"] = 1000;
}
BENCHMARK(BM_UndoPasteOf1000Objects)->Unit(benchmark::kMillisecond);

} // namespace
