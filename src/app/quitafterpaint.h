#pragma once

#include <QObject>

class QWidget;

namespace sylvane::app {

// For the smoke tests of the programs: ends the application with exit code 0 once the
// window has been painted and the main event loop has run for a delay. Construct it
// before the window is shown, so that no paint is missed; arm it just before the main
// event loop starts (a quit asked before that loop runs would be lost).
class QuitAfterPaint : public QObject {
  public:
    QuitAfterPaint(QWidget& window, int delayMs);
    void arm();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void quitWhenPainted();

    QWidget& window_;
    int delayMs_;
    bool painted_ = false;
    bool due_ = false;
};

} // namespace sylvane::app
