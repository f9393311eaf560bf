#pragma once

#include "engine/window.h"

#include <functional>

namespace sylvane::engine {

// The earlier build's word picker: shows each word of a taxon name as an option button so
// that the user can pick one (genus, epithet, author...) for a keyword lookup.
//
//   member       designer name  caption
//   wordFrame    Frame1
//   commands     Command1(i)    0 "Appel Mot-clé", 1 "Annule"
//   wordOptions  Option1(i)     0, 1, 2, 3, 4, 5, 6, 7, 8
class Form1 : public Window {
  public:
    Form1(keytable::ProgramState& state, core::Platform& platform);

    Frame wordFrame{QStringLiteral("Frame1")};
    ControlArray<Button> commands{
        QStringLiteral("Command1"),
        {{0, QStringLiteral("Appel Mot-clé")}, {1, QStringLiteral("Annule")}}};
    ControlArray<OptionButton> wordOptions{
        QStringLiteral("Option1"),
        {{0, {}}, {1, {}}, {2, {}}, {3, {}}, {4, {}}, {5, {}}, {6, {}}, {7, {}}, {8, {}}}};

    static constexpr int OptionCount = 9;

    void Form_Load();
    // Trims and collapses the blanks of chn (which keeps that form), splits it into words
    // and shows the first nine as option buttons, the first one selected.
    void Tdecompose(QString& chn);
    // "Appel Mot-clé" hands the picked word to onKeywordLookup and closes the window;
    // "Annule" closes it.
    void Command1_Click(int index);

    const QStringList& words() const { return words_; }
    // The word of the selected option button, "" when none.
    QString pickedWord() const;

    std::function<void(const QString& word)> onKeywordLookup;

  private:
    QStringList words_;
};

} // namespace sylvane::engine
