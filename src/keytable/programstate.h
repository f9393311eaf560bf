#pragma once

#include "core/tablelimits.h"
#include "keytable/keytable.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace sylvane::keytable {

using core::MaxFields;
using core::MaxRows;

// The variables of module Tableau shared by every window, under their own names.
struct ProgramState {
    // The table, which knows its own shape (field names and counts, rows).
    keytable::KeyTable KeyTable;
    // The data lines of the file optimised last, shown as the line count ("Données
    // fichier") until the next load; the table itself keeps its own rows.
    std::optional<int> OptimisedLineCount;
    QString Separator = QStringLiteral(";");

    // Files and folders.
    QString CurrentFile;
    QString DataFolder;
    QString AppFolder;
    QString SettingsFile;
    QString DefaultSettingsFile; // read while AppFolder has no Sylvane.ini (installed defaults)
    QString CurrentFolder;       // where relative names are found; empty: the process's folder
    // Where the manual is looked for when the data folder has none: beside the program, then
    // in its installed data folder.
    QStringList ManualFolders;
    QString LineBreak = QStringLiteral("\r\n");

    // The long operations running (a load, a listing, a comparison...) that let the event
    // queue run: while there is one, every window refuses the user's events.
    int BusyDepth = 0;
};

// The separator of the table's fields: the settings' own, ";" when they name none.
QString separatorOf(const ProgramState& state);

// The line count the program shows: the optimised file's after an optimisation, else the
// table's rows (header rows included).
int shownLineCount(const ProgramState& state);

} // namespace sylvane::keytable
