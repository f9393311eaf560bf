// Loading key tables: the largest table the format allows and the real tables.
#include "bigtable.h"

#include <QDir>
#include <QFile>

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
        benchmark::DoNotOptimize(window.state.LineCount);
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
        benchmark::DoNotOptimize(window->state.LineCount);
        run.PauseTiming();
        window.reset();
        run.ResumeTiming();
    }
}
BENCHMARK(BM_LoadBiggestTableIntoEmptyWindow)->Unit(benchmark::kMillisecond);

// A table of about 30 MB (29 992 lines of 50 values of some 20 characters) whose lines
// end as lineEnd says: every convention must load as fast as CR LF.
QString writeThirtyMegabyteTable(const QString& folder, const QByteArray& lineEnd) {
    QByteArray bytes = "TITRE=Table de 30 Mo" + lineEnd + "COMMENTAIRE=lignes longues" + lineEnd;
    bytes += "CHAMP=Espece";
    for (int f = 2; f <= 50; ++f)
        bytes += ";champ " + QByteArray::number(f);
    bytes += lineEnd;
    for (int r = 0; r < 29992 - 3; ++r) {
        bytes += "Taxon " + QByteArray::number(r / 3);
        for (int f = 2; f <= 50; ++f)
            bytes += ";valeur assez longue " + QByteArray::number((r * 7 + f * 13) % (5 * f));
        bytes += lineEnd;
    }
    const QString path = QDir(folder).filePath(u"table_30_mo.txt"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

void BM_LoadThirtyMegabyteTable(benchmark::State& run, const char* lineEnd) {
    QTemporaryDir dir;
    loadTable(run, writeThirtyMegabyteTable(dir.path(), lineEnd));
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
