#pragma once

#include "engine/window.h"

#include <functional>

namespace sylvane::engine {

// The earlier build's word picker: shows each word of a taxon name as an option button so
// that the user can pick one (genus, epithet, author...) for a keyword lookup.
class Form1 : public Window {
  public:
    Form1(core::ProgramState& state, core::Platform& platform);

    Frame Frame1{QStringLiteral("Frame1")};
    ControlArray<Button> Command1{
        QStringLiteral("Command1"),
        {{0, QStringLiteral("Appel Mot-clé")}, {1, QStringLiteral("Annule")}}};
    ControlArray<OptionButton> Option1{
        QStringLiteral("Option1"),
        {{0, {}}, {1, {}}, {2, {}}, {3, {}}, {4, {}}, {5, {}}, {6, {}}, {7, {}}, {8, {}}}};

    static constexpr int OptionCount = 9;

    void Form_Load();
    // Trims and collapses the blanks of chn (which keeps that form), splits it into words
    // and shows the first nine as option buttons, the first one selected.
    void Tdecompose(QString& chn);
    void Creplace();
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
