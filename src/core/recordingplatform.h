#pragma once

#include "core/platform.h"

#include <QStringList>

#include <deque>
#include <functional>

namespace sylvane::core {

// A platform that answers from a script and writes one line per call, in the form the
// headless driver prints: "[msgbox TITLE] TEXT -> ok", "[flash COLOUR DELAI X Y] TEXT",
// "[open] TARGET", "[editor] PATH", "[clipboard] TEXT", "[beep]", "[cursor] busy",
// "[pdf] TITLE".
class RecordingPlatform : public Platform {
  public:
    using Sink = std::function<void(const QString&)>;

    explicit RecordingPlatform(Sink sink = {});

    // Scripted answers.
    void queueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    void queueDialogResult(const QString& path) { dialogResults_.push_back(path); }
    // The answer to the next observation notes form (nothing: cancelled).
    void queueObservationNotes(const std::optional<ObservationNotes>& notes) {
        notesAnswers_.push_back(notes);
    }
    void setOnline(bool online) { online_ = online; }
    // Whether a text editor can be started (default: yes).
    void setEditorAvailable(bool available) { editorAvailable_ = available; }
    void advanceClock(qint64 milliseconds) { clock_ += milliseconds; }

    // Every line written so far (also handed to the sink as it happens).
    const QStringList& log() const { return log_; }
    void clearLog() { log_.clear(); }
    QString clipboard() const { return clipboard_; }
    // The path the last save dialog proposed.
    const QString& lastSaveProposal() const { return lastSaveProposal_; }

    MessageAnswer messageBox(const QString& text, const QString& title,
                             MessageButtons buttons) override;
    void flash(double colour, const QString& text, int delai, int x, int y) override;
    void openDocument(const QString& path) override;
    void openUrl(const QString& address) override;
    bool isOnline() override { return online_; }
    bool startEditor(const QString& path) override;
    void clearClipboard() override;
    void setClipboardText(const QString& text) override;
    bool clipboardHasText() override { return !clipboard_.isEmpty(); }
    void beep() override;
    void setBusyCursor(bool busy) override;
    void processEvents() override;
    void waitForEvents(int milliseconds) override;
    QString openFileDialog(const QString& filter, const QString& folder) override;
    // Answers from the same queue as the open dialog, without a filter.
    SaveDialogAnswer saveFileDialog(const QStringList& filters,
                                    const QString& proposedPath) override;
    // The notes queued, in order; with none queued, empty notes (nothing proposed is
    // kept), so that a report made without a scripted answer notes nothing.
    std::optional<ObservationNotes> askObservationNotes(const ObservationNotes& proposed) override;
    // Writes "[pdf] TITLE" and returns a small stand-in: a "%PDF" first line, then the
    // HTML, so that what would be laid out can still be read back.
    QByteArray htmlToPdf(const QString& html) override;
    // Always the same moment, so that what is dated reads the same at every run.
    QDateTime currentDateTime() override;
    // Every look at the clock takes a millisecond, so that loops that yield every few
    // milliseconds do yield, the same way at every run.
    qint64 monotonicMilliseconds() override { return ++clock_; }

    // Runs once each time the logic lets the event queue run (tests use it to send
    // events in the middle of a long loop).
    std::function<void()> onProcessEvents;

  private:
    void write(const QString& line);
    QString nextDialogResult();

    Sink sink_;
    QStringList log_;
    std::deque<MessageAnswer> answers_;
    std::deque<QString> dialogResults_;
    std::deque<std::optional<ObservationNotes>> notesAnswers_; // nullopt: cancelled
    QString lastSaveProposal_;
    QString clipboard_;
    bool online_ = true;
    bool editorAvailable_ = true;
    bool busy_ = false;
    qint64 clock_ = 0;
};

// "\" as "\\", CR as "\r", LF as "\n", TAB as "\t"; everything else unchanged.
QString escapeForTranscript(const QString& text);

} // namespace sylvane::core
