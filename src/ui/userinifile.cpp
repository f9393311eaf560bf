#include "ui/userinifile.h"

#include "core/regularfile.h"
#include "core/safewrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

namespace sylvane::ui {

namespace {

// Runs work on a QSettings over a private copy of the file's bytes (an empty one when it
// does not exist) and gives back the copy's bytes after it (empty unless readBack: a read
// has nothing to give back); nothing when the copy could not be made or written. QSettings
// is never given the file itself: it would write through a link at its name, and keeps
// files it has read in a cache that a replaced file of the same size and time escapes.
std::optional<QByteArray> throughCopy(const QString& path, bool readBack,
                                      const std::function<void(QSettings&)>& work) {
    QByteArray bytes;
    if (core::readRegularFile(path, bytes) == core::FileCheck::TooLarge)
        return std::nullopt;
    const QTemporaryDir scratch;
    const QString copy = scratch.filePath(u"copie.ini"_s);
    QFile file(copy);
    if (!scratch.isValid() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return std::nullopt;
    file.close();
    {
        QSettings settings(copy, QSettings::IniFormat);
        work(settings);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return std::nullopt;
    }
    if (!readBack)
        return QByteArray();
    if (core::readRegularFile(copy, bytes) != core::FileCheck::Readable)
        return std::nullopt;
    return bytes;
}

} // namespace

QVariant UserIniFile::value(const QString& key, const QVariant& fallback) const {
    QVariant result = fallback;
    throughCopy(path_, false, [&](QSettings& settings) { result = settings.value(key, fallback); });
    return result;
}

bool UserIniFile::setValue(const QString& key, const QVariant& value) const {
    const std::optional<QByteArray> bytes =
        throughCopy(path_, true, [&](QSettings& settings) { settings.setValue(key, value); });
    return bytes && QDir().mkpath(QFileInfo(path_).path()) &&
           core::replaceFileContents(path_, *bytes);
}

} // namespace sylvane::ui
