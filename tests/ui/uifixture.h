#pragma once

#include "core/programstate.h"
#include "engine/formtbl.h"
#include "ui/formtblview.h"
#include "ui/qtplatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

// The main window as the program builds it, on the Qt platform, for the widget tests.
struct MainWindowFixture {
    explicit MainWindowFixture(const QString& appFolder) { state.AppFolder = appFolder; }
    sylvane::core::ProgramState state;
    sylvane::ui::QtPlatform platform;
    sylvane::engine::FormTbl form{state, platform};
    sylvane::ui::FormTblView view{form, &platform};
};

// Runs check on the next message box as soon as it shows, then presses button on it.
inline void answerNextMessageBox(QMessageBox::StandardButton button,
                                 std::function<void(QMessageBox&)> check = {}) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, button, check] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer->stop();
        timer->deleteLater();
        if (check)
            check(*box);
        box->button(button)->click();
    });
    timer->start();
}
