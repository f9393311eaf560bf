#include "core/safewrite.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

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
    }
    return {};
}

// A new file beside the target, named after it with a random part; O_EXCL refuses any
// name that exists, links included, so nothing is ever written through a link.
int createTemporary(const QString& target, QString& temporary) {
    const QFileInfo info(target);
    const QString stem = info.path() + u"/."_s + info.fileName() + u"."_s;
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = stem;
        for (int i = 0; i < 8; ++i)
            temporary += QChar::fromLatin1(
                letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))]);
        temporary += u".tmp"_s;
        const int fd = ::open(QFile::encodeName(temporary).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// The temporary file of one replacement, removed unless it took the target's name.
class Replacement {
  public:
    explicit Replacement(const QString& target) : target_(target) {}
    ~Replacement() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!temporary_.isEmpty() && !renamed_)
            ::unlink(QFile::encodeName(temporary_).constData());
    }
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;

    bool run(QByteArrayView bytes) {
        if (!create() || !writeAll(bytes) || !flush() || !sync() || !checkSize(bytes.size()) ||
            !close() || !rename())
            return false;
        syncFolder();
        return true;
    }
    const WriteError& error() const { return error_; }

  private:
    bool fail(WriteStep step, int systemError) {
        error_ = {step, systemError};
        return false;
    }
    // The injected fault of the step, or 0.
    bool injected(WriteStep step, int occurrence = 1) {
        const int fault = injectedFault(step, occurrence);
        return fault != 0 && !fail(step, fault);
    }

    bool create() {
        if (injected(WriteStep::Create))
            return false;
        fd_ = createTemporary(target_, temporary_);
        if (fd_ < 0) {
            const int reason = errno;
            temporary_.clear();
            return fail(WriteStep::Create, reason);
        }
        // The new file keeps the permissions of the one it replaces.
        struct stat old {};
        if (::stat(QFile::encodeName(target_).constData(), &old) == 0 && S_ISREG(old.st_mode))
            (void)::fchmod(fd_, old.st_mode & 07777); // best effort: the default mode is safe
        return true;
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
        if (::rename(QFile::encodeName(temporary_).constData(),
                     QFile::encodeName(target_).constData()) != 0)
            return fail(WriteStep::Rename, errno);
        renamed_ = true;
        return true;
    }

    // Makes the new name durable. The file is already in place: a failure here changes
    // nothing the program could act on, so it is not reported.
    void syncFolder() {
        const int dir = ::open(QFile::encodeName(QFileInfo(target_).path()).constData(),
                               O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            (void)::fsync(dir);
            ::close(dir);
        }
    }

    QString target_;
    QString temporary_;
    int fd_ = -1;
    bool renamed_ = false;
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
    default:
        return u"erreur système %1 (%2)"_s.arg(systemError)
            .arg(QString::fromLocal8Bit(std::strerror(systemError)));
    }
}

QString WriteError::text() const {
    const QString reason = step == WriteStep::SizeCheck && systemError == 0
                               ? u"le fichier écrit n'a pas la taille attendue"_s
                               : systemErrorText(systemError);
    return stepText(step) + u" : "_s + reason;
}

bool replaceFileContents(const QString& target, QByteArrayView bytes, WriteError* error) {
    Replacement replacement(target);
    if (replacement.run(bytes))
        return true;
    if (error)
        *error = replacement.error();
    return false;
}

void setWriteFaultHook(WriteFaultHook hook) {
    faultHook() = std::move(hook);
}

} // namespace sylvane::core
