#pragma once

#include "core/tablelimits.h"
#include "keytable/keytable.h"

#include <QString>

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
    QString LineBreak = QStringLiteral("\r\n");

    // Reader state.
    bool HeaderDone = false;

    // Identification engine.
    QString UsedFields;
    std::vector<double> FoundRows = std::vector<double>(MaxRows + 1, 0.0);
    std::vector<QString> ValueRows = std::vector<QString>(MaxRows + 1);
    std::array<qint16, MaxFields + 1> ChosenField{};
    qint16 ChoiceLevel = 0;
    QString ChoicePath;
    double ChoiceSteps = 0;
    bool ExtractionShown = false;

    // The line shown field by field by the record display.
    std::array<QString, MaxFields + 1> FieldContents;

    int lineCount() const { return LineCount; }
    int foundCount() const { return static_cast<int>(FoundRows[0]); }
};

// Every cell of KeyTable and every field name back to "".
void ClearKeyTable(ProgramState& state);

// No field used yet in the search.
void ResetUsedFields(ProgramState& state);

} // namespace sylvane::keytable
