#pragma once

#include <QString>
#include <QStringList>

namespace sylvane::ui {

// What the command line and the environment ask of a start of the program.
struct StartOptions {
    QString commandLine;    // the key table argument as given ("" when none)
    QString appFolder;      // where Sylvane.ini is read and written
    bool developer = false; // show the developer controls
    QString error;          // not empty when the arguments cannot be understood

    // appFolder comes from the option or the environment, not from the program's folder
    bool appFolderGiven = false;
};

// arguments: without the program name. Options: "--app-folder DIR", "--dev", "--" (what
// follows is the path even if it starts with "--"). The first other argument is the
// key table; more arguments are an error. The environment variables SYLVANE_APP_FOLDER
// and SYLVANE_DEV=1 give the same as the options (the options win).
StartOptions parseStartOptions(const QStringList& arguments, const QString& programFolder,
                               const QString& envAppFolder, const QString& envDeveloper);

} // namespace sylvane::ui
