#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The items of the settings file Sylvane.ini.
namespace sylvane::core {

struct SettingsItem {
    QString key;   // upper-cased and trimmed; the previous item's key when it has no "="
    QString value; // trimmed
};

// Splits the lines into items. An item ends at the end of its line or at a comma outside
// double quotes; but the value of FICDEFAUT or REPDATA (a path) runs on over commas
// unless the comma is followed by one of the four known keys and "=", so that a saved
// path holding a comma reads back whole. Leading blanks are skipped and double quotes
// around an item removed.
std::vector<SettingsItem> readSettingsItems(const QStringList& lines);

// The four lines the program writes (three in the earlier build, without CHOIXMULT), each
// path in a form that reads back exactly: "FICDEFAUT =a,b" between double quotes when it
// holds a comma. Nothing when a path cannot be written so that it reads back as it is: a
// line end or a NUL in it, a blank at either end (values are trimmed), or quotes and
// commas that split it in either form.
std::optional<QStringList> settingsLines(const QString& currentFile, const QString& dataFolder,
                                         int multipleChoice, bool withMultipleChoice);

// Replaces the settings file with the lines (see writeTextFile): in Windows-1252 when
// they read back exactly from it, otherwise in UTF-8, which the reader recognises, so
// that a path the code page cannot hold, or whose bytes would read as UTF-8 ("Ã©"), is
// recorded as it is. False when the file could not be written whole; it is then as it
// was.
bool writeSettingsFile(const QString& path, const QStringList& lines);

} // namespace sylvane::core
