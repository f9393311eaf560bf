#include "core/safewrite.h"

#include "core/temporaryfile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace sylvane::core {

namespace {

WriteFaultHook& faultHook() {
    static WriteFaultHook hook;
    return hook;
}

int injectedFault(WriteStep step, int occurrence) {
    const WriteFaultHook& hook = faultHook();
    return hook ? hook(step, occurrence) : 0;
}

QString stepText(WriteStep step) {
    switch (step) {
    case WriteStep::Create:
        return u"création du fichier temporaire"_s;
    case WriteStep::Write:
        return u"écriture"_s;
    case WriteStep::Flush:
        return u"vidage du tampon"_s;
    case WriteStep::Sync:
        return u"synchronisation sur le disque"_s;
    case WriteStep::SizeCheck:
        return u"vérification de la taille"_s;
    case WriteStep::Close:
        return u"fermeture"_s;
    case WriteStep::Rename:
        return u"remplacement du fichier"_s;
    case WriteStep::Open:
        return u"ouverture du fichier"_s;
    case WriteStep::Protected:
    case WriteStep::Changed:
        break;
    }
    return {};
}

QByteArray nameOf(const QString& path) {
    return QFile::encodeName(path);
}

bool statOf(const QString& path, struct stat& info, bool followLink) {
    const QByteArray name = nameOf(path);
    return (followLink ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info)) == 0;
}

// The replacement of one target, through a temporary file removed unless it took the
// target's name, or in place.
class Replacement {
  public:
    Replacement(const QString& target, const ReplaceOptions& options)
        : target_(target), options_(options), names_(target) {}
    ~Replacement() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!temporary_.isEmpty() && !renamed_)
            ::unlink(temporary_.constData());
        if (lockFd_ >= 0)
            ::close(lockFd_);
    }
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;

    bool run(QByteArrayView bytes) {
        if (target_.contains(QChar(0)))
            return fail(WriteStep::Create, EINVAL);
        if (isWriteProtected(target_))
            return fail(WriteStep::Protected, EACCES);
        struct stat old {};
        const bool regular = statOf(target_, old, false) && S_ISREG(old.st_mode);
        if (options_.inPlaceWhenNeeded && regular && old.st_nlink > 1)
            return rewriteInPlace(bytes);
        removeOrphanTemporaries(names_);
        if (!create()) {
            const bool refused = error_.systemError == EACCES || error_.systemError == EPERM;
            if (options_.inPlaceWhenNeeded && regular && refused)
                return rewriteInPlace(bytes);
            return false;
        }
        if (!writeAll(bytes) || !flush() || !sync() || !checkSize(bytes.size()) || !close() ||
            !stillWanted() || !rename())
            return false;
        syncFolder();
        return true;
    }
    const WriteError& error() const { return error_; }

  private:
    bool fail(WriteStep step, int systemError) {
        error_ = {step, systemError, touching_};
        return false;
    }
    // The injected fault of the step, or 0.
    bool injected(WriteStep step, int occurrence = 1) {
        const int fault = injectedFault(step, occurrence);
        return fault != 0 && !fail(step, fault);
    }

    // The owner and permissions the new file takes: those of the model, else of the file
    // it replaces; false for a new file that has neither (it keeps the defaults).
    bool model(struct stat& info) const {
        const QString& from = options_.modelFile.isEmpty() ? target_ : options_.modelFile;
        return statOf(from, info, true) && S_ISREG(info.st_mode);
    }

    bool create() {
        if (injected(WriteStep::Create))
            return false;
        struct stat modelInfo {};
        const bool hasModel = model(modelInfo);
        // Private until it has the model's permissions: a copy of a private file is
        // never readable by others, not even while it is written.
        fd_ = createTemporary(names_, temporary_, hasModel ? 0600 : 0666);
        if (fd_ < 0) {
            const int reason = errno;
            temporary_.clear();
            return fail(WriteStep::Create, reason);
        }
        // The lock stays with this second descriptor until the file is renamed or removed.
        lockFd_ = ::dup(fd_);
        if (hasModel)
            takeOwnerAndMode(fd_, modelInfo);
        return true;
    }

    // The target itself rewritten: opened, its room reserved (a full disk is found before
    // a byte changes), written, cut to length, synced.
    bool rewriteInPlace(QByteArrayView bytes) {
        if (injected(WriteStep::Open))
            return false;
        fd_ = ::open(nameOf(target_).constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0)
            return fail(WriteStep::Open, errno);
        struct stat info {};
        if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode))
            return fail(WriteStep::Open, EINVAL);
        // Asked first: reserving room may itself change the file's time.
        if (!stillWanted())
            return false;
        if (::fallocate(fd_, FALLOC_FL_KEEP_SIZE, 0, std::max<off_t>(bytes.size(), 1)) != 0 &&
            (errno == ENOSPC || errno == EDQUOT))
            return fail(WriteStep::Write, errno);
        touching_ = true;
        if (!writeAll(bytes) || !flush())
            return false;
        if (::ftruncate(fd_, bytes.size()) != 0)
            return fail(WriteStep::Write, errno);
        return sync() && checkSize(bytes.size()) && close();
    }

    bool stillWanted() {
        return !options_.stillWanted || options_.stillWanted() || fail(WriteStep::Changed, 0);
    }

    bool writeAll(QByteArrayView bytes) {
        buffer_.reserve(WriteChunkBytes);
        while (!bytes.isEmpty()) {
            const qsizetype room = WriteChunkBytes - buffer_.size();
            const QByteArrayView part = bytes.first(std::min(room, bytes.size()));
            buffer_.append(part);
            bytes = bytes.sliced(part.size());
            if (buffer_.size() == WriteChunkBytes && !drain(WriteStep::Write))
                return false;
        }
        return true;
    }
    bool flush() { return drain(WriteStep::Flush); }

    // Writes the whole buffer, however many calls the system needs.
    bool drain(WriteStep step) {
        if (step == WriteStep::Flush && injected(step))
            return false;
        qsizetype done = 0;
        while (done < buffer_.size()) {
            if (step == WriteStep::Write && injected(step, ++writes_))
                return false;
            const ssize_t n = ::write(fd_, buffer_.constData() + done, buffer_.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return fail(step, n < 0 ? errno : ENOSPC);
            done += n;
            written_ += n;
        }
        buffer_.clear();
        return true;
    }

    bool sync() {
        if (injected(WriteStep::Sync))
            return false;
        return ::fsync(fd_) == 0 || fail(WriteStep::Sync, errno);
    }

    bool checkSize(qsizetype expected) {
        // An injected fault stands for a file that came out short.
        if (injectedFault(WriteStep::SizeCheck, 1) != 0)
            return fail(WriteStep::SizeCheck, 0);
        struct stat written {};
        if (::fstat(fd_, &written) != 0)
            return fail(WriteStep::SizeCheck, errno);
        return (written.st_size == expected && written_ == expected) ||
               fail(WriteStep::SizeCheck, 0);
    }

    bool close() {
        const int fd = fd_;
        fd_ = -1;
        if (injected(WriteStep::Close)) {
            ::close(fd);
            return false;
        }
        // The descriptor is gone even when close fails: no retry.
        return ::close(fd) == 0 || fail(WriteStep::Close, errno);
    }

    bool rename() {
        if (injected(WriteStep::Rename))
            return false;
        if (::rename(temporary_.constData(), nameOf(target_).constData()) != 0)
            return fail(WriteStep::Rename, errno);
        renamed_ = true;
        return true;
    }

    // Makes the new name durable. The file is already in place: a failure here changes
    // nothing the program could act on, so it is not reported.
    void syncFolder() {
        const int dir = ::open(names_.folder().constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            (void)::fsync(dir);
            ::close(dir);
        }
    }

    QString target_;
    const ReplaceOptions& options_;
    TemporaryNames names_;
    QByteArray temporary_;
    int fd_ = -1;
    int lockFd_ = -1; // the temporary file's lock, held until it is renamed or removed
    bool renamed_ = false;
    bool touching_ = false; // writing the target itself
    QByteArray buffer_;
    qsizetype written_ = 0;
    int writes_ = 0;
    WriteError error_;
};

} // namespace

QString systemErrorText(int systemError) {
    switch (systemError) {
    case ENOSPC:
        return u"plus de place sur le disque"_s;
    case EDQUOT:
        return u"quota du disque dépassé"_s;
    case EACCES:
    case EPERM:
        return u"accès refusé"_s;
    case EROFS:
        return u"disque en lecture seule"_s;
    case ENOENT:
        return u"dossier introuvable"_s;
    case ENOTDIR:
        return u"un élément du chemin n'est pas un dossier"_s;
    case EISDIR:
        return u"un dossier porte ce nom"_s;
    case EIO:
        return u"erreur d'entrée-sortie du disque"_s;
    case ENAMETOOLONG:
        return u"nom de fichier trop long"_s;
    case EMFILE:
    case ENFILE:
        return u"trop de fichiers ouverts"_s;
    case EFBIG:
        return u"fichier trop grand"_s;
    case EBUSY:
        return u"fichier occupé"_s;
    case EINVAL:
        return u"nom de fichier invalide"_s;
    default:
        return u"erreur système %1 (%2)"_s.arg(systemError)
            .arg(QString::fromLocal8Bit(std::strerror(systemError)));
    }
}

QString WriteError::text() const {
    if (step == WriteStep::Protected)
        return u"le fichier est protégé en écriture"_s;
    if (step == WriteStep::Changed)
        return u"le fichier a changé entre-temps"_s;
    const QString reason = step == WriteStep::SizeCheck && systemError == 0
                               ? u"le fichier écrit n'a pas la taille attendue"_s
                               : systemErrorText(systemError);
    return stepText(step) + u" : "_s + reason;
}

bool replaceFileContents(const QString& target, QByteArrayView bytes, WriteError* error,
                         const ReplaceOptions& options) {
    Replacement replacement(target, options);
    if (replacement.run(bytes))
        return true;
    if (error)
        *error = replacement.error();
    return false;
}

bool isWriteProtected(const QString& path) {
    struct stat info {};
    if (!statOf(path, info, false) || !S_ISREG(info.st_mode))
        return false;
    if ((info.st_mode & 0222) == 0)
        return true;
    // A disk mounted read-only says so in its own words when the file is written.
    return ::faccessat(AT_FDCWD, nameOf(path).constData(), W_OK, AT_EACCESS) != 0 &&
           (errno == EACCES || errno == EPERM);
}

void setWriteFaultHook(WriteFaultHook hook) {
    faultHook() = std::move(hook);
}

} // namespace sylvane::core
