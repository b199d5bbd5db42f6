#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

// Whole-file text I/O in Windows-1252 with CR LF line ends.
//
// Every byte other than CR and LF survives a read and a write: the five bytes
// that Windows-1252 leaves undefined map to the C1 control characters of the
// same value and back.
namespace TextFile {

QString decode(QByteArrayView bytes);
// Decodes bytes into out (one character a byte); returns the end.
QChar *decodeInto(QChar *out, QByteArrayView bytes);
// A character Windows-1252 cannot hold is written as "?".
QByteArray encode(const QString &text);
// Encodes text into out (one byte a character); returns the end.
char *encodeInto(char *out, QStringView text);

// How a text read from outside is encoded. The program writes Windows-1252;
// a text that starts with the UTF-8 byte-order mark, or that is valid UTF-8
// holding at least one multi-byte sequence, was written in UTF-8 by another
// program (a text editor, a spreadsheet) and is read as such. A mark before
// bytes that are not UTF-8 is dropped and the rest read as Windows-1252.
// A text that starts with the UTF-16 mark, little- or big-endian, is what
// spreadsheets save as "Unicode text"; a character it cannot hold becomes
// U+FFFD. Reading a file also drops a mark at the head of any line.
enum class Encoding { Windows1252, Utf8, MarkedWindows1252, Utf16LE, Utf16BE };
Encoding detect(QByteArrayView bytes);
// A line without the marks at its head, as read() leaves every line: the
// mark itself, or its bytes read as Windows-1252 ("ï»¿") once or more, as
// saving them as UTF-8 and reading them again would give.
QStringView withoutMarks(QStringView line);
// Decodes a whole text by that rule, without the byte-order mark.
QString decodeText(QByteArrayView bytes, Encoding *encoding = nullptr);

// Splits on CR LF, LF or CR. A final line end does not start another line.
QStringList splitLines(const QString &text);

// The length of the marks at the head of a line's bytes, as read() drops
// them: byte-order marks, and marks misread as Windows-1252 and saved as
// UTF-8 once or more.
qsizetype marksLength(QByteArrayView line);

// Calls line(start, length) for each line of bytes, whatever its end (CR LF,
// LF or CR), the marks at its head left out, as read() splits a file.
template <typename Line> void forEachLine(QByteArrayView bytes, Line line) {
    const char *data = bytes.data();
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    auto emit = [&](qsizetype end) {
        qsizetype from = start;
        // Every mark begins with one of these two bytes.
        if (from < end && (data[from] == '\xEF' || data[from] == '\xC3'))
            from += marksLength(QByteArrayView(data + from, end - from));
        line(from, end - from);
    };
    for (qsizetype i = 0; i < n; ++i) {
        const char c = data[i];
        if (c > '\r' || (c != '\r' && c != '\n'))
            continue;
        emit(i);
        if (c == '\r' && i + 1 < n && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        emit(n);
}

// What a file was when it was read: enough to tell later whether another
// program (a sync service, another computer) changed it meanwhile.
struct Stamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds since the epoch
    QByteArray hash;     // of the whole content

    bool operator==(const Stamp &) const = default;
};
// A digest of a file's bytes for its stamp: fast rather than secure, since a
// stamp only tells this program's own reading from a later one. Taken over
// fixed parts, so that bytes given whole or in pieces of any size agree.
class ContentHash {
public:
    void add(QByteArrayView bytes);
    QByteArray result() const;

private:
    void addPart(QByteArrayView part);
    QByteArray m_pending;
    size_t m_state = 0x9E3779B97F4A7C15u;
    qint64 m_size = 0;
};
// The stamp of a file as it is now (read whole for its hash); a missing or
// unreadable file gives a stamp that does not exist.
Stamp stampOf(const QString &path);
// True when the file on disk no longer holds what stamp describes. Size and
// time alike mean unchanged; a new time with the same size is read again, so
// that a file merely touched or rewritten alike is not taken for a change.
bool changedSince(const QString &path, const Stamp &stamp);

// The bytes of a whole regular file. A pipe, a device or a folder is refused
// rather than waited on or read without end; ok (when given) tells whether it
// could be read, error (when given) why not, in French. stamp (when given)
// receives the file's stamp, from the same opening and the same bytes.
QByteArray readBytes(const QString &path, bool *ok = nullptr, QString *error = nullptr,
                     Stamp *stamp = nullptr);

// Reads the whole file, in the encoding detect() finds, as readBytes() does;
// encoding (when given) tells what it was written in. inspect (when given)
// sees each line's bytes as it is split off, so that a caller can index the
// lines without reading them a second time; the lines of a UTF-16 text it
// sees in UTF-8.
QStringList read(const QString &path, bool *ok = nullptr,
                 const std::function<void(qsizetype, QByteArrayView)> &inspect = {},
                 Encoding *encoding = nullptr, QString *error = nullptr, Stamp *stamp = nullptr);

// The lines of a file's bytes, as read() gives them.
QStringList linesOf(QByteArray bytes,
                    const std::function<void(qsizetype, QByteArrayView)> &inspect = {},
                    Encoding *encoding = nullptr);

// A file's lines held in one text, each line a view into it: what read()
// gives, without a string per line.
struct LineText {
    QString text;
    QList<QStringView> lines;
};
LineText readLineText(const QString &path, bool *ok = nullptr, Encoding *encoding = nullptr);
LineText lineTextOf(QByteArray bytes, Encoding *encoding = nullptr);

// Every line followed by CR LF, in Windows-1252.
QByteArray encodeLines(const QStringList &lines);

// Writes every line followed by CR LF, through a temporary file renamed over
// the target: a failed write leaves the old file as it was. Returns false and
// fills error (when given, in French, after the system's error) on failure.
bool write(const QString &path, const QStringList &lines, QString *error = nullptr);

// Writes bytes as they are, the same way as write().
bool writeBytes(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// The same for a content made in parts: source hands each part to the sink,
// which answers false once writing failed; source answers false when it
// could not make the whole content.
using ByteSink = std::function<bool(QByteArrayView)>;
using ByteSource = std::function<bool(const ByteSink &)>;
bool writeStream(const QString &path, const ByteSource &source, QString *error = nullptr);

// The French words for a system error number: "disque plein", "accès
// refusé", ...
QString systemError(int error);

// Writes several files that belong together as one: either every file is
// replaced or none is, even if the program is killed half-way.
// - Each file is written in full to a temporary file beside it and flushed
//   to the disk.
// - The pending renames are recorded in the journal (when one is named),
//   then carried out; a failed rename puts back the files already replaced.
// - The journal is removed once every file is in place and the old ones are
//   kept as backups or removed. An undo is first marked in the journal, so
//   that a crash during it is undone, not finished.
// - Files reached through symbolic links are saved where the links point.
// recover() finishes what the journal records, or cleans up a save that had
// not reached it. On failure, failedPath names the file.
struct File {
    QString path;
    ByteSource content;
};
struct SaveOptions {
    QString journal;      // empty: no journal (a single file's rename is enough)
    bool backups = false; // keep each replaced file as path + ".bak"
};
// A save that replaced every file but could not keep a backup returns true
// and tells it in warning (in French). stamps (when given) receives what
// each file is once saved, from the bytes written: no file is read again.
bool writeAll(const QList<File> &files, const SaveOptions &options = {},
              QString *failedPath = nullptr, QString *error = nullptr, QString *warning = nullptr,
              QList<Stamp> *stamps = nullptr);
// What recover() found: nothing pending, a save it finished, leftovers of a
// save that had not started replacing files or that was being undone, put
// back or removed; or a journal that does not match the files, left as it is
// with every temporary file it names.
enum class Recovery { Nothing, Finished, Cleaned, Unmatched };
Recovery recover(const QStringList &paths, const QString &journal);

// The names a save uses beside each file.
QString temporaryName(const QString &path);
QString previousName(const QString &path);
QString backupName(const QString &path);

} // namespace TextFile
