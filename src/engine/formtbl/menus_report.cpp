// The identification report: the observation notes, the save dialog, the document in the
// format chosen, and its writing beside the target then over it.
#include "engine/formtbl.h"

#include "keytable/currentfolder.h"

#include "core/safewrite.h"
#include "identify/reportfile.h"
#include "identify/sessionreport.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace sylvane::engine {

namespace {

// Why the report is not on disk; whatever was at path is untouched.
QString reportFailureText(const QString& path, bool replacing, const QString& reason) {
    if (replacing)
        return u"Le rapport d'identification n'a pas pu remplacer le fichier "_s + path + u" ("_s +
               reason + u") ; il est resté tel quel."_s;
    return u"Le rapport d'identification n'a pas pu être écrit dans "_s + path + u" ("_s + reason +
           u")."_s;
}

} // namespace

// The folder of the last report, or the current folder before the first.
QString MenusPanel::reportFolder() const {
    return lastReportFolder_.isEmpty() ? keytable::currentFolder(form_.state()) : lastReportFolder_;
}

void MenusPanel::MnuRapport_Click() {
    core::Platform& platform = form_.platform();
    const QDateTime now = platform.currentDateTime();
    const std::optional<core::ObservationNotes> notes =
        platform.askObservationNotes({now.toString(u"dd/MM/yyyy"_s), {}, {}, {}});
    if (!notes)
        return;
    const core::SaveDialogAnswer answer =
        platform.saveFileDialog(identify::reportDialogFilters(),
                                reportFolder() + u'/' + identify::proposedReportName(now.date()));
    if (answer.path.isEmpty())
        return;
    const identify::ReportTarget target = identify::reportTarget(answer.path, answer.filter);
    const QString path = keytable::resolvedPath(form_.state(), target.path);
    const QFileInfo existing(path);
    const bool replacing = existing.exists() || existing.isSymLink();
    // The dialog asked about the name as typed; with the extension added since, it names
    // another file, which is replaced only when the user says so.
    if (replacing && target.path != answer.path &&
        platform.messageBox(u"Le fichier "_s + target.path +
                                u" existe déjà. Voulez-vous le remplacer ?"_s,
                            u"Sylvane"_s, core::MessageButtons::YesNo) != core::MessageAnswer::Yes)
        return;
    // The table's whole path: the report may be read far from the folder it was made in.
    const QString tableFile = keytable::resolvedPath(form_.state(), form_.state().CurrentFile);
    const QString html = identify::reportHtml(
        identify::sessionReport(form_.identification.session(), tableFile, now, *notes));
    const QByteArray bytes =
        target.format == identify::ReportFormat::Pdf ? platform.htmlToPdf(html) : html.toUtf8();

    QString failure;
    core::WriteError error;
    if (bytes.isEmpty())
        failure = u"le document PDF n'a pas pu être produit"_s;
    else if (!core::replaceFileContents(path, bytes, &error))
        failure = error.text();
    if (!failure.isEmpty()) {
        platform.messageBox(reportFailureText(target.path, replacing, failure), u"Sylvane"_s,
                            core::MessageButtons::Ok);
        return;
    }
    lastReportFolder_ = QFileInfo(path).absolutePath();
}

} // namespace sylvane::engine
