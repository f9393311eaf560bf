#pragma once

#include <QString>

#include <array>
#include <vector>

namespace sylvane::core {

inline constexpr int MaxRows = 30000; // highest row number of a key table
inline constexpr int MaxFields = 50;  // highest field number of a key table

// The cells of a key table: rows 0..MaxRows by fields 0..MaxFields, row 0 and field 0
// never written. Out-of-range reads give "" and out-of-range writes are dropped, so no
// caller can reach past the array.
class KeyTableArray {
  public:
    KeyTableArray();

    const QString& operator()(int row, int field) const;
    void set(int row, int field, const QString& value);
    void clear();
    void clearRow(int row);
    // No row past this one holds a value (rows written since the last clear).
    int rowsInUse() const { return rowsInUse_; }

    static bool inRange(int row, int field) {
        return row >= 0 && row <= MaxRows && field >= 0 && field <= MaxFields;
    }

  private:
    std::vector<QString> cells_;
    int rowsInUse_ = 0;
};

// The variables of module Tableau shared by every window, under their own names.
struct ProgramState {
    // The table and its fields.
    KeyTableArray KeyTable;
    std::array<QString, MaxFields + 1> FieldNames;
    qint16 FieldCount = 0;
    qint16 DeclaredFieldCount = 0;
    double LineCount = 0;
    QString Separator;

    // Files and folders.
    QString CurrentFile;
    QString DataFolder;
    QString AppFolder;
    QString SettingsFile;
    QString DefaultSettingsFile; // read while AppFolder has no Sylvane.ini (installed defaults)
    QString LineBreak;

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

    int lineCount() const { return static_cast<int>(LineCount); }
    int foundCount() const { return static_cast<int>(FoundRows[0]); }
};

} // namespace sylvane::core
