// sylvane-drive: runs a script of user actions against the real window logic without a
// display, and prints what happens. See the README for the commands.
#include "app/drive/driver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    QString edition = u"2023-01"_s;
    QString appFolder;
    QString scriptPath;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--edition"_s && i + 1 < args.size()) {
            edition = args[++i];
        } else if (args[i] == u"--app-folder"_s && i + 1 < args.size()) {
            appFolder = args[++i];
        } else if (args[i].startsWith(u"--"_s)) {
            std::fprintf(stderr,
                         "usage: sylvane-drive [--edition 2023-01|2019-02] [--app-folder DIR] "
                         "[SCRIPT]\n");
            return 2;
        } else {
            scriptPath = args[i];
        }
    }
    if (edition != u"2023-01"_s && edition != u"2019-02"_s) {
        std::fprintf(stderr, "sylvane-drive: unknown edition %s\n", qPrintable(edition));
        return 2;
    }
    QTemporaryDir scratch;
    // A relative folder is the user's, from where the driver was started.
    appFolder = appFolder.isEmpty() ? scratch.path() : QDir(appFolder).absolutePath();

    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    sylvane::drive::Driver driver(sylvane::core::editionFromName(edition), appFolder,
                                  [&out](const QString& line) { out << line << '\n'; });
    QFile file;
    if (scriptPath.isEmpty()) {
        if (!file.open(stdin, QIODevice::ReadOnly))
            return 2;
    } else {
        file.setFileName(scriptPath);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "sylvane-drive: cannot read %s\n", qPrintable(scriptPath));
            return 2;
        }
    }
    QTextStream script(&file);
    script.setEncoding(QStringConverter::Utf8);
    driver.runScript(script);
    out.flush();
    return 0;
}
