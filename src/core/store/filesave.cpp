// Whole-file saves that a crash, a kill or a full disk cannot leave half
// done. POSIX calls rather than QSaveFile: the journal needs fixed temporary
// names, and the messages need the system's own error.
#include "store/textfile.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QLatin1String JournalHead("TAVRIN-JOURNAL 1"), JournalEnd("fin");

QByteArray native(const QString &path) {
    return QFile::encodeName(path);
}

bool exists(const QString &path) {
    struct stat st;
    return ::stat(native(path).constData(), &st) == 0;
}

qint64 fileSize(const QString &path) {
    struct stat st;
    return ::stat(native(path).constData(), &st) == 0 ? qint64(st.st_size) : -1;
}

// Makes the directory's entries (a rename, a removal) durable.
void syncDirectory(const QString &path) {
    const int fd =
        ::open(native(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Writes bytes to path (created or truncated) and flushes them to the disk;
// 0 or the system's error.
int writeDurably(const QString &path, const QByteArray &bytes, mode_t mode) {
    const int fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0)
        return errno;
    ::fchmod(fd, mode); // umask aside, the copy keeps the permissions of the file it replaces
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int error = written < 0 ? errno : ENOSPC;
            ::close(fd);
            return error;
        }
        data += written;
        left -= written;
    }
    if (::fsync(fd) != 0 && errno != EINVAL) {
        const int error = errno;
        ::close(fd);
        return error;
    }
    return ::close(fd) == 0 ? 0 : errno;
}

// A second name for the file's current content, used to put it back: a hard
// link where the file system has them, else a copy.
int keepPrevious(const QString &path, const QString &previous) {
    ::unlink(native(previous).constData());
    if (::link(native(path).constData(), native(previous).constData()) == 0)
        return 0;
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return EACCES;
    struct stat st;
    const mode_t mode = ::stat(native(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0644;
    return writeDurably(previous, source.readAll(), mode);
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool rename(const QString &from, const QString &to) {
    return ::rename(native(from).constData(), native(to).constData()) == 0;
}

void remove(const QString &path) {
    ::unlink(native(path).constData());
}

struct Entry {
    QString temporary, path;
    qint64 size;
};

// The journal's entries, or nothing when it is not a whole journal.
std::optional<QList<Entry>> readJournal(const QString &journal) {
    bool ok = false;
    const QStringList lines = TextFile::read(journal, &ok);
    if (!ok || lines.size() < 2 || lines.first() != JournalHead || lines.last() != JournalEnd)
        return std::nullopt;
    const QDir dir = QFileInfo(journal).absoluteDir();
    QList<Entry> entries;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QStringList fields = lines.at(i).split(u'\t');
        bool sized = false;
        const qint64 size = fields.size() == 3 ? fields.at(2).toLongLong(&sized) : -1;
        if (!sized || fields.at(0).contains(u'/') || fields.at(1).contains(u'/'))
            return std::nullopt;
        entries.append({dir.filePath(fields.at(0)), dir.filePath(fields.at(1)), size});
    }
    return entries;
}

} // namespace

namespace TextFile {

QString temporaryName(const QString &path) {
    return path + QLatin1String(".tavrin-tmp");
}

QString previousName(const QString &path) {
    return path + QLatin1String(".tavrin-old");
}

QString backupName(const QString &path) {
    return path + QLatin1String(".bak");
}

QString systemError(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("disque plein");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("accès refusé");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("dossier introuvable");
    case EISDIR:
        return QStringLiteral("un dossier porte ce nom");
    case ENAMETOOLONG:
        return QStringLiteral("nom de fichier trop long");
    case EFBIG:
        return QStringLiteral("fichier trop volumineux");
    case EIO:
        return QStringLiteral("erreur d'entrée/sortie");
    default:
        return QStringLiteral("erreur système n° %1").arg(error);
    }
}

namespace {

// The save behind writeAll and writeBytes: bytesOf(i) gives the content of
// paths[i], asked for one file at a time so that only one is held at once.
bool save(const QStringList &paths, const std::function<QByteArray(qsizetype)> &bytesOf,
          const SaveOptions &options, QString *failedPath, QString *error) {
    QList<Entry> entries;
    auto fail = [&](const QString &path, int code) {
        if (failedPath)
            *failedPath = path;
        if (error)
            *error = systemError(code);
        for (const Entry &entry : std::as_const(entries))
            remove(entry.temporary);
        return false;
    };

    // 1. Every file in full beside its target.
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString &path = paths.at(i);
        struct stat st;
        const bool replacing = ::stat(native(path).constData(), &st) == 0;
        const QByteArray bytes = bytesOf(i);
        const QString temporary = temporaryName(path);
        entries.append({temporary, path, bytes.size()});
        const mode_t mode = replacing ? st.st_mode & 07777 : newFileMode();
        if (const int code = writeDurably(temporary, bytes, mode))
            return fail(path, code);
    }

    // 2. The journal: from here on, the save is finished even after a crash.
    if (!options.journal.isEmpty()) {
        QString text = JournalHead + QLatin1String("\r\n");
        for (const Entry &entry : std::as_const(entries))
            text += QFileInfo(entry.temporary).fileName() + u'\t' +
                    QFileInfo(entry.path).fileName() + u'\t' + QString::number(entry.size) +
                    QLatin1String("\r\n");
        text += JournalEnd + QLatin1String("\r\n");
        const QString pending = temporaryName(options.journal);
        if (const int code = writeDurably(pending, encode(text), 0644)) {
            remove(pending);
            return fail(options.journal, code);
        }
        if (!rename(pending, options.journal)) {
            const int code = errno;
            remove(pending);
            return fail(options.journal, code);
        }
        syncDirectory(options.journal);
    }

    // 3. The renames, with a second name for each old file to put it back.
    QList<bool> hadPrevious;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Entry &entry = entries.at(i);
        const QString previous = previousName(entry.path);
        struct stat st;
        const bool replacing = ::stat(native(entry.path).constData(), &st) == 0;
        int code = replacing && S_ISDIR(st.st_mode) ? EISDIR : 0;
        if (replacing && code == 0)
            code = keepPrevious(entry.path, previous);
        if (code == 0 && !rename(entry.temporary, entry.path))
            code = errno;
        if (code == 0) {
            hadPrevious.append(replacing);
            continue;
        }
        if (replacing && code != EISDIR)
            remove(previous);
        // Put back what was replaced; the temporary files go first, so that
        // the journal can no longer finish this save.
        for (qsizetype k = i; k < entries.size(); ++k)
            remove(entries.at(k).temporary);
        for (qsizetype j = 0; j < i; ++j) {
            const QString &path = entries.at(j).path;
            if (hadPrevious.at(j))
                rename(previousName(path), path);
            else
                remove(path);
        }
        if (!options.journal.isEmpty())
            remove(options.journal);
        syncDirectory(entry.path);
        entries.clear();
        return fail(entry.path, code);
    }
    if (!entries.isEmpty())
        syncDirectory(entries.first().path);
    if (!options.journal.isEmpty()) {
        remove(options.journal);
        syncDirectory(options.journal);
    }

    // 4. The old files: kept as backups, or let go.
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!hadPrevious.at(i))
            continue;
        const QString &path = entries.at(i).path;
        if (!options.backups || !rename(previousName(path), backupName(path)))
            remove(previousName(path));
    }
    return true;
}

} // namespace

bool write(const QString &path, const QStringList &lines, QString *error) {
    return writeAll({{path, lines}}, {}, nullptr, error);
}

bool writeAll(const QList<File> &files, const SaveOptions &options, QString *failedPath,
              QString *error) {
    QStringList paths;
    for (const File &file : files)
        paths.append(file.path);
    return save(
        paths, [&files](qsizetype i) { return encodeLines(files.at(i).lines); }, options,
        failedPath, error);
}

bool writeBytes(const QString &path, const QByteArray &bytes, QString *error) {
    return save(
        {path}, [&bytes](qsizetype) { return bytes; }, {}, nullptr, error);
}

Recovery recover(const QStringList &paths, const QString &journal) {
    Recovery result = Recovery::Nothing;
    if (exists(journal)) {
        // The journal is renamed into place whole, after every temporary
        // file was flushed: a readable one means the save can be finished.
        if (const auto entries = readJournal(journal)) {
            bool complete = true;
            for (const Entry &entry : *entries)
                if (exists(entry.temporary) && fileSize(entry.temporary) != entry.size)
                    complete = false;
            if (complete) {
                for (const Entry &entry : *entries)
                    if (exists(entry.temporary))
                        rename(entry.temporary, entry.path);
                result = Recovery::Finished;
            }
        }
        syncDirectory(journal);
        remove(journal);
        if (result == Recovery::Nothing)
            result = Recovery::Cleaned;
    }
    remove(temporaryName(journal));
    for (const QString &path : paths) {
        for (const QString &leftover : {temporaryName(path), previousName(path)}) {
            if (exists(leftover)) {
                remove(leftover);
                if (result == Recovery::Nothing)
                    result = Recovery::Cleaned;
            }
        }
    }
    syncDirectory(journal);
    return result;
}

} // namespace TextFile
