#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <sys/stat.h>

// The hidden temporary files that a replacement writes beside its target before renaming
// them over it: their names, their creation, their owner and permissions, and the removal
// of those an interrupted replacement left behind.
namespace sylvane::core {

// Where the temporary files of a target go and how they are named: "." name "." eight
// letters ".tmp", the name cut short so that the whole stays within the folder's limit
// (a valid target name may be as long as the limit itself).
class TemporaryNames {
  public:
    explicit TemporaryNames(const QString& target);
    const QByteArray& folder() const { return folder_; }
    // Whether a name of the folder is one of the target's temporary files.
    bool names(QByteArrayView entry) const;
    // A new name, with random letters.
    QByteArray randomName() const;

  private:
    QByteArray folder_;
    QByteArray prefix_; // "." name "."
};

// Creates a new temporary file of the target with the mode, never through an existing
// name or link, and locks it: the lock, held until the file is renamed or removed, tells
// a file being written from one an interrupted write left. The open descriptor, or -1
// with errno.
int createTemporary(const TemporaryNames& names, QByteArray& path, mode_t mode);

// Removes the target's temporary files that no running replacement holds: their lock
// died with the process that wrote them. Only this user's regular files are removed.
void removeOrphanTemporaries(const TemporaryNames& names);

// Gives the open file the owner and permission bits of model, as far as the process may:
// a group it may not set takes the group's permissions away, so that no one reads the
// copy who could not read the model.
void takeOwnerAndMode(int fd, const struct stat& model);

} // namespace sylvane::core
