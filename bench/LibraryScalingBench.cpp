// How the cost per material grows with the size of a scene's material
// library: a library record of 100, 1,000 and 10,000 materials is read into
// the scene's library and every material's document is written.
#include <benchmark/benchmark.h>

#include <map>

#include "BenchRecords.h"
#include "LibraryRun.h"

namespace {

const KilnCore::QuickArchive& recordOf(size_t count) {
    static std::map<size_t, KilnCore::QuickArchive> records;
    auto it = records.find(count);
    if (it == records.end()) it = records.emplace(count, bench::libraryRecord(count)).first;
    return it->second;
}

void BM_Library(benchmark::State& state) {
    const size_t count = static_cast<size_t>(state.range(0));
    const KilnCore::QuickArchive& record = recordOf(count);
    for (auto _ : state) {
        if (bench::readLibraryAndWriteDocuments(record) == 0) state.SkipWithError("library record not read");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Library)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
