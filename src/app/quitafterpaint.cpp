#include "app/quitafterpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace sylvane::app {

QuitAfterPaint::QuitAfterPaint(QWidget& window, int delayMs) : window_(window), delayMs_(delayMs) {
    // The window itself may never be painted, its children covering it: watch them all.
    QCoreApplication::instance()->installEventFilter(this);
}

void QuitAfterPaint::arm() {
    QTimer::singleShot(delayMs_, this, [this] {
        due_ = true;
        quitWhenPainted();
    });
}

bool QuitAfterPaint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !painted_ && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == &window_) {
        painted_ = true;
        // Quit after the paint has been delivered, not in the middle of it.
        QTimer::singleShot(0, this, [this] { quitWhenPainted(); });
    }
    return QObject::eventFilter(watched, event);
}

void QuitAfterPaint::quitWhenPainted() {
    if (painted_ && due_)
        QCoreApplication::exit(0); // not quit(): that would ask the closing question
}

} // namespace sylvane::app
