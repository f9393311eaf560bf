#include "ui/qtplatform.h"

#include "core/boundedtext.h"
#include "ui/observationnotesdialog.h"
#include "ui/reportpdf.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QNetworkInformation>
#include <QNetworkInterface>
#include <QProcess>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace sylvane::ui {

QStringList fileDialogFilters(const QString& filter) {
    const QStringList pieces = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
        const QString& label = pieces[i];
        QStringList patterns = pieces[i + 1].split(u';', Qt::SkipEmptyParts);
        // "*.*" means every file on Windows, names without a dot included.
        for (QString& pattern : patterns)
            if (pattern == u"*.*"_s)
                pattern = u"*"_s;
        if (label.isEmpty() && patterns.isEmpty())
            continue;
        // Qt reads the patterns between the last parentheses of a filter.
        filters.append(label + u" ("_s + patterns.join(u' ') + u')');
    }
    return filters;
}

QStringList editorCommand(const QString& visual, const QString& editor, const QString& path) {
    const QString chosen = !visual.trimmed().isEmpty() ? visual : editor;
    QStringList command = QProcess::splitCommand(chosen);
    if (command.isEmpty())
        return {};
    command.append(path);
    return command;
}

bool hasRunningNetworkInterface() {
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& nic : interfaces) {
        const auto flags = nic.flags();
        if (flags.testFlag(QNetworkInterface::IsUp) &&
            flags.testFlag(QNetworkInterface::IsRunning) &&
            !flags.testFlag(QNetworkInterface::IsLoopBack))
            return true;
    }
    return false;
}

QtPlatform::QtPlatform() {
    clock_.start();
}

core::MessageAnswer QtPlatform::messageBox(const QString& text, const QString& title,
                                           core::MessageButtons buttons) {
    QMessageBox box(dialogParent_);
    box.setWindowTitle(title);
    box.setText(core::boundedForScreen(text));
    if (buttons == core::MessageButtons::YesNo) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? core::MessageAnswer::Yes : core::MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return core::MessageAnswer::Ok;
}

void QtPlatform::flash(double, const QString&, int, int, int) {
    // The window's FraFlash model carries the message, and its view shows it.
}

void QtPlatform::openDocument(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtPlatform::openUrl(const QString& address) {
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

bool QtPlatform::isOnline() {
    if (QNetworkInformation::instance() || QNetworkInformation::loadDefaultBackend()) {
        const auto reachability = QNetworkInformation::instance()->reachability();
        if (reachability != QNetworkInformation::Reachability::Unknown)
            return reachability == QNetworkInformation::Reachability::Online;
    }
    return hasRunningNetworkInterface();
}

bool QtPlatform::startEditor(const QString& path) {
    const QStringList command =
        editorCommand(qEnvironmentVariable("VISUAL"), qEnvironmentVariable("EDITOR"), path);
    if (command.isEmpty())
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    return QProcess::startDetached(command.first(), command.mid(1));
}

void QtPlatform::clearClipboard() {
    QGuiApplication::clipboard()->clear();
}

void QtPlatform::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

bool QtPlatform::clipboardHasText() {
    return !QGuiApplication::clipboard()->text().isEmpty();
}

void QtPlatform::beep() {
    QApplication::beep();
}

void QtPlatform::setBusyCursor(bool busy) {
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtPlatform::processEvents() {
    QCoreApplication::processEvents();
}

void QtPlatform::waitForEvents(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(std::max(milliseconds, 1), &loop, &QEventLoop::quit);
    loop.exec();
}

// Qt's own dialogs, never the desktop's: they speak French with the program, whatever
// the desktop's language.
QString QtPlatform::openFileDialog(const QString& filter, const QString& folder) {
    QFileDialog dialog(dialogParent_, QString(), folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(fileDialogFilters(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

core::SaveDialogAnswer QtPlatform::saveFileDialog(const QStringList& filters,
                                                  const QString& proposedPath) {
    // The filter of the name proposed is the one shown first.
    QString chosenFilter;
    const QString suffix = u"*."_s + QFileInfo(proposedPath).suffix();
    for (const QString& filter : filters)
        if (filter.contains(suffix))
            chosenFilter = filter;
    const QString path =
        QFileDialog::getSaveFileName(dialogParent_, QString(), proposedPath, filters.join(u";;"_s),
                                     &chosenFilter, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return {};
    return {path, chosenFilter};
}

std::optional<core::ObservationNotes>
QtPlatform::askObservationNotes(const core::ObservationNotes& proposed) {
    ObservationNotesDialog dialog(proposed, dialogParent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.notes();
}

QByteArray QtPlatform::htmlToPdf(const QString& html) {
    return reportPdf(html);
}

} // namespace sylvane::ui
