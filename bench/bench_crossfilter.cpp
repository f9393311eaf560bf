// The cross-filter window on the largest table: the value list of a field whose 30000
// cells are all distinct, and a cross search with 49 filters.
#include "bigtable.h"

#include "crossfilter/formcrx.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

using namespace Qt::StringLiterals;
using namespace sylvane;

namespace {

struct CrossFilterBench {
    QTemporaryDir dir;
    bench::LoadedWindow window{bench::writeBigTable(dir.path())};
    crossfilter::FormCrx crx{window.state, window.platform};

    CrossFilterBench() { crx.Form_Load(); }
};

void BM_ValueListDistinctCells(benchmark::State& run) {
    CrossFilterBench b;
    auto& s = b.window.state;
    const int lastField = s.KeyTable.fieldCount();
    for (int row = 1; row <= s.KeyTable.rowCount(); ++row)
        s.KeyTable.setCell(row, lastField, u"valeur %1"_s.arg(row));
    b.crx.fieldList.setCurrentIndex(lastField - 1);
    for (auto _ : run) {
        b.crx.ListeChamps_Click();
        benchmark::DoNotOptimize(b.crx.valueList.count());
    }
    run.counters["values"] = b.crx.valueList.count();
}
BENCHMARK(BM_ValueListDistinctCells)->Unit(benchmark::kMillisecond);

// Filters on fields 2 to 50 mixing containment and exact tests, ET, OU and single values.
void BM_CrossSearch49Filters(benchmark::State& run) {
    CrossFilterBench b;
    static const QStringList words{u"blanc"_s, u"brun"_s,     u"rosé"_s,       u"rouge"_s,
                                   u"ÉCAIL"_s, u"jaunâtre"_s, u"vert olive"_s, u"ocre"_s};
    using crossfilter::FilterMode;
    using crossfilter::ValueMatch;
    static constexpr std::array modes{FilterMode::Both, FilterMode::Either, FilterMode::Single};
    for (int f = 1; f <= 49; ++f) {
        auto& filter = b.crx.Filters[static_cast<std::size_t>(f)];
        filter.Value1 = words[f % words.size()];
        filter.Exact1 = ValueMatch::Contains;
        filter.Field1 = f + 1;
        filter.Mode = modes[static_cast<std::size_t>(f) % modes.size()];
        filter.Value2 =
            filter.Mode == FilterMode::Single ? QString() : words[(f + 3) % words.size()] + u" 7"_s;
        filter.Exact2 = ValueMatch::Exact;
        filter.Field2 = 50 - f + 1;
    }
    b.crx.FilterCount = 49;
    for (auto _ : run) {
        b.crx.Command1_Click();
        benchmark::DoNotOptimize(b.crx.reportBox.text().size());
    }
    run.counters["report_chars"] = static_cast<double>(b.crx.reportBox.text().size());
}
BENCHMARK(BM_CrossSearch49Filters)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return sylvane::bench::runBenchmarks(argc, argv);
}
