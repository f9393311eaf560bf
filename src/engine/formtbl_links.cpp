// Links written in table values ("#" web or mail addresses, "%" documents) and the hand
// over of addresses to the desktop.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "core/regularfile.h"

#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace sylvane::engine {

namespace {

constexpr double Red = 255;
constexpr double Yellow = 65535;

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

bool FormTbl::CheckInternetConnection() {
    return platform().isOnline();
}

void FormTbl::ShellEx(const QString& FileOrURL, const QString& /*Parametres*/) {
    platform().openUrl(FileOrURL);
}

void FormTbl::ShellExW(const QString& chn, qint16& errw) {
    if (!CheckInternetConnection()) {
        Flash(Red, u"   pas de connexion Internet   "_s, 1, 2000, 1200);
        errw = 1;
        return;
    }
    Flash(Yellow, u"         appel page Web          "_s, 1, 2000, 1200);
    ShellEx(chn, QString());
}

void FormTbl::openLink(const QString& link) {
    const QString address = safeWebAddress(link);
    if (address.isEmpty()) {
        Flash(Red,
              u" lien refusé : "_s + link +
                  u" (seules les adresses web ou de courriel s'ouvrent) "_s,
              1, ListDesc.left() + 100, ListDesc.top() + 100);
        return;
    }
    qint16 ignored = 0;
    ShellExW(address, ignored);
}

void FormTbl::openDocument(const QString& path) {
    const int x = ListDesc.left() + 100;
    const int y = ListDesc.top() + 100;
    const QFileInfo info(path);
    if (!core::FileExists(path)) {
        Flash(Yellow, u"fichier  "_s + path + u" non trouvé"_s + core::notRegularFileNote(path), 1,
              x, y);
        return;
    }
    if (!info.isFile() || info.isExecutable()) {
        Flash(Red,
              u"fichier  "_s + path + u" refusé : un programme ne s'ouvre pas depuis la table"_s, 1,
              x, y);
        return;
    }
    platform().openDocument(info.absoluteFilePath());
}

} // namespace sylvane::engine
