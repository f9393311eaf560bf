#include "engine/wordpickerhost.h"

namespace sylvane::engine {

WordPickerHost::WordPickerHost(FormTbl& main, keytable::ProgramState& state,
                               core::Platform& platform)
    : main_(main), state_(state), platform_(platform) {}

WordPickerHost::~WordPickerHost() = default;

Form1& WordPickerHost::load() {
    if (!window_) {
        window_ = std::make_unique<Form1>(state_, platform_);
        window_->Form_Load();
        window_->onKeywordLookup = [this](const QString& word) { lookUp(word); };
        if (onLoaded)
            onLoaded(*window_);
    }
    return *window_;
}

void WordPickerHost::show(const QString& caption, const QString& name) {
    Form1& window = load();
    window.setCaption(caption);
    window.setVisible(true);
    QString text = name;
    window.Tdecompose(text);
}

// The picked word becomes the first keyword of the main window's panel, which opens and
// searches. While the main window runs a long operation the lookup is refused, as a
// click there would be.
void WordPickerHost::lookUp(const QString& word) {
    if (main_.busy())
        return;
    main_.keyword.keywords(0).setText(word);
    main_.keyword.Command3_Click();
}

} // namespace sylvane::engine
