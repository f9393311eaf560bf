#include "ui/startoptions.h"

using namespace Qt::StringLiterals;

namespace sylvane::ui {

StartOptions parseStartOptions(const QStringList& arguments, const QString& programFolder,
                               const QString& envAppFolder, const QString& envDeveloper) {
    StartOptions options;
    options.appFolder = envAppFolder.isEmpty() ? programFolder : envAppFolder;
    options.appFolderGiven = !envAppFolder.isEmpty();
    options.developer = envDeveloper == u"1"_s;
    bool pathGiven = false;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!optionsEnded && argument == u"--"_s) {
            optionsEnded = true;
        } else if (!optionsEnded && argument == u"--dev"_s) {
            options.developer = true;
        } else if (!optionsEnded && argument == u"--app-folder"_s) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                options.error = u"--app-folder needs a folder"_s;
                return options;
            }
            options.appFolder = arguments[++i];
            options.appFolderGiven = true;
        } else if (!optionsEnded && argument.startsWith(u"--"_s)) {
            options.error = u"unknown option "_s + argument;
            return options;
        } else if (pathGiven) {
            options.error = u"only one key table can be given"_s;
            return options;
        } else {
            options.commandLine = argument;
            pathGiven = true;
        }
    }
    // The program's folder is written without a final separator, as the
    // settings file path is built from it with one.
    while (options.appFolder.size() > 1 && options.appFolder.endsWith(u'/'))
        options.appFolder.chop(1);
    return options;
}

} // namespace sylvane::ui
