#pragma once

#include <QObject>
#include <QString>

#include <vector>

namespace sylvane::engine {
class Control;
class FormTbl;
} // namespace sylvane::engine

namespace sylvane::ui {

// The identification options of the current build ("meilleurs critères", "non renseignés
// retenus", "différences tolérées") kept between runs of the programs in the user's
// configuration folder, never in Sylvane.ini, whose lines stay those of the program's own
// options. Each option is written as soon as it changes.
class RememberedOptions : public QObject {
  public:
    RememberedOptions(QString file, engine::FormTbl& form, QObject* parent = nullptr);

    // The file the programs use: options.ini in the user's configuration folder.
    static QString userFile();

    // Sets the options as they were when the program last ran, as the user would (a click
    // on a box, the tolerance scrolled), so that what an option does follows. Called once
    // the table is loaded.
    void restore();

  private:
    void save(const engine::Control& option);

    QString file_;
    engine::FormTbl& form_;
    std::vector<engine::Control*> options_; // empty in the earlier build
};

} // namespace sylvane::ui
