#pragma once

#include "core/tablelimits.h"
#include "keytable/keytable.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace sylvane::keytable {

using core::MaxFields;
using core::MaxRows;

// The variables of module Tableau shared by every window, under their own names.
struct ProgramState {
    // The table and its fields.
    keytable::KeyTable KeyTable;
    std::array<QString, MaxFields + 1> FieldNames;
    int FieldCount = 0;
    int DeclaredFieldCount = 0;
    int LineCount = 0;
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

    // Reader state.
    bool HeaderDone = false;

    // The line shown field by field by the record display.
    std::array<QString, MaxFields + 1> FieldContents;

    int lineCount() const { return LineCount; }
};

// Every cell of KeyTable and every field name back to "".
void ClearKeyTable(ProgramState& state);

} // namespace sylvane::keytable
