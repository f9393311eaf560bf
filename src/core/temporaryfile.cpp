#include "core/temporaryfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace sylvane::core {

namespace {
constexpr qsizetype RandomLetters = 8;
constexpr QByteArrayView Suffix = ".tmp";
} // namespace

TemporaryNames::TemporaryNames(const QString& target) {
    const QFileInfo info(target);
    folder_ = QFile::encodeName(info.path());
    QByteArray name = QFile::encodeName(info.fileName());
    const long limit = ::pathconf(folder_.constData(), _PC_NAME_MAX);
    const qsizetype room = (limit > 0 ? limit : NAME_MAX) - 2 - RandomLetters - Suffix.size();
    if (name.size() > room) {
        name.truncate(std::max<qsizetype>(room, 1));
        while (name.size() > 1 && (static_cast<unsigned char>(name.back()) & 0xC0) == 0x80)
            name.chop(1); // not inside a UTF-8 character
        if (name.size() > 1 && static_cast<unsigned char>(name.back()) >= 0xC0)
            name.chop(1);
    }
    prefix_ = '.' + name + '.';
}

bool TemporaryNames::names(QByteArrayView entry) const {
    if (entry.size() != prefix_.size() + RandomLetters + Suffix.size() ||
        !entry.startsWith(prefix_) || !entry.endsWith(Suffix))
        return false;
    return std::all_of(entry.begin() + prefix_.size(), entry.end() - Suffix.size(),
                       [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); });
}

QByteArray TemporaryNames::randomName() const {
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray path = folder_ + '/' + prefix_;
    for (int i = 0; i < RandomLetters; ++i)
        path += letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
    return path.append(Suffix);
}

int createTemporary(const TemporaryNames& names, QByteArray& path, mode_t mode) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = names.randomName();
        // O_EXCL refuses any name that exists, links included.
        const int fd =
            ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0) {
            (void)::flock(fd, LOCK_EX | LOCK_NB); // a new file: nobody else holds it
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

void removeOrphanTemporaries(const TemporaryNames& names) {
    const int dir = ::open(names.folder().constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return;
    DIR* listing = ::fdopendir(dir);
    if (!listing) {
        ::close(dir);
        return;
    }
    while (const dirent* entry = ::readdir(listing)) {
        if (!names.names(QByteArrayView(entry->d_name)))
            continue;
        const int fd = ::openat(dir, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(dir, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(listing); // closes dir too
}

void takeOwnerAndMode(int fd, const struct stat& model) {
    struct stat own {};
    if (::fstat(fd, &own) != 0)
        return;
    bool groupKept = own.st_gid == model.st_gid;
    if (own.st_uid != model.st_uid || !groupKept) {
        if (::fchown(fd, model.st_uid, model.st_gid) == 0)
            groupKept = true;
        else if (!groupKept && ::fchown(fd, static_cast<uid_t>(-1), model.st_gid) == 0)
            groupKept = true;
    }
    mode_t mode = model.st_mode & 0777;
    if (!groupKept)
        mode &= ~mode_t(070);
    (void)::fchmod(fd, mode); // best effort: the file was created private to this user
}

} // namespace sylvane::core
