// The ordering of the field list by separating power on the largest table, every row found,
// and the choice of the fields that name the taxa.
#include "bigtable.h"

#include "../tests/identify/faketable.h"
#include "identify/namefields.h"
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

// Every field ranked, every row found: a taxon with an empty cell counts under every value.
void BM_RankFields30000Rows(benchmark::State& run) {
    QTemporaryDir dir;
    const bench::LoadedWindow loaded(bench::writeBigTable(dir.path()));
    const testing::FakeTable table = idTable(loaded.state);
    std::vector<int> rows(static_cast<size_t>(table.rowCount()));
    std::iota(rows.begin(), rows.end(), 1);
    std::vector<int> fields(static_cast<size_t>(table.fieldCount() - 1));
    std::iota(fields.begin(), fields.end(), 2);
    for (auto _ : run) {
        const auto ranks = identify::rankFields(table, rows, fields);
        benchmark::DoNotOptimize(ranks.data());
    }
    run.counters["rows"] = table.rowCount();
    run.counters["fields"] = static_cast<double>(fields.size());
}

BENCHMARK(BM_RankFields30000Rows)->Unit(benchmark::kMillisecond);

// The fields that name the taxa, decided once per table.
void BM_NameFields30000Rows(benchmark::State& run) {
    QTemporaryDir dir;
    const bench::LoadedWindow loaded(bench::writeBigTable(dir.path()));
    for (auto _ : run) {
        const identify::NameFields names(loaded.state.KeyTable);
        benchmark::DoNotOptimize(names.contains(2));
    }
}
BENCHMARK(BM_NameFields30000Rows)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runBenchmarks(argc, argv);
}
