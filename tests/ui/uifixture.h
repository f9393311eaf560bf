#pragma once

#include "engine/formtbl.h"
#include "keytable/programstate.h"
#include "ui/formtblview.h"
#include "ui/qtplatform.h"
#include "ui/secondarywindows.h"
#include "ui/windowview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

// The Qt platform on a clock the test moves: a wait advances the clock at once and serves
// the event queue, and steps given to at() run when the clock reaches their time.
class ManualClockPlatform : public sylvane::ui::QtPlatform {
  public:
    qint64 monotonicMilliseconds() override { return now_; }
    void waitForEvents(int milliseconds) override {
        now_ += std::max(milliseconds, 1);
        while (!steps_.empty() && steps_.begin()->first <= now_) {
            const std::function<void()> step = steps_.begin()->second;
            steps_.erase(steps_.begin());
            step();
        }
        QCoreApplication::processEvents();
    }
    void at(qint64 time, std::function<void()> step) { steps_.emplace(time, std::move(step)); }
    qint64 now() const { return now_; }

  private:
    qint64 now_ = 0;
    std::multimap<qint64, std::function<void()>> steps_;
};

// The main window as the program builds it, on a Qt platform, with its other windows, for
// the widget tests.
template <typename Platform = sylvane::ui::QtPlatform> struct BasicMainWindowFixture {
    explicit BasicMainWindowFixture(
        const QString& appFolder, sylvane::core::Edition edition = sylvane::core::Edition::Current)
        : form(state, platform, windows, edition) {
        state.AppFolder = appFolder;
    }
    sylvane::keytable::ProgramState state;
    Platform platform;
    sylvane::ui::SecondaryWindows windows{state, platform};
    sylvane::engine::FormTbl form;
    sylvane::ui::FormTblView view{form, &platform, &windows};
};
using MainWindowFixture = BasicMainWindowFixture<>;

// The widget that shows the control of view's window named name (its designer name).
template <typename W = QWidget> W* widgetNamed(sylvane::ui::WindowView& view, const QString& name) {
    const sylvane::engine::Control* control = view.window().find(name);
    return control ? view.widgetFor<W>(*control) : nullptr;
}

// Shows a window with its client area at its designed size, whatever the screen's size.
inline void showAtDesignedSize(sylvane::ui::WindowHost& host) {
    host.show();
    host.resize(host.view().designedSize() + (host.size() - host.view().size()));
}

// Answers the next message box while it lives: runs check on the box as soon as it shows,
// then presses button on it. Its timer stops with it, so that a box a test did not
// expect is never answered in a later test.
class MessageBoxAnswer {
  public:
    explicit MessageBoxAnswer(QMessageBox::StandardButton button,
                              std::function<void(QMessageBox&)> check = {})
        : timer_(std::make_unique<QTimer>()) {
        timer_->setInterval(10);
        QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this, button, check] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            timer_->stop();
            answered_ = true;
            if (check)
                check(*box);
            box->button(button)->click();
        });
        timer_->start();
    }
    MessageBoxAnswer(const MessageBoxAnswer&) = delete;
    MessageBoxAnswer& operator=(const MessageBoxAnswer&) = delete;

    bool answered() const { return answered_; }

  private:
    std::unique_ptr<QTimer> timer_;
    bool answered_ = false;
};
