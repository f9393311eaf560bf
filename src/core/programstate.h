#pragma once

#include "core/tablelimits.h"
#include "identify/keytable.h"

#include <QString>

#include <array>
#include <vector>

namespace sylvane::core {

// The variables of module Tableau shared by every window, under their own names.
struct ProgramState {
    // The table and its fields.
    identify::KeyTable KeyTable;
    std::array<QString, MaxFields + 1> FieldNames;
    qint16 FieldCount = 0;
    qint16 DeclaredFieldCount = 0;
    double LineCount = 0;
    QString Separator = QStringLiteral(";");

    // Files and folders.
    QString CurrentFile;
    QString DataFolder;
    QString AppFolder;
    QString SettingsFile;
    QString DefaultSettingsFile; // read while AppFolder has no Sylvane.ini (installed defaults)
    QString CurrentFolder;       // where relative names are found; empty: the process's folder
    QString LineBreak = QStringLiteral("\r\n");

    // Reader state.
    bool HeaderDone = false;

    // The line shown field by field by the record display.
    std::array<QString, MaxFields + 1> FieldContents;

    int lineCount() const { return static_cast<int>(LineCount); }
};

} // namespace sylvane::core
