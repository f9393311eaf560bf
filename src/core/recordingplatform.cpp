#include "core/recordingplatform.h"

#include "core/boundedtext.h"
#include "core/vbtext.h"

#include <QDir>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace sylvane::core {

QString escapeForTranscript(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            out += u"\\\\"_s;
            break;
        case u'\r':
            out += u"\\r"_s;
            break;
        case u'\n':
            out += u"\\n"_s;
            break;
        case u'\t':
            out += u"\\t"_s;
            break;
        default:
            out += c;
        }
    }
    return out;
}

namespace {

// A file under the process's current directory is shown relative to it, as one would
// name it from where the program was started; any other file by its whole path.
QString shownFromProcessFolder(const QString& path) {
    const QString relative = QDir::current().relativeFilePath(path);
    if (relative == u".."_s || relative.startsWith(u"../"_s) || QDir::isAbsolutePath(relative))
        return path;
    return relative;
}

} // namespace

RecordingPlatform::RecordingPlatform(Sink sink) : sink_(std::move(sink)) {}

void RecordingPlatform::write(const QString& line) {
    log_.append(line);
    if (sink_)
        sink_(line);
}

MessageAnswer RecordingPlatform::messageBox(const QString& text, const QString& title,
                                            MessageButtons buttons) {
    MessageAnswer answer = MessageAnswer::Ok;
    if (buttons == MessageButtons::YesNo) {
        answer = MessageAnswer::No;
        if (!answers_.empty()) {
            answer = answers_.front();
            answers_.pop_front();
        }
    }
    const QString word = answer == MessageAnswer::Ok    ? u"ok"_s
                         : answer == MessageAnswer::Yes ? u"yes"_s
                                                        : u"no"_s;
    write(u"[msgbox "_s + escapeForTranscript(title) + u"] "_s +
          escapeForTranscript(boundedForScreen(text)) + u" -> "_s + word);
    return answer;
}

void RecordingPlatform::flash(double colour, const QString& text, int delai, int x, int y) {
    write(u"[flash %1 %2 %3 %4] "_s.arg(numberText(colour)).arg(delai).arg(x).arg(y) +
          escapeForTranscript(text));
}

void RecordingPlatform::openDocument(const QString& path) {
    write(u"[open] "_s + escapeForTranscript(path));
}

void RecordingPlatform::openUrl(const QString& address) {
    write(u"[open] "_s + escapeForTranscript(address));
}

bool RecordingPlatform::startEditor(const QString& path) {
    if (editorAvailable_)
        write(u"[editor] "_s + escapeForTranscript(shownFromProcessFolder(path)));
    return editorAvailable_;
}

void RecordingPlatform::clearClipboard() {
    clipboard_.clear();
}

void RecordingPlatform::setClipboardText(const QString& text) {
    clipboard_ = text;
    write(u"[clipboard] "_s + escapeForTranscript(text));
}

void RecordingPlatform::beep() {
    write(u"[beep]"_s);
}

void RecordingPlatform::setBusyCursor(bool busy) {
    if (busy == busy_)
        return;
    busy_ = busy;
    write(busy ? u"[cursor] busy"_s : u"[cursor] arrow"_s);
}

void RecordingPlatform::processEvents() {
    if (onProcessEvents)
        onProcessEvents();
}

void RecordingPlatform::waitForEvents(int milliseconds) {
    clock_ += std::max(milliseconds, 1);
    if (onProcessEvents)
        onProcessEvents();
}

QString RecordingPlatform::nextDialogResult() {
    if (dialogResults_.empty())
        return QString();
    QString path = dialogResults_.front();
    dialogResults_.pop_front();
    return path;
}

QString RecordingPlatform::openFileDialog(const QString& /*filter*/, const QString& /*folder*/) {
    return nextDialogResult();
}

SaveDialogAnswer RecordingPlatform::saveFileDialog(const QStringList& /*filters*/,
                                                   const QString& proposedPath) {
    lastSaveProposal_ = proposedPath;
    return {nextDialogResult(), QString()};
}

std::optional<ObservationNotes>
RecordingPlatform::askObservationNotes(const ObservationNotes& /*proposed*/) {
    if (notesAnswers_.empty())
        return ObservationNotes{};
    std::optional<ObservationNotes> answer = std::move(notesAnswers_.front());
    notesAnswers_.pop_front();
    return answer;
}

QByteArray RecordingPlatform::htmlToPdf(const QString& html) {
    static const QRegularExpression titleElement(u"<title>(.*)</title>"_s);
    // The title as the reader sees it: the escapes QString::toHtmlEscaped makes, undone.
    QString title = titleElement.match(html).captured(1);
    title.replace(u"&lt;"_s, u"<"_s).replace(u"&gt;"_s, u">"_s).replace(u"&quot;"_s, u"\""_s);
    title.replace(u"&amp;"_s, u"&"_s);
    write(u"[pdf] "_s + escapeForTranscript(title));
    return "%PDF stand-in\n" + html.toUtf8();
}

QDateTime RecordingPlatform::currentDateTime() {
    return QDateTime(QDate(2023, 1, 15), QTime(9, 30));
}

} // namespace sylvane::core
