// The ordering of the field list by separating power on the largest table, every row found.
#include "bigtable.h"

#include "../tests/identify/faketable.h"
#include "identify/ranking.h"

#include <benchmark/benchmark.h>

#include <numeric>

using namespace sylvane;

namespace {

// The data rows of the loaded table (after the title, comment and field name lines) as
// value ids, as the key table holds them.
testing::FakeTable idTable(const keytable::ProgramState& state) {
    constexpr int headerLines = 3;
    QList<QStringList> rows;
    for (int row = headerLines + 1; row <= state.KeyTable.rowCount(); ++row) {
        QStringList cells;
        for (int field = 1; field <= state.KeyTable.fieldCount(); ++field)
            cells << state.KeyTable(row, field);
        rows << cells;
    }
    return testing::FakeTable(rows);
}

void rankEveryField(benchmark::State& run, bool keepEmpty) {
    QTemporaryDir dir;
    const bench::LoadedWindow loaded(bench::writeBigTable(dir.path()));
    const testing::FakeTable table = idTable(loaded.state);
    std::vector<int> rows(static_cast<size_t>(table.rowCount()));
    std::iota(rows.begin(), rows.end(), 1);
    std::vector<int> fields(static_cast<size_t>(table.fieldCount() - 1));
    std::iota(fields.begin(), fields.end(), 2);
    for (auto _ : run) {
        const auto ranks = identify::rankFields(table, rows, fields, keepEmpty);
        benchmark::DoNotOptimize(ranks.data());
    }
    run.counters["rows"] = table.rowCount();
    run.counters["fields"] = static_cast<double>(fields.size());
}

void BM_RankFields30000Rows(benchmark::State& run) {
    rankEveryField(run, false);
}
BENCHMARK(BM_RankFields30000Rows)->Unit(benchmark::kMillisecond);

void BM_RankFields30000RowsKeepingEmpty(benchmark::State& run) {
    rankEveryField(run, true);
}
BENCHMARK(BM_RankFields30000RowsKeepingEmpty)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runBenchmarks(argc, argv);
}
