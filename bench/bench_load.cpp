// Loading key tables: the largest table the format allows and the real tables.
#include "bigtable.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace sylvane;

namespace {

void loadTable(benchmark::State& run, const QString& path) {
    if (bench::skipUnlessPresent(run, path))
        return;
    bench::LoadedWindow window(path);
    for (auto _ : run) {
        window.form->execute();
        benchmark::DoNotOptimize(window.state.KeyTable.rowCount());
    }
}

void BM_LoadBiggestTable(benchmark::State& run) {
    QTemporaryDir dir;
    loadTable(run, bench::writeBigTable(dir.path()));
}
BENCHMARK(BM_LoadBiggestTable)->Unit(benchmark::kMillisecond);

// A first load, into an empty table (as at start-up); the window is built untimed.
void BM_LoadBiggestTableIntoEmptyWindow(benchmark::State& run) {
    QTemporaryDir dir;
    const QString path = bench::writeBigTable(dir.path());
    for (auto _ : run) {
        run.PauseTiming();
        auto window = std::make_unique<bench::LoadedWindow>(QString());
        window->state.CurrentFile = path;
        run.ResumeTiming();
        window->form->execute();
        benchmark::DoNotOptimize(window->state.KeyTable.rowCount());
        run.PauseTiming();
        window.reset();
        run.ResumeTiming();
    }
}
BENCHMARK(BM_LoadBiggestTableIntoEmptyWindow)->Unit(benchmark::kMillisecond);

// Every line-end convention loads as fast as CR LF.
void BM_LoadThirtyMegabyteTable(benchmark::State& run, const char* lineEnd) {
    QTemporaryDir dir;
    loadTable(run, bench::writeThirtyMegabyteTable(dir.path(), lineEnd));
}
BENCHMARK_CAPTURE(BM_LoadThirtyMegabyteTable, crlf, "\r\n")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadThirtyMegabyteTable, cr, "\r")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadThirtyMegabyteTable, lf, "\n")->Unit(benchmark::kMillisecond);

void BM_LoadUciMushroom(benchmark::State& run) {
    loadTable(run, QStringLiteral(SYLVANE_TEST_DATA) + u"/uci_mushroom_fr.txt"_s);
}
BENCHMARK(BM_LoadUciMushroom)->Unit(benchmark::kMillisecond);

// 61069 data lines: the load stops at the row limit with its message.
void BM_LoadSecondaryOverLimit(benchmark::State& run) {
    loadTable(run, bench::sharedDataTable(u"secondary_61069_en.txt"_s));
}
BENCHMARK(BM_LoadSecondaryOverLimit)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runBenchmarks(argc, argv);
}
