#pragma once

#include <QString>

namespace sylvane::keytable {

struct ProgramState;

// The logic keeps its own current folder (ProgramState::CurrentFolder): a settings load
// or a save moves it, and every relative name the program reads or writes is found in it.
// The process's current directory is never changed.

// The folder relative names are found in: CurrentFolder, or while it is empty the
// process's current directory.
QString currentFolder(const ProgramState& state);

// The name as a path that reaches the same file wherever the process stands: an absolute
// name as it is, a relative one joined to currentFolder; an empty name stays empty.
QString resolvedPath(const ProgramState& state, const QString& name);

// Moves the current folder to folder, taken from where it is now, as a change of
// directory does: the new folder is kept with its links followed; a name that is not a
// folder one may enter leaves the current folder where it is and returns false.
bool moveCurrentFolder(ProgramState& state, const QString& folder);

} // namespace sylvane::keytable
