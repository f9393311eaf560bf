#include "keytable/filetools.h"

#include "core/moduleroutines.h"
#include "core/regularfile.h"
#include "core/safewrite.h"
#include "core/textfile.h"
#include "core/vbtext.h"
#include "keytable/currentfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <utility>

using namespace Qt::StringLiterals;

namespace sylvane::keytable {

namespace {

// Follows the keys of the header lines, one line after another, to the field line.
class FieldLineFinder {
  public:
    bool isFieldLine(QStringView line) {
        const core::KeyValue kv = core::splitKeyValue(line);
        if (kv.hasKey)
            key_ = kv.key;
        return key_ == u"CHAMP"_s;
    }

  private:
    QString key_;
};

} // namespace

std::optional<qsizetype> findFieldLine(const QStringList& lines) {
    FieldLineFinder finder;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (finder.isFieldLine(lines[i]))
            return i;
    return std::nullopt;
}

FieldCountReport checkFieldCounts(const QStringList& lines, int declaredFields,
                                  const QString& separator) {
    FieldCountReport report;
    const std::optional<qsizetype> fieldLine = findFieldLine(lines);
    if (!fieldLine)
        return report;
    report.fieldLineFound = true;
    for (qsizetype i = *fieldLine + 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const int values = line.isEmpty() ? 0 : static_cast<int>(line.count(separator)) + 1;
        if (values != declaredFields)
            report.mismatches.push_back({static_cast<qint64>(i) + 1, values});
    }
    return report;
}

QString optimiseDataLine(QString line) {
    // In this order: a later rule may join what an earlier one left apart.
    static const std::pair<QString, QString> rules[] = {
        {u"\t"_s, u" "_s}, {u"  "_s, u" "_s}, {u" ;"_s, u";"_s},
        {u"; "_s, u";"_s}, {u" ,"_s, u","_s}, {u" ."_s, u"."_s},
    };
    for (const auto& [find, replacement] : rules)
        core::ReplaceAll(find, replacement, line);
    return line;
}

OptimisedText optimiseText(const QByteArray& original) {
    const core::TextEncoding encoding = core::detectEncoding(original);
    core::ExactUnits text = core::exactUnits(original, encoding);
    const QList<core::LineSpan> lines = core::lineSpans(text.units);
    const auto lineUnits = [&](const core::LineSpan& line) {
        return QStringView(text.units).sliced(line.begin, line.end - line.begin);
    };
    FieldLineFinder finder;
    qsizetype headerEnd = 0;
    while (headerEnd < lines.size() &&
           !finder.isFieldLine(core::decodeUnits(lineUnits(lines[headerEnd]), encoding)))
        ++headerEnd;
    OptimisedText result;
    if (headerEnd == lines.size()) { // no field line: all header, copied whole
        result.bytes = original;
        return result;
    }
    ++headerEnd;
    QString units;
    units.reserve(text.units.size());
    units += QStringView(text.units).first(lines[headerEnd - 1].next);
    for (qsizetype i = headerEnd; i < lines.size(); ++i) {
        units += optimiseDataLine(lineUnits(lines[i]).toString());
        units += QStringView(text.units).sliced(lines[i].end, lines[i].next - lines[i].end);
    }
    text.units = std::move(units);
    result.bytes = core::exactBytes(text, encoding);
    result.dataLines = lines.size() - headerEnd;
    return result;
}

QString optimiseWorkFile(const QString& workFolder) {
    return QDir(workFolder).filePath(u"$$temp.txt"_s);
}

// The backup takes the file's name up to its first "." in the same folder. Only the name
// is looked at: a "." in a folder name (common on Linux: "~/.local/...") must not send the
// backup to another folder under another name.
std::optional<QString> optimiseBackupFile(const QString& path) {
    const QString folder = core::FolderOf(path);
    const std::optional<QString> stem = core::StripExtension(path.sliced(folder.size()));
    if (!stem)
        return std::nullopt;
    return folder + *stem + u".bak"_s;
}

namespace {

// The backup's name, never the table itself: a table named "x.bak" (or reached through
// a link from the backup's name) gets "x.bak.bak".
QString backupBeside(const keytable::ProgramState& state, QString backup, const QString& table) {
    while (QFileInfo(keytable::resolvedPath(state, backup)).canonicalFilePath() == table)
        backup += u".bak"_s;
    return backup;
}

// The message of a file the optimisation does not read; empty for a missing one, which
// is passed over in silence as a cancelled dialog is.
QString refusalText(core::FileCheck check, const QString& path) {
    switch (check) {
    case core::FileCheck::NotRegular:
        return u"Le fichier "_s + path +
               u" n'est pas un fichier ordinaire : il n'est pas optimisé."_s;
    case core::FileCheck::TooLarge:
        return core::tooLargeFileMessage(path);
    case core::FileCheck::Readable:
    case core::FileCheck::Missing:
        break;
    }
    return {};
}

// The table as it was read: it may be replaced only while it still is.
class TableAsRead {
  public:
    core::FileCheck read(const QString& path) {
        path_ = path;
        const core::FileCheck check = core::readRegularFile(path, bytes_);
        seen_ = look();
        return check;
    }
    const QByteArray& bytes() const { return bytes_; }
    // Same size, same modification time and same bytes.
    bool unchanged() const {
        const Look now = look();
        if (!now.found || now.size != seen_.size || now.modified.tv_sec != seen_.modified.tv_sec ||
            now.modified.tv_nsec != seen_.modified.tv_nsec)
            return false;
        QByteArray bytes;
        return core::readRegularFile(path_, bytes) == core::FileCheck::Readable && bytes == bytes_;
    }

  private:
    struct Look {
        bool found = false;
        off_t size = 0;
        timespec modified{};
    };
    Look look() const {
        struct stat info {};
        if (::stat(QFile::encodeName(path_).constData(), &info) != 0)
            return {};
        return {true, info.st_size, info.st_mtim};
    }

    QString path_;
    QByteArray bytes_;
    Look seen_;
};

// Writes the work file beside the table, or in spareFolder when the table's folder
// refuses a new file. The work file is the table itself when the user optimises it: it
// then stays as it is until the answer, and no work file is named.
bool writeWorkFile(const QString& table, const QByteArray& text, const QString& spareFolder,
                   OptimiseResult& result) {
    result.workFile = optimiseWorkFile(QFileInfo(table).path());
    if (result.workFile == table) {
        result.workFile.clear();
        return true;
    }
    core::ReplaceOptions options;
    options.modelFile = table;
    core::WriteError error;
    if (core::replaceFileContents(result.workFile, text, &error, options))
        return true;
    const bool folderRefused =
        error.step == core::WriteStep::Create &&
        (error.systemError == EACCES || error.systemError == EPERM || error.systemError == EROFS);
    if (folderRefused && !spareFolder.isEmpty()) {
        result.workFile = optimiseWorkFile(spareFolder);
        if (core::replaceFileContents(result.workFile, text, &error, options))
            return true;
    }
    result.errorText = error.text();
    return false;
}

} // namespace

OptimiseResult OptimiseFile(keytable::ProgramState& state, const QString& path,
                            const QString& spareFolder,
                            const std::function<bool(const QString& path)>& confirmReplace) {
    OptimiseResult result;
    if (path.isEmpty())
        return result;
    // Through a link, the file it points to is the one backed up and replaced.
    const QString table = QFileInfo(keytable::resolvedPath(state, path)).canonicalFilePath();
    TableAsRead original;
    const core::FileCheck check = original.read(table);
    if (check != core::FileCheck::Readable) {
        result.errorText = refusalText(check, path);
        if (!result.errorText.isEmpty())
            result.outcome = OptimiseOutcome::Refused;
        return result;
    }

    const OptimisedText optimised = optimiseText(original.bytes());
    if (!writeWorkFile(table, optimised.bytes, spareFolder, result)) {
        result.outcome = OptimiseOutcome::WorkFileFailed;
        return result;
    }
    // The file size limit keeps the count of its lines far below the range of an int.
    state.OptimisedLineCount = static_cast<int>(optimised.dataLines);

    const std::optional<QString> backup = optimiseBackupFile(path);
    if (backup)
        result.backupFile = backupBeside(state, *backup, table);
    const QString backupPath = keytable::resolvedPath(state, result.backupFile);
    for (const auto& [file, shown] :
         {std::pair{table, path}, std::pair{backupPath, result.backupFile}})
        if (!file.isEmpty() && core::isWriteProtected(file)) {
            result.protectedFile = shown;
            result.outcome = OptimiseOutcome::Protected;
            return result;
        }
    if (!confirmReplace(path)) {
        result.outcome = OptimiseOutcome::Declined;
        return result;
    }
    if (!backup) {
        result.outcome = OptimiseOutcome::NoBackupName;
        return result;
    }
    if (!original.unchanged()) {
        result.outcome = OptimiseOutcome::Changed;
        return result;
    }
    core::ReplaceOptions backupOptions;
    backupOptions.modelFile = table;
    backupOptions.inPlaceWhenNeeded = true; // the table itself is intact
    core::WriteError error;
    if (!core::replaceFileContents(backupPath, original.bytes(), &error, backupOptions)) {
        result.errorText = error.text();
        result.outcome = OptimiseOutcome::BackupFailed;
        return result;
    }
    // The table is touched only once its copy reads back whole.
    QByteArray copy;
    if (core::readRegularFile(backupPath, copy) != core::FileCheck::Readable ||
        copy != original.bytes()) {
        result.errorText = u"vérification de la copie : elle ne relit pas comme l'original"_s;
        result.outcome = OptimiseOutcome::BackupFailed;
        return result;
    }
    core::ReplaceOptions tableOptions;
    tableOptions.inPlaceWhenNeeded = true; // its backup is safe
    tableOptions.stillWanted = [&original] { return original.unchanged(); };
    if (!core::replaceFileContents(table, optimised.bytes, &error, tableOptions)) {
        if (error.step == core::WriteStep::Changed) {
            result.outcome = OptimiseOutcome::Changed;
            return result;
        }
        result.errorText = error.text();
        result.tableMayBeIncomplete = error.targetTouched;
        result.outcome = OptimiseOutcome::ReplaceFailed;
        return result;
    }
    result.outcome = OptimiseOutcome::Replaced;
    return result;
}

} // namespace sylvane::keytable
