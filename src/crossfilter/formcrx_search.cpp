// The cross search and counting runs of the cross-filter window, and the copy of their
// report to the clipboard.
#include "crossfilter/formcrx.h"

#include "core/vbtext.h"
#include "crossfilter/crosssearch.h"
#include "engine/eventcodes.h"

using namespace Qt::StringLiterals;

namespace sylvane::crossfilter {

void FormCrx::wireSearch() {
    search.onClick = [this] { Command1_Click(); };
    count.onClick = [this] { Command8_Click(); };
    copyMenu.onClick = [this] { copiecroix_Click(); };
    reportBox.onMouseDown = [this](int button) { Text3_MouseDown(button); };
}

QString FormCrx::elapsedText() {
    return elapsedTimeText(platform().monotonicMilliseconds() - StartTime);
}

// The run does not let the event queue run, so the labels show their final state only:
// "ligne" and the last row scanned, and the time the run took.
void FormCrx::Cherche() {
    StartTime = platform().monotonicMilliseconds();
    reportBox.setText(QString());
    elapsed.setCaption(elapsedText());
    const CrossSearchReport report =
        runCrossSearch({state(), Filters, FilterCount, LinkWords, OutputSeparator, CountingMode});
    if (report.lastRow > 0)
        progress.setCaption(u"ligne"_s + core::numberText(report.lastRow));
    reportBox.setText(report.text);
    CountingMode = false;
    elapsed.setCaption(elapsedText());
}

void FormCrx::Command1_Click() {
    Cherche();
}

void FormCrx::Command8_Click() {
    reportBox.setText(QString());
    CountingMode = true;
    Cherche();
}

void FormCrx::copiecroix_Click() {
    platform().clearClipboard();
    platform().setClipboardText(reportBox.text());
    platform().beep();
}

void FormCrx::Text3_MouseDown(int Button) {
    if (engine::isButton(Button, engine::MouseButton::Right) && !reportBox.text().isEmpty())
        copiecroix_Click();
}

} // namespace sylvane::crossfilter
