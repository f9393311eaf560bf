#pragma once

#include <QString>

// Where a start of the program reads and saves Sylvane.ini.
namespace sylvane::core {

struct SettingsLocation {
    QString folder;      // the folder of the Sylvane.ini read at start-up and saved
    QString defaultFile; // read instead while that folder has no Sylvane.ini ("" for none)
};

// What is known, at start-up, of the places the settings may live.
struct SettingsPlaces {
    QString givenFolder;                // the folder asked for on the command line ("" for none)
    QString programFolder;              // the folder of the executable
    bool programFolderWritable = false; // whether this user may create files there
    QString installedFolder; // the installed data folder when the program is installed, else ""
    QString userFolder;      // the user's own configuration folder for the program
};

// A folder asked for always wins, alone. An installed program keeps the user's own copy in
// the user's folder, falling back on the installed defaults; so does a copy whose folder
// this user cannot write. Any other copy (a build, a portable copy) keeps its settings
// beside the executable.
SettingsLocation chooseSettingsLocation(const SettingsPlaces& places);

// The places as found on the disk. dataFromProgram is the installed data folder relative
// to the program folder (as installed, "../share/sylvane"); the program counts as
// installed when a Sylvane.ini lies there.
SettingsPlaces findSettingsPlaces(const QString& givenFolder, const QString& programFolder,
                                  const QString& dataFromProgram, const QString& userFolder);

// The settings file read at start-up: the own file when it exists, otherwise the default
// file when there is one, otherwise the own file again (whose absence is then reported).
QString settingsFileToRead(const QString& ownFile, const QString& defaultFile);

} // namespace sylvane::core
