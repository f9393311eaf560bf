// The ordering of the field list by separating power on the largest table, every row found.
#include "bigtable.h"

#include "identify/ranking.h"

#include <benchmark/benchmark.h>

#include <QHash>

#include <numeric>

using namespace sylvane;

namespace {

// The loaded table as value ids, one row after another: each column numbers its distinct
// texts from 1, the empty text is 0.
class IdTable {
  public:
    explicit IdTable(const core::ProgramState& state)
        : rows_(state.lineCount() - headerLines), fields_(state.FieldCount) {
        cells_.reserve(static_cast<size_t>(rows_) * static_cast<size_t>(fields_));
        std::vector<QHash<QString, int>> ids(static_cast<size_t>(fields_));
        for (int row = 1; row <= rows_; ++row)
            for (int field = 1; field <= fields_; ++field) {
                const QString& text = state.KeyTable(row + headerLines, field);
                auto& column = ids[static_cast<size_t>(field - 1)];
                if (!text.isEmpty() && !column.contains(text))
                    column.insert(text, static_cast<int>(column.size()) + 1);
                cells_.push_back(column.value(text, 0));
            }
        for (const auto& column : ids)
            pools_.push_back(static_cast<int>(column.size()) + 1);
    }

    int rowCount() const { return rows_; }
    int fieldCount() const { return fields_; }
    int poolSize(int field) const { return pools_[static_cast<size_t>(field - 1)]; }
    int cellId(int row, int field) const {
        return cells_[static_cast<size_t>((row - 1) * fields_ + field - 1)];
    }

  private:
    static constexpr int headerLines = 3; // title, comment and field names
    int rows_;
    int fields_;
    std::vector<int> cells_;
    std::vector<int> pools_;
};

void rankEveryField(benchmark::State& run, bool keepEmpty) {
    QTemporaryDir dir;
    const bench::LoadedWindow loaded(bench::writeBigTable(dir.path()));
    const IdTable table(loaded.state);
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
