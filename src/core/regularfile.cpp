#include "core/regularfile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace sylvane::core {

namespace {

// An open descriptor closed on every path out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

// The check of an open descriptor: the name may have changed between stat and open.
FileCheck checkOpened(int fd, qint64 maxBytes, qint64& size) {
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return FileCheck::Missing;
    if (!S_ISREG(info.st_mode))
        return FileCheck::NotRegular;
    size = info.st_size;
    return size > maxBytes ? FileCheck::TooLarge : FileCheck::Readable;
}

// Looks at the name first (stat never blocks), then opens without blocking: a FIFO or a
// device is never opened in the ordinary way.
FileCheck openChecked(const QString& path, qint64 maxBytes, int& fd, qint64& size) {
    fd = -1;
    // A NUL would end the name the system sees: another file than the one named.
    if (path.isEmpty() || path.contains(QChar(0)))
        return FileCheck::Missing;
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return FileCheck::Missing;
    if (!S_ISREG(info.st_mode))
        return FileCheck::NotRegular;
    fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return FileCheck::Missing;
    return checkOpened(fd, maxBytes, size);
}

} // namespace

FileCheck checkReadableFile(const QString& path, qint64 maxBytes) {
    int fd = -1;
    qint64 size = 0;
    const FileCheck check = openChecked(path, maxBytes, fd, size);
    const Descriptor closer(fd);
    return check;
}

FileCheck readRegularFile(const QString& path, QByteArray& bytes, qint64 maxBytes) {
    bytes.clear();
    int fd = -1;
    qint64 size = 0;
    const FileCheck check = openChecked(path, maxBytes, fd, size);
    const Descriptor closer(fd);
    if (check != FileCheck::Readable)
        return check;
    // The file may grow while it is read: never past the limit.
    bytes.resize(size);
    qint64 done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (bytes.size() > maxBytes) {
                bytes.clear();
                return FileCheck::TooLarge;
            }
            bytes.resize(std::min<qint64>(bytes.size() + 64 * 1024, maxBytes + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            bytes.clear();
            return FileCheck::Missing;
        }
        if (n == 0)
            break;
        done += n;
    }
    bytes.truncate(done);
    return FileCheck::Readable;
}

QString notRegularFileNote(const QString& path) {
    return checkReadableFile(path) == FileCheck::NotRegular
               ? u" (ce n'est pas un fichier ordinaire)"_s
               : QString();
}

QString tooLargeFileMessage(const QString& path, qint64 maxBytes) {
    return u"Le fichier "_s + path + u" dépasse "_s + QString::number(maxBytes / (1024 * 1024)) +
           u" Mo : ce n'est pas une table de clé. Il n'est pas lu."_s;
}

} // namespace sylvane::core
