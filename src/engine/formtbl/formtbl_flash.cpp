// The transient message of the main window.
#include "engine/formtbl.h"

#include "core/boundedtext.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void FormTbl::Flash(Colour colour, const QString& message, int delai, int x, int y) {
    const double couleur = colourValue(colour);
    const QString chn = core::boundedForScreen(message, core::FlashLineLength);
    flashFrame.setCaption(QString());
    flashText.setVisible(true);
    flashFrame.setBackColour(couleur);
    flashText.setBackColour(couleur);
    flashText.setForeColour(colourValue(Colour::Black));
    const int width = 100 * static_cast<int>(chn.size());
    flashFrame.setGeometry(x, y, width, 800);
    flashText.setGeometry(0, 0, width, 800);
    flashFrame.setVisible(true);
    flashText.setCaption(chn);
    platform().flash(couleur, chn, delai, x, y);

    // Wait on a clock that never goes back, serving the event queue; a nested message
    // reshapes and hides the frame, and this one shows it again until its own time ends.
    const qint64 start = platform().monotonicMilliseconds();
    const qint64 duration = 1000LL * std::max(delai, 0);
    for (qint64 elapsed = 0; elapsed < duration;
         elapsed = platform().monotonicMilliseconds() - start) {
        flashFrame.setVisible(true);
        platform().waitForEvents(static_cast<int>(std::min<qint64>(duration - elapsed, 50)));
    }
    flashFrame.setVisible(false);
}

} // namespace sylvane::engine
