// The main window on screen: how long a 30000-entry list takes to show once the logic
// has filled it, and a start-up on the largest table up to a painted window, against the
// headless driver's start on the same table (the window's should stay within 1.5 times).
#include "bigtable.h"

#include "app/drive/driver.h"

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

// Window built and shown, the table loaded, the first activation, everything painted.
void BM_StartupBigTable(benchmark::State& bench) {
    for (auto _ : bench) {
        keytable::ProgramState state;
        state.AppFolder = appFolder();
        ui::QtPlatform platform;
        engine::NoWindows windows;
        engine::FormTbl form(state, platform, windows);
        ui::FormTblView view(form, &platform);
        view.setActivationEnabled(false);
        view.show();
        form.Form_Load(QString());
        form.Form_Activate();
        view.repaint();
        QCoreApplication::processEvents();
        if (form.identification.fieldList.count() != 49)
            bench.SkipWithError("the table did not load");
    }
}

// What sylvane-drive does for "start" on the same table: the measure of the load itself.
void BM_StartupBigTableDriver(benchmark::State& bench) {
    for (auto _ : bench) {
        drive::Driver driver(core::Edition::Current, appFolder(), {});
        driver.runCommand(u"start"_s);
        if (driver.formTbl().identification.fieldList.count() != 49)
            bench.SkipWithError("the table did not load");
    }
}

} // namespace

BENCHMARK(BM_StartupBigTableDriver)->Unit(benchmark::kMillisecond)->Iterations(3);
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
