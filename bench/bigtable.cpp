#include "bigtable.h"

#include "core/moduleroutines.h"
#include "core/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace sylvane::bench {

QString sharedDataTable(const QString& name) {
    const QString folder = qEnvironmentVariable("SYLVANE_SHARED_DATA");
    return folder.isEmpty() ? QString() : folder + u'/' + name;
}

bool skipUnlessPresent(benchmark::State& run, const QString& path) {
    if (!path.isEmpty() && core::FileExists(path))
        return false;
    run.SkipWithError(qPrintable(path.isEmpty() ? u"skipped: SYLVANE_SHARED_DATA names no folder"_s
                                                : u"skipped: missing table "_s + path));
    return true;
}

QString writeBigTable(const QString& folder, int rows, int fields) {
    QStringList lines{u"TITRE=Table de mesure"_s, u"COMMENTAIRE=générée"_s};
    QStringList names;
    for (int f = 1; f <= fields; ++f)
        names << u"champ %1"_s.arg(f);
    lines << u"CHAMP="_s + names.join(u';');
    static const QStringList words{u"blanc"_s,     u"brun"_s,     u"rosé"_s,       u"Rouge"_s,
                                   u"écailleux"_s, u"jaunâtre"_s, u"vert olive"_s, u"ocre"_s};
    for (int r = 0; r < rows; ++r) {
        QStringList cells;
        cells << u"Taxon %1"_s.arg(r / 3);
        for (int f = 2; f <= fields; ++f) {
            const int v = (r * 7 + f * 13) % (5 * f);
            cells << (v == 0 ? QString() : words[v % words.size()] + u" "_s + QString::number(v));
        }
        lines << cells.join(u';');
    }
    const QString path = QDir(folder).filePath(u"grande_table.txt"_s);
    core::writeTextFile(path, lines);
    return path;
}

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

QString writeTableHead(const QString& source, const QString& folder, int dataLines) {
    core::TextFileReader reader;
    if (!reader.open(source))
        return {};
    QStringList lines;
    bool inData = false;
    int data = 0;
    for (const QString& line : reader.lines()) {
        if (inData && ++data > dataLines)
            break;
        lines << line;
        if (line.trimmed().toUpper().startsWith(u"CHAMP"_s))
            inData = true;
    }
    const QString path = QDir(folder).filePath(u"extrait.txt"_s);
    core::writeTextFile(path, lines);
    return path;
}

LoadedWindow::LoadedWindow(const QString& path) {
    form = std::make_unique<engine::FormTbl>(state, platform, windows);
    state.CurrentFile = path;
    form->execute();
}

int runBenchmarks(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace sylvane::bench
