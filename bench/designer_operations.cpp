#include "designer/canvasoperations.h"
#include "designer/clipboardtext.h"
#include "designer/objectdeletion.h"
#include "designer/taborder.h"

#include <benchmark/benchmark.h>

namespace {

using namespace qv;

template <class T> int add(ProjectDocument& d, float left, float top)
{
    ObjectTable<T>& table = tableOf<T>(d);
    const int i = table.append();
    placeRecord(table[i], left, top);
    return i;
}

// Paste of 1,000 objects of mixed kinds (half of them fields with formulas).
void BM_Paste1000(benchmark::State& state)
{
    ProjectDocument source;
    std::vector<ObjectRef> refs;
    for (int i = 0; i < 1000; ++i) {
        const float x = static_cast<float>(i % 40) * 20;
        const float y = static_cast<float>(i / 40) * 20;
        switch (i % 4) {
        case 0:
        case 1: {
            const int f = add<Field>(source, x, y);
            source.fields[f].fieldFormula = "F" + std::to_string(f > 1 ? f - 1 : 1) + "*2+F1";
            refs.push_back({ObjectKind::Field, f});
            break;
        }
        case 2: {
            const int t = add<Title>(source, x, y);
            source.titles[t].caption = "Label, number " + std::to_string(t);
            refs.push_back({ObjectKind::Title, t});
            break;
        }
        default: {
            const int c = add<Combo>(source, x, y);
            source.combos[c].listItems = {"one", "two", "three"};
            refs.push_back({ObjectKind::Combo, c});
        }
        }
    }
    const std::string text = clipboardText(source, refs);
    for (auto _ : state) {
        state.PauseTiming();
        ProjectDocument target = source;
        Designer d(target);
        state.ResumeTiming();
        benchmark::DoNotOptimize(pasteClipboardText(d, text));
    }
}
BENCHMARK(BM_Paste1000)->Unit(benchmark::kMillisecond);

// Delete of every second field out of 2,000 that carry formulas, with renumbering.
void BM_DeleteHalfOf2000Fields(benchmark::State& state)
{
    ProjectDocument source;
    for (int i = 1; i <= 2000; ++i) {
        const int f = add<Field>(source, 0, 0);
        source.fields[f].fieldFormula =
            "F" + std::to_string(i % 2000 + 1) + "+F" + std::to_string((i + 7) % 2000 + 1) + "*3";
    }
    std::vector<ObjectRef> odd;
    for (int i = 1; i <= 2000; i += 2)
        odd.push_back({ObjectKind::Field, i});
    for (auto _ : state) {
        state.PauseTiming();
        ProjectDocument doc = source;
        Designer d(doc);
        state.ResumeTiming();
        benchmark::DoNotOptimize(deleteObjects(d, odd));
    }
}
BENCHMARK(BM_DeleteHalfOf2000Fields)->Unit(benchmark::kMillisecond);

ProjectDocument inputObjects6500()
{
    ProjectDocument doc;
    unsigned state = 7;
    auto next = [&](int bound) {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 8) % static_cast<unsigned>(bound));
    };
    for (int i = 0; i < 2000; ++i)
        doc.fields[add<Field>(doc, 0, 0)].tabOrder = static_cast<int16_t>(next(7000));
    for (int i = 0; i < 500; ++i)
        doc.notes[add<Notes>(doc, 0, 0)].tabOrder = static_cast<int16_t>(next(7000));
    for (int i = 0; i < 2000; ++i)
        doc.combos[add<Combo>(doc, 0, 0)].tabOrder = next(7000);
    for (int i = 0; i < 2000; ++i)
        doc.checkboxes[add<Checkbox>(doc, 0, 0)].tabOrder = static_cast<int16_t>(next(7000));
    return doc;
}

void BM_AssignTab6500(benchmark::State& state)
{
    const ProjectDocument source = inputObjects6500();
    for (auto _ : state) {
        state.PauseTiming();
        ProjectDocument doc = source;
        state.ResumeTiming();
        assignTab(doc);
        benchmark::DoNotOptimize(doc.fields[1].tabOrder);
    }
}
BENCHMARK(BM_AssignTab6500)->Unit(benchmark::kMillisecond);

void BM_AssignTabLiteral6500(benchmark::State& state)
{
    const ProjectDocument source = inputObjects6500();
    for (auto _ : state) {
        state.PauseTiming();
        ProjectDocument doc = source;
        state.ResumeTiming();
        assignTabLiteral(doc);
        benchmark::DoNotOptimize(doc.fields[1].tabOrder);
    }
}
BENCHMARK(BM_AssignTabLiteral6500)->Unit(benchmark::kMillisecond)->Iterations(3);

// Area selection over 25,000 objects on the canvas.
void BM_AreaSelection25000(benchmark::State& state)
{
    ProjectDocument doc;
    for (int i = 0; i < 25000; ++i) {
        const float x = static_cast<float>(i % 250) * 4;
        const float y = static_cast<float>(i / 250) * 10;
        switch (i % 5) {
        case 0: add<Title>(doc, x, y); break;
        case 1: add<Square>(doc, x, y); break;
        case 2: add<Line>(doc, x, y); break;
        case 3: add<Field>(doc, x, y); break;
        default: add<Checkbox>(doc, x, y);
        }
    }
    doc.settings.pageSizeCode = kPageSizeCustom;
    doc.settings.surfaceWidth = pixelsToTwips(1000);
    doc.settings.surfaceHeight = pixelsToTwips(1000);
    Designer d(doc);
    for (auto _ : state) {
        SelectionState& s = d.selection();
        s.bandLeft = 100;
        s.bandTop = 100;
        s.bandWidth = 500;
        s.bandHeight = 500;
        finishAreaSelection(d);
        benchmark::DoNotOptimize(s.multi.size());
    }
}
BENCHMARK(BM_AreaSelection25000)->Unit(benchmark::kMillisecond);

} // namespace
