#include "engine/form1.h"

#include "core/moduleroutines.h"
#include "core/vbtext.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

Form1::Form1(keytable::ProgramState& state, core::Platform& platform)
    : Window(u"Form1"_s, QString(), state, platform) {
    add(wordFrame);
    add(commands);
    add(wordOptions);
    commands(0).setGeometry(100, 150, 1850, 420);
    commands(1).setGeometry(2050, 150, 1850, 420);
    commands.forEach([this](int index, Button& button) {
        button.setContainer(&wordFrame);
        button.onClick = [this, index] { Command1_Click(index); };
    });
    wordOptions.forEach([this](int index, OptionButton& option) {
        option.setContainer(&wordFrame);
        option.setGroup(u"Form1"_s);
        option.setGeometry(400, 800 + 400 * index, 3400, 350);
        option.setVisible(false);
    });
    setVisible(false);
}

void Form1::Form_Load() {
    setGeometry(1000, 1000, 4100, 5300);
    wordFrame.setGeometry(0, 0, 4000, 5200);
    setCaption(QString());
    wordFrame.setCaption(QString());
}

void Form1::Tdecompose(QString& chn) {
    chn = core::trimBlanks(chn);
    core::ReplaceAll(u"  "_s, u" "_s, chn);
    words_ = chn.isEmpty() ? QStringList() : chn.split(u' ');
    for (int i = 0; i < OptionCount; ++i)
        wordOptions(i).setVisible(false);
    const int shown = std::min(static_cast<int>(words_.size()), OptionCount);
    for (int i = 0; i < shown; ++i) {
        if (!words_[i].isEmpty())
            wordOptions(i).setVisible(true);
        wordOptions(i).setCaption(words_[i]);
        wordOptions(i).move(400, 800 + 400 * i);
    }
    for (int i = 0; i < OptionCount; ++i)
        wordOptions(i).setValue(i == 0 ? 1 : 0);
}

QString Form1::pickedWord() const {
    for (int i = 0; i < OptionCount && i < words_.size(); ++i)
        if (wordOptions(i).value() == 1)
            return words_[i];
    return {};
}

void Form1::Command1_Click(int index) {
    if (index == 0 && onKeywordLookup) {
        const QString word = pickedWord();
        setVisible(false);
        if (!word.isEmpty())
            onKeywordLookup(word);
        return;
    }
    setVisible(false);
}

} // namespace sylvane::engine
