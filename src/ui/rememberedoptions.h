#pragma once

#include <QObject>
#include <QString>

#include <vector>

namespace sylvane::engine {
class CheckBox;
class FormTbl;
} // namespace sylvane::engine

namespace sylvane::ui {

// The identification options of the current build ("meilleurs critères", "non renseignés
// retenus") kept between runs of the programs in the user's configuration folder, never
// in Sylvane.ini, whose lines stay those of the program's own options. Each box is
// written as soon as it changes.
class RememberedOptions : public QObject {
  public:
    RememberedOptions(QString file, engine::FormTbl& form, QObject* parent = nullptr);

    // The file the programs use: options.ini in the user's configuration folder.
    static QString userFile();

    // Ticks the boxes that were ticked when the program last ran, as clicks, so that what
    // a box does follows. Called once the table is loaded.
    void restore();

  private:
    void save(const engine::CheckBox& box);

    QString file_;
    engine::FormTbl& form_;
    std::vector<engine::CheckBox*> boxes_; // empty in the earlier build
};

} // namespace sylvane::ui
