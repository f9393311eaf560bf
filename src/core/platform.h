#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

// The one door of the program to the desktop. The window logic never touches a real
// window or the system: it asks the platform. The Qt implementation serves the real
// program; the recording one serves the tests and the headless driver.
namespace sylvane::core {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// What a save dialog returned: the path typed or chosen and the filter shown when the
// user accepted; both empty when the dialog was cancelled.
struct SaveDialogAnswer {
    QString path;
    QString filter;
};

// What the user notes about the specimen before a report: any of them may be empty.
struct ObservationNotes {
    QString date;
    QString place;
    QString collector;
    QString remarks;
    bool operator==(const ObservationNotes&) const = default;
};

class Platform {
  public:
    virtual ~Platform() = default;

    // A modal message box. YesNo boxes carry the question icon. An empty title is shown
    // empty (the callers pass "Sylvane" where the program names no title).
    virtual MessageAnswer messageBox(const QString& text, const QString& title,
                                     MessageButtons buttons) = 0;

    // Tells that the transient coloured message is about to be shown for delai seconds
    // (the window's FraFlash model holds its look); colour is blue-green-red (255 red,
    // 65535 yellow); x, y in twips. The waiting itself is done with waitForEvents.
    virtual void flash(double colour, const QString& text, int delai, int x, int y) = 0;

    // Hands a document (a local path) or a web or mail address to the desktop.
    virtual void openDocument(const QString& path) = 0;
    virtual void openUrl(const QString& address) = 0;
    virtual bool isOnline() = 0;

    // Starts the user's text editor on the file, detached; the path is one argument.
    // False when no editor could be started.
    virtual bool startEditor(const QString& path) = 0;

    virtual void clearClipboard() = 0;
    virtual void setClipboardText(const QString& text) = 0;
    virtual bool clipboardHasText() = 0;
    virtual void beep() = 0;

    // Busy (hourglass) or normal (arrow) mouse pointer over the main window.
    virtual void setBusyCursor(bool busy) = 0;

    // Lets the event queue run once (called from inside long loops).
    virtual void processEvents() = 0;
    // Lets the event queue run for about that long, sleeping while nothing happens.
    virtual void waitForEvents(int milliseconds) = 0;

    // The file-open dialog, opened on folder: filter in the "label|patterns|label|patterns"
    // form; returns the chosen path or "" when cancelled.
    virtual QString openFileDialog(const QString& filter, const QString& folder) = 0;
    // The save dialog, opened on the folder of proposedPath with its file name proposed,
    // offering the filters ("Page web (*.html)") in that order.
    virtual SaveDialogAnswer saveFileDialog(const QStringList& filters,
                                            const QString& proposedPath) = 0;

    // A short form asking for the notes of the observation, filled in with proposed; the
    // notes given, or nothing when the user cancels.
    virtual std::optional<ObservationNotes>
    askObservationNotes(const ObservationNotes& proposed) = 0;

    // An HTML document laid out as PDF pages, in memory; empty when it could not be made.
    virtual QByteArray htmlToPdf(const QString& html) = 0;

    // The local date and time (what a report is dated with).
    virtual QDateTime currentDateTime() = 0;

    // Milliseconds of a clock that never goes back (elapsed times).
    virtual qint64 monotonicMilliseconds() = 0;
};

} // namespace sylvane::core
