#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace sylvane::ui {

// Keyboard mnemonics for the items of one menu (or of the menu bar): for each caption,
// the position of its mnemonic letter, -1 when it gets none. No two items share a
// letter (case ignored); the first letter of a word is preferred, then any other letter
// or digit, in order of the items.
QList<int> mnemonicPositions(const QStringList& captions);

// The caption as a menu shows it: "&" before the mnemonic at position (-1: none), and
// every "&" of the caption itself doubled so that it shows as such.
QString withMnemonic(const QString& caption, int position);

// Where a label shows its letter: the first place the letter starts a word, else its first
// place; -1 when the caption lacks it (case ignored).
int mnemonicPosition(const QString& caption, QChar letter);

// The caption as rich text, the character at position underlined (-1: none), blanks kept.
QString underlinedAt(const QString& caption, int position);

} // namespace sylvane::ui
