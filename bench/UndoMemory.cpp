// The memory the undo stack holds after a long day's editing of a full
// document: 1,000 dialog edits of the dense borehole, each one undo step.
// Reported in megabytes and against its floor, one copy of the store.
#include "BenchSupport.h"

#include "document/LogDocument.h"

#include <malloc.h>

namespace kolv::bench {
namespace {

constexpr int editCount = 1000;

// Bytes of the heap in use.
std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

void undoMemoryOfAThousandEdits(benchmark::State& state)
{
    const DenseBorehole& dense = denseBorehole();
    double stackMegabytes = 0;
    double storeMegabytes = 0;
    for (auto _ : state) {
        LogDocument document;
        LogSettings settings = document.settings();
        settings.dataRoot = dense.settings.dataRoot;
        settings.installFolderOverride = dense.settings.installFolderOverride;
        document.replaceSettings(settings);
        document.open(dense.path);

        std::size_t before = heapInUse();
        {
            const BoringData copy = document.data();
            storeMegabytes = static_cast<double>(heapInUse() - before) / 1e6;
            benchmark::DoNotOptimize(copy);
        }
        before = heapInUse();
        for (int edit = 1; edit <= editCount; ++edit) {
            // What a dialog's OK hands over: a copy with a few cells changed.
            BoringData edited = document.data();
            const int row = 1 + edit % 200;
            edited.layerRows.setCell(row, 4, "edit " + std::to_string(edit));
            edited.sptRows.setCell(1 + edit % 300, 2, std::to_string(edit % 50));
            document.pushEdit("地質", edited);
        }
        stackMegabytes = static_cast<double>(heapInUse() - before) / 1e6;
        benchmark::DoNotOptimize(document.undoStack());
    }
    state.counters["MB"] = stackMegabytes;
    state.counters["storeMB"] = storeMegabytes;
    state.counters["storeCopies"] = stackMegabytes / storeMegabytes;
    state.counters["limitMB"] = 50;
}
BENCHMARK(undoMemoryOfAThousandEdits)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolv::bench

BENCHMARK_MAIN();
