// Links written in table values ("#" web or mail addresses, "%" documents) and the hand
// over of addresses to the desktop.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "core/regularfile.h"
#include "keytable/currentfolder.h"

#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace sylvane::engine {

namespace {

// The address a "#" link may open: http, https and mailto addresses as they are, an
// address without a scheme as http; anything else (file:, javascript:, a program) gets
// nothing.
QString safeWebAddress(const QString& link) {
    const QString address = link.trimmed();
    if (address.isEmpty())
        return {};
    static const QRegularExpression scheme(u"^([A-Za-z][A-Za-z0-9+.-]*):(?!\\d)"_s);
    const QRegularExpressionMatch match = scheme.match(address);
    if (!match.hasMatch())
        return u"http://"_s + address;
    const QString name = match.captured(1).toLower();
    if (name == u"http"_s || name == u"https"_s || name == u"mailto"_s)
        return address;
    return {};
}

} // namespace

bool LookupsPanel::CheckInternetConnection() {
    return form_.platform().isOnline();
}

void LookupsPanel::ShellEx(const QString& FileOrURL) {
    form_.platform().openUrl(FileOrURL);
}

void LookupsPanel::ShellExW(const QString& chn) {
    if (!CheckInternetConnection()) {
        form_.Flash(Colour::Red, u"   pas de connexion Internet   "_s, 1, 2000, 1200);
        return;
    }
    form_.Flash(Colour::Yellow, u"         appel page Web          "_s, 1, 2000, 1200);
    ShellEx(chn);
}

void LookupsPanel::openLink(const QString& link) {
    const QString address = safeWebAddress(link);
    if (address.isEmpty()) {
        form_.Flash(Colour::Red,
                    u" lien refusé : "_s + link +
                        u" (seules les adresses web ou de courriel s'ouvrent) "_s,
                    1, form_.identification.valueList.left() + 100,
                    form_.identification.valueList.top() + 100);
        return;
    }
    ShellExW(address);
}

void LookupsPanel::openDocument(const QString& path) {
    const int x = form_.identification.valueList.left() + 100;
    const int y = form_.identification.valueList.top() + 100;
    const QFileInfo info(keytable::resolvedPath(form_.state(), path));
    if (!core::FileExists(info.filePath())) {
        form_.Flash(Colour::Yellow,
                    u"fichier  "_s + path + u" non trouvé"_s +
                        core::notRegularFileNote(info.filePath()),
                    1, x, y);
        return;
    }
    if (!info.isFile() || info.isExecutable()) {
        form_.Flash(Colour::Red,
                    u"fichier  "_s + path +
                        u" refusé : un programme ne s'ouvre pas depuis la table"_s,
                    1, x, y);
        return;
    }
    form_.platform().openDocument(info.absoluteFilePath());
}

} // namespace sylvane::engine
