// The identification engine's clicks on the largest table the format allows and on the
// first 30000 lines of a real table with thousands of distinct values per field: a field
// click, a value click, "RAZ", a step back over a 20-token record, the ranking of the field
// list, and the withdrawal of a choice; the value click and the withdrawal with two
// differences tolerated.
#include "bigtable.h"

#include "core/moduleroutines.h"
#include "engine/userinput.h"

#include <benchmark/benchmark.h>

#include <algorithm>

#include <QCoreApplication>

using namespace Qt::StringLiterals;
using namespace sylvane;

namespace {

enum class Table { Biggest, Secondary };

// One loaded window per table for the whole run: loading is measured elsewhere.
bench::LoadedWindow* window(Table table) {
    static QTemporaryDir dir;
    static std::unique_ptr<bench::LoadedWindow> loaded[2];
    auto& slot = loaded[static_cast<int>(table)];
    if (!slot) {
        QString path;
        if (table == Table::Biggest) {
            path = bench::writeBigTable(dir.path());
        } else {
            const QString source = bench::sharedDataTable(u"secondary_61069_en.txt"_s);
            if (!core::FileExists(source))
                return nullptr;
            // Five header lines, then as many data lines as fit in 30000 rows.
            path = bench::writeTableHead(source, dir.path(), 30000 - 5);
        }
        slot = std::make_unique<bench::LoadedWindow>(path);
    }
    return slot.get();
}

// The field of List2 with the most distinct values among all rows.
int richestField(engine::FormTbl& form) {
    int best = 0;
    int bestCount = -1;
    for (int i = 0; i < form.identification.fieldList.count(); ++i) {
        form.identification.RazListes();
        form.identification.fieldList.setCurrentIndex(i);
        form.identification.List2_Simulclic();
        if (form.identification.valueList.count() > bestCount) {
            bestCount = form.identification.valueList.count();
            best = i;
        }
    }
    form.identification.RazListes();
    return best;
}

// The position of the value of ListDesc that carries the most rows.
int fullestValue(const engine::FormTbl& form) {
    const identify::RowGroups& values = form.identification.session().values();
    int best = 0;
    std::size_t bestLength = 0;
    for (int i = 0; i < values.count(); ++i)
        if (values.rows(i).size() > bestLength) {
            bestLength = values.rows(i).size();
            best = i;
        }
    return best;
}

void clickField(engine::FormTbl& form, int position) {
    form.identification.fieldList.setCurrentIndex(position);
    form.identification.List2_Click();
}

void clickValue(engine::FormTbl& form, int position) {
    form.identification.valueList.setCurrentIndex(position);
    form.identification.ListDesc_Click();
}

bench::LoadedWindow* prepared(benchmark::State& run, Table table) {
    bench::LoadedWindow* w = window(table);
    if (!w)
        bench::skipUnlessPresent(run, bench::sharedDataTable(u"secondary_61069_en.txt"_s));
    return w;
}

// A field click from the reset state on the field with the most distinct values.
void BM_FieldClick(benchmark::State& run, Table table) {
    auto* w = prepared(run, table);
    if (!w)
        return;
    engine::FormTbl& form = *w->form;
    const int field = richestField(form);
    for (auto _ : run) {
        clickField(form, field);
        benchmark::DoNotOptimize(form.identification.valueList.count());
    }
    run.counters["values"] = form.identification.valueList.count();
}

// The taxon column: one value per taxon name.
void BM_TaxonColumnClick(benchmark::State& run, Table table) {
    auto* w = prepared(run, table);
    if (!w)
        return;
    engine::FormTbl& form = *w->form;
    form.identification.RazListes();
    for (auto _ : run) {
        form.identification.Label2_Click();
        benchmark::DoNotOptimize(form.identification.valueList.count());
    }
    run.counters["values"] = form.identification.valueList.count();
}

void setTolerance(engine::FormTbl& form, int tolerance) {
    engine::userScroll(form, form.identification.tolerance, tolerance);
}

// "meilleurs critères" ticked or not, clicked when it is not so already.
void setRanking(engine::FormTbl& form, bool on) {
    if ((form.identification.bestFieldsFirst.value() == 1) != on)
        engine::userClick(form, form.identification.bestFieldsFirst);
}

// From the reset, choices of the fullest value of the first field listed that has values
// among the taxa found.
void makeChoices(engine::FormTbl& form, int choices) {
    form.identification.RazListes();
    for (int step = 0; step < choices; ++step) {
        for (int field = 0; field < form.identification.fieldList.count(); ++field) {
            clickField(form, field);
            if (form.identification.valueList.count() > 0)
                break;
        }
        clickValue(form, fullestValue(form));
    }
}

// A value click (the value with the most rows) right after its field was listed, after
// earlier choices. With differences tolerated the first choice keeps every taxon (each
// contradicts one choice at most), the third one those with at most two differences.
void BM_ValueClick(benchmark::State& run, Table table, int tolerance, int earlier) {
    auto* w = prepared(run, table);
    if (!w)
        return;
    engine::FormTbl& form = *w->form;
    form.identification.multipleChoice.setValue(0);
    setTolerance(form, tolerance);
    const auto listNext = [&form, earlier] {
        makeChoices(form, earlier);
        clickField(form, 0);
    };
    listNext();
    const int value = fullestValue(form);
    for (auto _ : run) {
        run.PauseTiming();
        listNext();
        run.ResumeTiming();
        clickValue(form, value);
        benchmark::DoNotOptimize(form.identification.taxonList.count());
    }
    run.counters["taxa"] = form.identification.taxonList.count();
    run.counters["exact"] = static_cast<double>(std::count_if(
        form.identification.session().foundRows().begin(),
        form.identification.session().foundRows().end(),
        [&form](int row) { return form.identification.session().differences(row) == 0; }));
    setTolerance(form, 0);
}

// "Tous" in multiple choice on the taxon column: every row found again at once.
void BM_AllValuesClick(benchmark::State& run, Table table) {
    auto* w = prepared(run, table);
    if (!w)
        return;
    engine::FormTbl& form = *w->form;
    form.identification.multipleChoice.setValue(1);
    for (auto _ : run) {
        run.PauseTiming();
        form.identification.RazListes();
        form.identification.Label2_Click();
        form.identification.selectAll.setValue(1);
        run.ResumeTiming();
        form.identification.Check4_Click();
        benchmark::DoNotOptimize(form.identification.taxonList.count());
    }
    form.identification.multipleChoice.setValue(0);
    form.identification.selectAll.setValue(0);
    run.counters["taxa"] = form.identification.taxonList.count();
}

// "RAZ" after a field and a value have been chosen.
void BM_Reset(benchmark::State& run, Table table) {
    auto* w = prepared(run, table);
    if (!w)
        return;
    engine::FormTbl& form = *w->form;
    for (auto _ : run) {
        run.PauseTiming();
        clickField(form, 0);
        clickValue(form, fullestValue(form));
        run.ResumeTiming();
        form.identification.Command1_Click();
        benchmark::DoNotOptimize(form.identification.session().foundRows().size());
    }
}

// "<==" over a record of 20 tokens: ten fields each followed by its fullest value, then
// an eleventh field, replayed from the reset.
void BM_StepBack20(benchmark::State& run, Table table) {
    auto* w = prepared(run, table);
    if (!w)
        return;
    engine::FormTbl& form = *w->form;
    const auto record20 = [&form] {
        form.identification.RazListes();
        for (int step = 0; step < 10; ++step) {
            clickField(form, 0);
            clickValue(form, fullestValue(form));
        }
        clickField(form, 0);
    };
    record20();
    if (form.identification.session().steps().size() != 20) {
        run.SkipWithError("the record does not hold 20 steps");
        return;
    }
    for (auto _ : run) {
        run.PauseTiming();
        record20();
        run.ResumeTiming();
        form.identification.Command5_Click();
        benchmark::DoNotOptimize(form.identification.session().steps().size());
    }
    run.counters["taxa"] = static_cast<double>(form.identification.session().foundRows().size());
}

// "meilleurs critères" ticked with every row found: every field ranked (values grouped as
// the value list groups them, accents folded or not) and the field list shown in its new
// order.
void BM_RankingClick(benchmark::State& run, Table table, bool foldAccents) {
    auto* w = prepared(run, table);
    if (!w)
        return;
    engine::FormTbl& form = *w->form;
    form.identification.ignoreAccents.setValue(foldAccents ? 1 : 0);
    form.identification.RazListes();
    for (auto _ : run) {
        run.PauseTiming();
        setRanking(form, false);
        run.ResumeTiming();
        engine::userClick(form, form.identification.bestFieldsFirst);
        benchmark::DoNotOptimize(form.identification.fieldList.count());
    }
    setRanking(form, false);
    form.identification.ignoreAccents.setValue(0);
}

// The first ranking after a load, the accents folded: the name fields are decided and the
// folded groups of every column made, once for the table.
void BM_FirstRankingAfterLoad(benchmark::State& run) {
    QTemporaryDir dir;
    const QString path = bench::writeBigTable(dir.path());
    std::unique_ptr<bench::LoadedWindow> w;
    for (auto _ : run) {
        run.PauseTiming();
        w.reset();
        w = std::make_unique<bench::LoadedWindow>(path);
        engine::FormTbl& form = *w->form;
        form.identification.ignoreAccents.setValue(1);
        run.ResumeTiming();
        engine::userClick(form, form.identification.bestFieldsFirst);
        benchmark::DoNotOptimize(form.identification.fieldList.count());
    }
}
BENCHMARK(BM_FirstRankingAfterLoad)->Unit(benchmark::kMillisecond)->Iterations(10);

// "Retirer" on the first of the choices made (each the fullest value of the first field
// listed with values): the rows of the others, the lists and counts shown again; with the ranking
// on, the fields ranked too. After ten choices few taxa come back; after one, all of them.
// With differences tolerated, the taxa within the tolerance of the choices left.
void BM_Withdrawal(benchmark::State& run, Table table, int choices, bool ranked,
                   int tolerance = 0) {
    auto* w = prepared(run, table);
    if (!w)
        return;
    engine::FormTbl& form = *w->form;
    setRanking(form, ranked);
    form.identification.multipleChoice.setValue(0);
    setTolerance(form, tolerance);
    const auto choose = [&form, choices] {
        makeChoices(form, choices);
        engine::userClick(form, form.identification.choiceList, 0);
    };
    choose();
    if (static_cast<int>(form.identification.session().choices().size()) != choices) {
        run.SkipWithError("the choices were not made");
        return;
    }
    for (auto _ : run) {
        run.PauseTiming();
        choose();
        run.ResumeTiming();
        engine::userClick(form, form.identification.withdraw);
        benchmark::DoNotOptimize(form.identification.session().foundRows().size());
    }
    if (static_cast<int>(form.identification.session().choices().size()) != choices - 1)
        run.SkipWithError("no choice was withdrawn");
    run.counters["taxa"] = static_cast<double>(form.identification.taxonList.count());
    setRanking(form, false);
    setTolerance(form, 0);
}

#define ENGINE_BENCH(fn)                                                                           \
    BENCHMARK_CAPTURE(fn, biggest, Table::Biggest)->Unit(benchmark::kMillisecond);                 \
    BENCHMARK_CAPTURE(fn, secondary30000, Table::Secondary)->Unit(benchmark::kMillisecond)

ENGINE_BENCH(BM_FieldClick);
ENGINE_BENCH(BM_TaxonColumnClick);
BENCHMARK_CAPTURE(BM_ValueClick, biggest, Table::Biggest, 0, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ValueClick, secondary30000, Table::Secondary, 0, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ValueClick, biggestTolerance2First, Table::Biggest, 2, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ValueClick, biggestTolerance2Third, Table::Biggest, 2, 2)
    ->Unit(benchmark::kMillisecond);
ENGINE_BENCH(BM_AllValuesClick);
ENGINE_BENCH(BM_Reset);
ENGINE_BENCH(BM_StepBack20);
BENCHMARK_CAPTURE(BM_RankingClick, biggest, Table::Biggest, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RankingClick, biggestFolded, Table::Biggest, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RankingClick, secondary30000, Table::Secondary, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Withdrawal, biggestOf10, Table::Biggest, 10, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Withdrawal, biggestOf10Ranked, Table::Biggest, 10, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Withdrawal, biggestOf1Ranked, Table::Biggest, 1, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Withdrawal, secondary30000Of10, Table::Secondary, 10, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Withdrawal, biggestOf10Tolerance2, Table::Biggest, 10, false, 2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Withdrawal, biggestOf3Tolerance2, Table::Biggest, 3, false, 2)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return sylvane::bench::runBenchmarks(argc, argv);
}
