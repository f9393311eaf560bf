#include "keytable/currentfolder.h"

#include "keytable/programstate.h"

#include <QDir>
#include <QFileInfo>

namespace sylvane::keytable {

QString currentFolder(const ProgramState& state) {
    return state.CurrentFolder.isEmpty() ? QDir::currentPath() : state.CurrentFolder;
}

QString resolvedPath(const ProgramState& state, const QString& name) {
    if (name.isEmpty() || QDir::isAbsolutePath(name))
        return name;
    return QDir(currentFolder(state)).filePath(name);
}

bool moveCurrentFolder(ProgramState& state, const QString& folder) {
    if (folder.isEmpty())
        return false;
    const QFileInfo target(resolvedPath(state, folder));
    if (!target.isDir() || !target.isExecutable())
        return false;
    state.CurrentFolder = target.canonicalFilePath();
    return true;
}

} // namespace sylvane::keytable
