#include "core/settingslocation.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace sylvane::core {

namespace {
const QString settingsName = u"Sylvane.ini"_s;
}

SettingsLocation chooseSettingsLocation(const SettingsPlaces& places) {
    if (!places.givenFolder.isEmpty())
        return {places.givenFolder, {}};
    // Even a user who may write there (root, a prefix of one's own) leaves an
    // installation's program folder alone: it is shared by every user.
    if (places.programFolderWritable && places.installedFolder.isEmpty())
        return {places.programFolder, {}};
    const QString defaults =
        places.installedFolder.isEmpty() ? QString() : places.installedFolder + u'/' + settingsName;
    return {places.userFolder, defaults};
}

SettingsPlaces findSettingsPlaces(const QString& givenFolder, const QString& programFolder,
                                  const QString& dataFromProgram, const QString& userFolder) {
    SettingsPlaces places;
    places.givenFolder = givenFolder;
    places.programFolder = programFolder;
    places.programFolderWritable = QFileInfo(programFolder).isWritable();
    const QString installed = QDir::cleanPath(programFolder + u'/' + dataFromProgram);
    if (QFileInfo(installed + u'/' + settingsName).isFile())
        places.installedFolder = installed;
    places.userFolder = userFolder;
    return places;
}

QString settingsFileToRead(const QString& ownFile, const QString& defaultFile) {
    if (QFileInfo(ownFile).isFile() || defaultFile.isEmpty() || !QFileInfo(defaultFile).isFile())
        return ownFile;
    return defaultFile;
}

} // namespace sylvane::core
