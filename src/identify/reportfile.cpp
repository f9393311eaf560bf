#include "identify/reportfile.h"

#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace sylvane::identify {

QStringList reportDialogFilters() {
    return {u"PDF (*.pdf)"_s, u"Page web (*.html)"_s};
}

ReportTarget reportTarget(const QString& chosenPath, const QString& chosenFilter) {
    const QString suffix = QFileInfo(chosenPath).suffix().toLower();
    if (suffix == u"pdf"_s)
        return {chosenPath, ReportFormat::Pdf};
    if (suffix == u"html"_s || suffix == u"htm"_s)
        return {chosenPath, ReportFormat::Html};
    if (chosenFilter.contains(u"*.pdf"_s))
        return {chosenPath + u".pdf"_s, ReportFormat::Pdf};
    return {chosenPath + u".html"_s, ReportFormat::Html};
}

bool writeReportFile(const QString& path, const QByteArray& bytes, QString* errorText) {
    const auto fail = [&](const QString& what, const QString& why) {
        if (errorText)
            *errorText = what + u" « "_s + path + u" » : "_s + why;
        return false;
    };
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return fail(u"Le rapport ne peut pas remplacer"_s, u"ce n'est pas un fichier ordinaire"_s);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(u"Le rapport ne peut pas être écrit à côté de"_s, file.errorString());
    if (file.write(bytes) != bytes.size())
        return fail(u"Le rapport n'a pas pu être écrit en entier pour"_s, file.errorString());
    // commit() flushes, syncs and renames; error() is checked too, since a buffered write
    // that failed is recorded there.
    if (!file.commit() || file.error() != QFileDevice::NoError)
        return fail(u"Le rapport n'a pas pu être enregistré sous"_s, file.errorString());
    return true;
}

} // namespace sylvane::identify
