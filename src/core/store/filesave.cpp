// Whole-file saves that a crash, a kill or a full disk cannot leave half
// done. POSIX calls rather than QSaveFile: the journal needs fixed temporary
// names, and the messages need the system's own error.
#include "store/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QThreadPool>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Version 2 names the files relative to the journal's folder, in UTF-8, and
// tells whether each file existed before and whether backups are kept.
const QLatin1String JournalHead1("TAVRIN-JOURNAL 1"), JournalHead2("TAVRIN-JOURNAL 2"),
    JournalEnd("fin"), BackupsWord("copies");

QByteArray native(const QString &path) {
    return QFile::encodeName(path);
}

bool exists(const QString &path) {
    struct stat st;
    return ::lstat(native(path).constData(), &st) == 0;
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

// Writes what source gives to path (created or truncated) and flushes it to
// the disk; 0 or the system's error. written (when given) counts the bytes;
// beforeFlush (when given) is called once they are all written.
int writeDurably(const QString &path, const TextFile::ByteSource &source, mode_t mode,
                 qint64 *written = nullptr, const std::function<void()> &beforeFlush = {}) {
    const int fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0)
        return errno;
    ::fchmod(fd, mode); // umask aside, the copy keeps the permissions of the file it replaces
    int error = 0;
    qint64 total = 0;
    const TextFile::ByteSink sink = [&](QByteArrayView bytes) {
        const char *data = bytes.data();
        qsizetype left = bytes.size();
        while (error == 0 && left > 0) {
            const ssize_t done = ::write(fd, data, size_t(left));
            if (done < 0 && errno == EINTR)
                continue;
            if (done <= 0) {
                error = done < 0 ? errno : ENOSPC;
                break;
            }
            data += done;
            left -= done;
            total += done;
        }
        return error == 0;
    };
    if (!source(sink) && error == 0)
        error = EIO; // the source gave up: what it wrote is not whole
    if (written)
        *written = total;
    if (error != 0) {
        ::close(fd);
        return error;
    }
    if (beforeFlush)
        beforeFlush();
    if (::fsync(fd) != 0 && errno != EINVAL) {
        const int code = errno;
        ::close(fd);
        return code;
    }
    return ::close(fd) == 0 ? 0 : errno;
}

int writeDurably(const QString &path, const QByteArray &bytes, mode_t mode) {
    return writeDurably(
        path, [&bytes](const TextFile::ByteSink &sink) { return sink(bytes); }, mode);
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

// The file a name stands for: a symbolic link (a synced folder often holds
// them) is saved through, so that the link stays and its target changes.
QString resolved(const QString &path) {
    const QFileInfo info(path);
    if (!info.isSymLink())
        return QDir::cleanPath(info.absoluteFilePath());
    const QString target = info.canonicalFilePath();
    return QDir::cleanPath(target.isEmpty() ? info.symLinkTarget() : target);
}

QString rollbackName(const QString &journal) {
    return journal + QLatin1String(".annulation");
}

struct Entry {
    QString temporary, path; // path: the file itself, links resolved
    qint64 size;
    bool replacing; // the file existed before the save
};

struct Journal {
    QList<Entry> entries;
    bool backups = false;
};

QByteArray journalBytes(const Journal &journal, const QString &journalPath) {
    const QDir dir = QFileInfo(journalPath).absoluteDir();
    QString text = JournalHead2 + QLatin1String("\r\n") + BackupsWord + u'\t' +
                   QLatin1Char(journal.backups ? '1' : '0') + QLatin1String("\r\n");
    for (const Entry &entry : journal.entries)
        text += dir.relativeFilePath(entry.temporary) + u'\t' + dir.relativeFilePath(entry.path) +
                u'\t' + QString::number(entry.size) + u'\t' +
                QLatin1Char(entry.replacing ? '1' : '0') + QLatin1String("\r\n");
    text += JournalEnd + QLatin1String("\r\n");
    return text.toUtf8();
}

// The journal's entries, or nothing when it is not a whole journal.
std::optional<Journal> readJournal(const QString &path) {
    bool ok = false;
    const QStringList lines = TextFile::read(path, &ok);
    if (!ok || lines.size() < 2 || lines.last() != JournalEnd)
        return std::nullopt;
    const bool second = lines.first() == JournalHead2;
    if (!second && lines.first() != JournalHead1)
        return std::nullopt;
    const QDir dir = QFileInfo(path).absoluteDir();
    Journal journal;
    qsizetype i = 1;
    if (second) {
        const QStringList fields = lines.value(1).split(u'\t');
        if (fields.size() != 2 || fields.at(0) != BackupsWord)
            return std::nullopt;
        journal.backups = fields.at(1) == QLatin1String("1");
        i = 2;
    }
    for (; i + 1 < lines.size(); ++i) {
        const QStringList fields = lines.at(i).split(u'\t');
        bool sized = false;
        if (fields.size() != (second ? 4 : 3))
            return std::nullopt;
        const qint64 size = fields.at(2).toLongLong(&sized);
        if (!sized)
            return std::nullopt;
        const QString target = QDir::cleanPath(dir.absoluteFilePath(fields.at(1)));
        journal.entries.append(
            {QDir::cleanPath(dir.absoluteFilePath(fields.at(0))), target, size,
             second ? fields.at(3) == QLatin1String("1") : exists(TextFile::previousName(target))});
    }
    return journal;
}

// Whether every entry is one of the given files with its own temporary name:
// recovery never touches a file the journal does not match.
bool matches(const Journal &journal, const QStringList &targets) {
    for (const Entry &entry : journal.entries)
        if (!targets.contains(entry.path) || entry.temporary != TextFile::temporaryName(entry.path))
            return false;
    return !journal.entries.isEmpty();
}

// Puts back the files a save replaced or created, in any state the undo was
// cut at: each step can be done again.
void undo(const QList<Entry> &entries) {
    for (const Entry &entry : entries) {
        const QString previous = TextFile::previousName(entry.path);
        if (exists(previous))
            rename(previous, entry.path);
        else if (!entry.replacing && !exists(entry.temporary))
            remove(entry.path); // created by this save
    }
    if (!entries.isEmpty())
        syncDirectory(entries.first().path);
    for (const Entry &entry : entries)
        remove(entry.temporary);
}

// The old files once every new one is in place: kept as backups, or let go.
// A backup that cannot be made is told in warning; false then.
bool settlePrevious(const QList<Entry> &entries, bool backups, QString *warning) {
    bool settled = true;
    for (const Entry &entry : entries) {
        const QString previous = TextFile::previousName(entry.path);
        if (!exists(previous))
            continue;
        if (!backups) {
            remove(previous);
        } else if (!rename(previous, TextFile::backupName(entry.path))) {
            // The old file stays under its second name until the next
            // opening, so that a crash now still lets recovery keep it.
            if (warning && warning->isEmpty())
                *warning = QStringLiteral("La copie de sauvegarde %1 n'a pas pu être faite : %2")
                               .arg(TextFile::backupName(entry.path), TextFile::systemError(errno));
            settled = false;
        }
    }
    if (!entries.isEmpty())
        syncDirectory(entries.first().path);
    return settled;
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

// The hash of a file just written, read back on another thread from the
// system's cache while the save goes on: hashing is most of a save's work,
// and the flushes leave the processor idle. The threads are kept between
// saves, since starting one costs more than hashing a small file. The file
// is opened at once, so that a rename does not lose it; an empty hash when it
// cannot be read.
std::future<QByteArray> hashWritten(const QString &path) {
    static QThreadPool pool;
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
    auto promise = std::make_shared<std::promise<QByteArray>>();
    std::future<QByteArray> digest = promise->get_future();
    pool.start([fd, promise] {
        if (fd < 0)
            return promise->set_value(QByteArray());
        ContentHash hash;
        struct stat st;
        const qsizetype size = ::fstat(fd, &st) == 0 ? qsizetype(st.st_size) : 0;
        QByteArray part(std::clamp(size + 1, qsizetype(4096), qsizetype(1) << 20),
                        Qt::Uninitialized);
        ssize_t got;
        while ((got = ::read(fd, part.data(), std::size_t(part.size()))) != 0) {
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                ::close(fd);
                return promise->set_value(QByteArray());
            }
            hash.add(QByteArrayView(part.constData(), got));
        }
        ::close(fd);
        promise->set_value(hash.result());
    });
    return digest;
}

// The save behind writeAll, writeBytes and writeStream: sourceOf(i) gives
// the content of paths[i], asked for one file at a time so that only one is
// held at once, or none when it comes in parts.
bool save(const QStringList &paths, const std::function<ByteSource(qsizetype)> &sourceOf,
          const SaveOptions &options, QString *failedPath, QString *error, QString *warning,
          QList<Stamp> *stamps = nullptr) {
    QList<Entry> entries;
    std::vector<std::future<QByteArray>> hashes;
    auto fail = [&](const QString &path, int code) {
        if (failedPath)
            *failedPath = path;
        if (error)
            *error = systemError(code);
        for (const Entry &entry : std::as_const(entries))
            remove(entry.temporary);
        return false;
    };

    // 1. Every file in full beside its target. A single file's leftovers of
    //    a save killed before are cleared first; a journal's are recovered
    //    when the set is opened.
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString path = resolved(paths.at(i));
        if (options.journal.isEmpty())
            remove(previousName(path));
        struct stat st;
        const bool replacing = ::stat(native(path).constData(), &st) == 0;
        const QString temporary = temporaryName(path);
        entries.append({temporary, path, 0, replacing});
        const mode_t mode = replacing ? st.st_mode & 07777 : newFileMode();
        auto hashWhileFlushing = [&] {
            if (stamps)
                hashes.push_back(hashWritten(temporary));
        };
        if (const int code =
                writeDurably(temporary, sourceOf(i), mode, &entries.last().size, hashWhileFlushing))
            return fail(paths.at(i), code);
    }

    // 2. The journal: from here on, the save is finished even after a crash.
    if (!options.journal.isEmpty()) {
        remove(rollbackName(options.journal));
        const QString pending = temporaryName(options.journal);
        const QByteArray text = journalBytes({entries, options.backups}, options.journal);
        if (const int code = writeDurably(pending, text, 0644)) {
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
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Entry &entry = entries.at(i);
        const QString previous = previousName(entry.path);
        struct stat st;
        const bool present = ::stat(native(entry.path).constData(), &st) == 0;
        int code = present && S_ISDIR(st.st_mode) ? EISDIR : 0;
        // A lone file without backups needs no way back: its rename is enough.
        const bool keep = !options.journal.isEmpty() || options.backups;
        if (present && code == 0 && keep)
            code = keepPrevious(entry.path, previous);
        if (code == 0 && !rename(entry.temporary, entry.path))
            code = errno;
        if (code == 0)
            continue;
        // The file itself is untouched: a partial copy of it must not come back.
        if (present && code != EISDIR)
            remove(previous);
        if (!options.journal.isEmpty()) {
            // Marked before anything is undone, so that a crash during the
            // undo is undone at the next opening rather than finished.
            if (!rename(options.journal, rollbackName(options.journal))) {
                if (failedPath)
                    *failedPath = paths.at(i);
                if (error)
                    *error = systemError(code) +
                             QStringLiteral("\nL'enregistrement sera terminé à la prochaine "
                                            "ouverture");
                return false;
            }
            syncDirectory(options.journal);
        }
        undo(entries);
        if (!options.journal.isEmpty()) {
            remove(rollbackName(options.journal));
            syncDirectory(options.journal);
        }
        entries.clear();
        return fail(paths.at(i), code);
    }
    if (!entries.isEmpty())
        syncDirectory(entries.first().path);
    if (stamps) {
        stamps->clear();
        for (qsizetype i = 0; i < entries.size(); ++i) {
            Stamp stamp;
            struct stat st;
            if (::stat(native(entries.at(i).path).constData(), &st) == 0) {
                stamp.exists = true;
                stamp.size = qint64(st.st_size);
                stamp.modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
                stamp.hash = hashes[std::size_t(i)].get();
            }
            stamps->append(stamp);
        }
    }

    // 4. The old files, then the journal: a crash in between settles them
    //    again at the next opening, and so does a backup that failed.
    if (settlePrevious(entries, options.backups, warning) && !options.journal.isEmpty()) {
        remove(options.journal);
        syncDirectory(options.journal);
    }
    return true;
}

} // namespace

bool write(const QString &path, const QStringList &lines, QString *error) {
    return writeStream(
        path, [&lines](const ByteSink &sink) { return sink(encodeLines(lines)); }, error);
}

bool writeAll(const QList<File> &files, const SaveOptions &options, QString *failedPath,
              QString *error, QString *warning, QList<Stamp> *stamps) {
    QStringList paths;
    for (const File &file : files)
        paths.append(file.path);
    return save(
        paths, [&files](qsizetype i) { return files.at(i).content; }, options, failedPath, error,
        warning, stamps);
}

bool writeBytes(const QString &path, const QByteArray &bytes, QString *error) {
    return writeStream(
        path, [&bytes](const ByteSink &sink) { return sink(bytes); }, error);
}

bool writeStream(const QString &path, const ByteSource &source, QString *error) {
    return save(
        {path}, [&source](qsizetype) { return source; }, {}, nullptr, error, nullptr);
}

Recovery recover(const QStringList &paths, const QString &journal) {
    QStringList targets;
    for (const QString &path : paths)
        targets.append(resolved(path));
    remove(temporaryName(journal)); // a journal never renamed into place: nothing started

    const QString rollback = rollbackName(journal);
    if (exists(rollback)) {
        const auto undone = readJournal(rollback);
        if (!undone || !matches(*undone, targets))
            return Recovery::Unmatched;
        undo(undone->entries);
        remove(rollback);
        syncDirectory(rollback);
        return Recovery::Cleaned;
    }

    if (exists(journal)) {
        // The journal is renamed into place whole, after every temporary
        // file was flushed: each file is still beside its target, or
        // already in place.
        const auto pending = readJournal(journal);
        if (!pending || !matches(*pending, targets))
            return Recovery::Unmatched;
        for (const Entry &entry : pending->entries) {
            const bool waiting = exists(entry.temporary) && fileSize(entry.temporary) == entry.size;
            const bool placed = !exists(entry.temporary) && fileSize(entry.path) == entry.size;
            if (!waiting && !placed)
                return Recovery::Unmatched;
        }
        for (const Entry &entry : pending->entries) {
            if (!exists(entry.temporary))
                continue;
            if (exists(entry.path))
                keepPrevious(entry.path, previousName(entry.path));
            rename(entry.temporary, entry.path);
        }
        syncDirectory(journal);
        if (settlePrevious(pending->entries, pending->backups, nullptr)) {
            remove(journal);
            syncDirectory(journal);
        }
        return Recovery::Finished;
    }

    Recovery result = Recovery::Nothing;
    for (const QString &path : targets) {
        for (const QString &leftover : {temporaryName(path), previousName(path)}) {
            if (exists(leftover)) {
                remove(leftover);
                result = Recovery::Cleaned;
            }
        }
    }
    if (result != Recovery::Nothing)
        syncDirectory(journal);
    return result;
}

} // namespace TextFile
