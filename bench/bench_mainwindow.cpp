// The main window on screen: how long a 30000-entry list takes to show once the logic
// has filled it, and a start-up on the largest table up to a painted window.
#include "bigtable.h"

#include "core/recordingplatform.h"
#include "core/textfile.h"
#include "engine/formtbl.h"
#include "keytable/programstate.h"
#include "ui/formtblview.h"
#include "ui/qtplatform.h"
#include "ui/windowview.h"

#include <QApplication>
#include <QListView>
#include <QTemporaryDir>

#include <memory>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace sylvane;

namespace {

QTemporaryDir& scratch() {
    static QTemporaryDir dir;
    return dir;
}

QString bigTable() {
    static const QString path = bench::writeBigTable(scratch().path());
    return path;
}

// The program folder, with a Sylvane.ini that names the big table as the default file.
QString appFolder() {
    static const QString path = [] {
        const QString folder = scratch().path();
        core::writeTextFile(folder + u"/Sylvane.ini"_s,
                            {QString(), u"FICDEFAUT ="_s + bigTable(), u"CHOIXMULT =0"_s});
        return folder;
    }();
    return path;
}

// A 30000-entry list filled by the logic and made current at its middle, up to the list
// painted. With withWindow false the same fill runs without any window: that is the
// logic's share, and the difference is what showing the list costs.
void listShown(benchmark::State& bench, engine::ListBox engine::IdentificationPanel::*member,
               bool withWindow) {
    keytable::ProgramState state;
    state.AppFolder = appFolder();
    ui::QtPlatform platform;
    engine::NoWindows windows;
    engine::FormTbl form(state, platform, windows);
    std::unique_ptr<ui::FormTblView> view;
    if (withWindow) {
        view = std::make_unique<ui::FormTblView>(form, &platform);
        view->show();
    }
    engine::ListBox& list = form.identification.*member;
    QListView* widget = view ? view->view().widgetFor<QListView>(list) : nullptr;
    std::vector<engine::ListEntry> entries;
    for (int i = 0; i < 30000; ++i)
        entries.push_back({u"valeur %1 écaille"_s.arg((i * 7919) % 30000, 5, 10, QChar(u'0')), i});
    for (auto _ : bench) {
        bench.PauseTiming();
        list.clear();
        std::vector<engine::ListEntry> copy = entries;
        if (widget) {
            widget->viewport()->repaint();
            QCoreApplication::processEvents();
        }
        bench.ResumeTiming();
        list.setEntries(std::move(copy));
        list.setCurrentIndex(15000);
        if (widget) {
            widget->viewport()->repaint();
            QCoreApplication::processEvents();
        }
    }
}

void BM_ListDescShown(benchmark::State& bench) {
    listShown(bench, &engine::IdentificationPanel::valueList, true);
}
void BM_ListDescFilledWithoutWindow(benchmark::State& bench) {
    listShown(bench, &engine::IdentificationPanel::valueList, false);
}
void BM_ListEspecesShown(benchmark::State& bench) {
    listShown(bench, &engine::IdentificationPanel::taxonList, true);
}
void BM_ListEspecesFilledWithoutWindow(benchmark::State& bench) {
    listShown(bench, &engine::IdentificationPanel::taxonList, false);
}
void BM_List4Shown(benchmark::State& bench) {
    listShown(bench, &engine::IdentificationPanel::history, true);
}
void BM_List4FilledWithoutWindow(benchmark::State& bench) {
    listShown(bench, &engine::IdentificationPanel::history, false);
}

// A start-up on the big table: run builds what it needs around the logic and starts it.
template <typename PlatformType, typename Run> void startup(benchmark::State& bench, Run run) {
    for (auto _ : bench) {
        keytable::ProgramState state;
        state.AppFolder = appFolder();
        PlatformType platform;
        engine::NoWindows windows;
        engine::FormTbl form(state, platform, windows);
        run(form, platform);
        if (form.identification.fieldList.count() != 49)
            bench.SkipWithError("the table did not load");
    }
}

// Window built and shown, the table loaded, the first activation, everything painted.
void BM_StartupBigTable(benchmark::State& bench) {
    startup<ui::QtPlatform>(bench, [](engine::FormTbl& form, ui::QtPlatform& platform) {
        ui::FormTblView view(form, &platform);
        view.setActivationEnabled(false);
        view.show();
        form.Form_Load(QString());
        form.Form_Activate();
        view.repaint();
        QCoreApplication::processEvents();
    });
}

// The same start-up without any window, for comparison: what the view adds is the rest.
void BM_StartupBigTableLogicOnly(benchmark::State& bench) {
    startup<core::RecordingPlatform>(bench, [](engine::FormTbl& form, core::RecordingPlatform&) {
        form.Form_Load(QString());
        form.Form_Activate();
    });
}

} // namespace

BENCHMARK(BM_StartupBigTableLogicOnly)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ListDescShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListDescFilledWithoutWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListEspecesShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListEspecesFilledWithoutWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_List4Shown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_List4FilledWithoutWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupBigTable)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
