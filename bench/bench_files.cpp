// Reading the settings file and replacing files: settings lines of many commas, the
// checked replacement of a table of the largest size the format allows, the optimisation
// of a 30 MB table.
#include "bigtable.h"

#include "core/safewrite.h"
#include "core/settingsfile.h"
#include "keytable/filetools.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace sylvane;

namespace {

// A default table whose path holds run.range(0) commas: reading grows with the line.
void BM_ReadSettingsLineOfCommas(benchmark::State& run) {
    QString path = u"FICDEFAUT =/d/"_s;
    for (int i = 0; i < run.range(0); ++i)
        path += u"a,"_s;
    const QStringList lines{path, u"CHOIXMULT =1"_s};
    for (auto _ : run)
        benchmark::DoNotOptimize(core::readSettingsItems(lines));
    run.SetComplexityN(run.range(0));
}
BENCHMARK(BM_ReadSettingsLineOfCommas)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 16)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

// Writing the biggest table through the checked replacement (fsync included).
void BM_ReplaceBiggestTable(benchmark::State& run) {
    QTemporaryDir dir;
    QFile table(bench::writeBigTable(dir.path()));
    if (!table.open(QIODevice::ReadOnly)) {
        run.SkipWithError("table not written");
        return;
    }
    const QByteArray bytes = table.readAll();
    for (auto _ : run)
        benchmark::DoNotOptimize(core::replaceFileContents(table.fileName(), bytes));
    run.SetBytesProcessed(run.iterations() * bytes.size());
}
BENCHMARK(BM_ReplaceBiggestTable)->Unit(benchmark::kMillisecond);

// The optimisation's text of a 30 MB table whose lines end in CR alone (no file written).
void BM_OptimiseThirtyMegabyteCrTable(benchmark::State& run) {
    QTemporaryDir dir;
    QFile table(bench::writeThirtyMegabyteTable(dir.path(), "\r"));
    if (!table.open(QIODevice::ReadOnly)) {
        run.SkipWithError("table not written");
        return;
    }
    const QByteArray bytes = table.readAll();
    for (auto _ : run)
        benchmark::DoNotOptimize(keytable::optimiseText(bytes));
}
BENCHMARK(BM_OptimiseThirtyMegabyteCrTable)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
