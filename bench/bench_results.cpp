// The keyword search, the extraction, the comparison and the look-alikes of a taxon on the
// largest table.
#include "bigtable.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>

using namespace Qt::StringLiterals;
using namespace sylvane;

namespace {

// A recording platform whose clock and event queue are the real ones, so that the long
// loops yield as they do in the program. With everyTime, the clock jumps 30 ms at each
// reading: the loops then yield at every step (the worst case).
class RunningPlatform : public core::RecordingPlatform {
  public:
    explicit RunningPlatform(bool everyTime) : everyTime_(everyTime) { timer_.start(); }
    qint64 monotonicMilliseconds() override {
        return everyTime_ ? (fake_ += 30) : timer_.elapsed();
    }
    void processEvents() override {
        ++yields;
        QCoreApplication::processEvents();
    }
    int yields = 0;

  private:
    bool everyTime_;
    QElapsedTimer timer_;
    qint64 fake_ = 0;
};

struct BigWindow {
    QTemporaryDir dir;
    keytable::ProgramState state;
    RunningPlatform platform;
    engine::NoWindows windows;
    engine::FormTbl form{state, platform, windows};

    explicit BigWindow(bool yieldEveryTime = false) : platform(yieldEveryTime) {
        state.CurrentFile = bench::writeBigTable(dir.path());
        form.execute();
    }

    // The values of a field over every row, as a click on it from the reset lists them.
    void deriveValues(int field) {
        form.identification.RazListes();
        form.identification.fieldList.setCurrentIndex(field - 2);
        form.identification.List2_Click();
    }
};

void BM_KeywordSearch30000Entries(benchmark::State& run) {
    BigWindow w;
    std::vector<engine::ListEntry> entries;
    for (int row = 4; row <= w.state.KeyTable.rowCount(); ++row)
        entries.push_back({w.state.KeyTable(row, 50) + u" n°"_s + QString::number(row), row});
    w.form.identification.valueList.setEntries(std::move(entries));
    w.form.keyword.keywords(0).setText(u"ROUGE"_s);
    w.form.keyword.keywords(1).setText(u"ecaill"_s);
    for (auto _ : run) {
        w.form.keyword.MoCle_Click(0);
        benchmark::DoNotOptimize(w.form.results.resultList.count());
    }
    run.counters["entries"] = w.form.identification.valueList.count();
    run.counters["found"] = w.form.results.resultList.count();
}
BENCHMARK(BM_KeywordSearch30000Entries)->Unit(benchmark::kMillisecond);

void BM_Extraction(benchmark::State& run) {
    BigWindow w;
    w.deriveValues(50);
    const auto values = w.form.identification.valueList.entries();
    w.form.keyword.keywords(0).setText(u"e"_s);
    for (auto _ : run) {
        run.PauseTiming();
        w.deriveValues(50);
        run.ResumeTiming();
        w.form.keyword.MoCle_Click(1);
        benchmark::DoNotOptimize(w.form.identification.valueList.count());
    }
    run.counters["values"] = static_cast<double>(values.size());
    run.counters["rows"] = static_cast<double>(w.form.identification.session().foundRows().size());
    run.counters["taxa"] = w.form.identification.valueList.count();
}
BENCHMARK(BM_Extraction)->Unit(benchmark::kMillisecond);

void compareWithAllTaxa(benchmark::State& run, bool yieldEveryTime) {
    BigWindow w(yieldEveryTime);
    std::vector<engine::ListEntry> taxa;
    for (int row = 4; row <= w.state.KeyTable.rowCount(); ++row)
        taxa.push_back({w.state.KeyTable(row, 1), row});
    w.form.identification.taxonList.setEntries(std::move(taxa));
    w.form.identification.taxonList.setCurrentIndex(w.form.identification.taxonList.count() / 2);
    w.form.identification.compare.setValue(1);
    for (auto _ : run) {
        w.platform.yields = 0;
        w.form.results.ListEspeces_Click();
        benchmark::DoNotOptimize(w.form.results.resultList.count());
    }
    run.counters["taxa"] = w.form.identification.taxonList.count();
    run.counters["lines"] = w.form.results.resultList.count();
    run.counters["yields"] = w.platform.yields;
}

void BM_Comparison30000Taxa(benchmark::State& run) {
    compareWithAllTaxa(run, false);
}
BENCHMARK(BM_Comparison30000Taxa)->Unit(benchmark::kMillisecond);

void BM_Comparison30000TaxaYieldingEachTaxon(benchmark::State& run) {
    compareWithAllTaxa(run, true);
}
BENCHMARK(BM_Comparison30000TaxaYieldingEachTaxon)->Unit(benchmark::kMillisecond);

// "Espèces proches" on a taxon's sheet: every taxon of the table compared with it field by
// field, the ten nearest listed with their differences.
void BM_LookAlikes(benchmark::State& run) {
    BigWindow w;
    engine::ResultPanel& results = w.form.results;
    w.form.identification.Command2_Click(); // "liste": every row, a sheet a click away
    w.form.identification.taxonList.setCurrentIndex(w.form.identification.taxonList.count() / 2);
    for (auto _ : run) {
        run.PauseTiming();
        results.ListEspeces_Click();
        run.ResumeTiming();
        results.CmdProches_Click();
        benchmark::DoNotOptimize(results.resultList.count());
    }
    run.counters["lines"] = results.resultList.count();
}
BENCHMARK(BM_LookAlikes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runBenchmarks(argc, argv);
}
