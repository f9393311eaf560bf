// The choices in force ("Choix en cours"): one entry per field, in the order the choices
// were made; the one selected can be withdrawn ("Retirer", the Delete key, the right-click
// menu), and the taxa found become those of the choices left.
#include "engine/formtbl.h"

namespace sylvane::engine {

namespace {
constexpr int DeleteKey = 46;
}

void IdentificationPanel::wireChoices() {
    choiceList.setRightPressSelects(true);
    choiceList.onClick = [this] { ListChoix_Click(); };
    choiceList.onKeyDown = [this](int keyCode) { ListChoix_KeyDown(keyCode); };
    choiceList.onMouseDown = [this](int button) { ListChoix_MouseDown(button); };
    withdraw.onClick = [this] { CmdRetirer_Click(); };
    form_.menus.withdrawChoice.onClick = [this] { CmdRetirer_Click(); };
    showCommandsState();
}

void IdentificationPanel::ListChoix_Click() {
    showCommandsState();
}

void IdentificationPanel::ListChoix_KeyDown(int keyCode) {
    if (keyCode == DeleteKey)
        CmdRetirer_Click();
}

void IdentificationPanel::ListChoix_MouseDown(int button) {
    showCommandsState();
    if (isButton(button, MouseButton::Right) && choiceList.currentIndex() >= 0)
        form_.windows().showPopup(form_.menus.choicePopup);
}

void IdentificationPanel::CmdRetirer_Click() {
    if (form_.isEarlierBuild() || !session_.withdraw(choiceList.currentIndex()))
        return;
    showRecomputedFound();
}

// After a withdrawal or a new tolerance (the session shows the taxa found, the fields and
// the choices left): the value list it emptied has no count, and no extraction is shown
// any more.
void IdentificationPanel::showRecomputedFound() {
    valueCount.setCaption(QString());
    extractionShown = false;
    forgetHistoryOfChoice();
    choicePathShown.setCaption(session_.choicePathText());
}

} // namespace sylvane::engine
