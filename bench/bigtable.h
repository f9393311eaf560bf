#pragma once

#include "core/recordingplatform.h"
#include "engine/formtbl.h"
#include "keytable/programstate.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace benchmark {
class State;
}

namespace sylvane::bench {

// Writes a key table of rows data lines by fields fields (the largest the format allows
// by default: 30000 lines counting the header, 50 fields). Field 1 names one of
// rows / 3 taxa; field f takes about 5 * f distinct values, with some empty cells and
// accented values. Returns the path.
QString writeBigTable(const QString& folder, int rows = 30000 - 3, int fields = 50);

// Writes a table of about 30 MB (29 992 lines of 50 values of some 20 characters) whose
// lines end with lineEnd. Returns the path, "" when it could not be written.
QString writeThirtyMegabyteTable(const QString& folder, const QByteArray& lineEnd);

// Copies the header and the first dataLines data lines of a table into folder.
QString writeTableHead(const QString& source, const QString& folder, int dataLines);

// The path of a table kept outside the repository (too large for it), in the folder named
// by the environment variable SYLVANE_SHARED_DATA; "" when that variable is not set.
QString sharedDataTable(const QString& name);

// Marks a benchmark skipped, naming the missing table, when path does not exist.
bool skipUnlessPresent(benchmark::State& run, const QString& path);

// A main window logic on a recording platform, with a table loaded.
struct LoadedWindow {
    keytable::ProgramState state;
    core::RecordingPlatform platform;
    engine::NoWindows windows;
    std::unique_ptr<engine::FormTbl> form;

    explicit LoadedWindow(const QString& path);
};

// The main() of a benchmark program: a Qt application around the benchmark runner.
int runBenchmarks(int argc, char** argv);

} // namespace sylvane::bench
