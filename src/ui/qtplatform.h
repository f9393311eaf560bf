#pragma once

#include "core/platform.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

namespace sylvane::ui {

// The desktop as Qt offers it: message boxes, file dialog, clipboard, the desktop's
// opener, the network state, the user's editor, the event queue and a monotonic clock.
class QtPlatform : public core::Platform {
  public:
    QtPlatform();

    // The window that owns the dialogs and message boxes (may stay null; once it is gone,
    // they have none).
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

    core::MessageAnswer messageBox(const QString& text, const QString& title,
                                   core::MessageButtons buttons) override;
    void flash(double colour, const QString& text, int delai, int x, int y) override;
    void openDocument(const QString& path) override;
    void openUrl(const QString& address) override;
    bool isOnline() override;
    bool startEditor(const QString& path) override;
    void clearClipboard() override;
    void setClipboardText(const QString& text) override;
    bool clipboardHasText() override;
    void beep() override;
    void setBusyCursor(bool busy) override;
    void processEvents() override;
    void waitForEvents(int milliseconds) override;
    QString openFileDialog(const QString& filter, const QString& folder) override;
    core::SaveDialogAnswer saveFileDialog(const QStringList& filters,
                                          const QString& proposedPath) override;
    std::optional<core::ObservationNotes>
    askObservationNotes(const core::ObservationNotes& proposed) override;
    QByteArray htmlToPdf(const QString& html) override;
    QDateTime currentDateTime() override { return QDateTime::currentDateTime(); }
    qint64 monotonicMilliseconds() override { return clock_.elapsed(); }

  private:
    QPointer<QWidget> dialogParent_;
    QElapsedTimer clock_;
    bool busy_ = false;
};

// "label|patterns|label|patterns|" as the file dialog's name filters: each pair becomes
// "label (p1 p2)"; ";" between patterns; an empty or odd trailing piece is dropped.
QStringList fileDialogFilters(const QString& filter);

// The editor command for a file: $VISUAL, else $EDITOR (program and its own arguments,
// split like a shell word list without expansion), the path appended as one argument.
// Empty when neither variable is set.
QStringList editorCommand(const QString& visual, const QString& editor, const QString& path);

// Whether an interface other than the loopback one is up and running (the fallback of
// the connection check when no network information backend loads).
bool hasRunningNetworkInterface();

} // namespace sylvane::ui
