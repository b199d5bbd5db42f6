#include "store/textfile.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Windows-1252 over 0x80..0x9F; 0 marks the five undefined bytes, which keep
// their Latin-1 (C1 control) value so that they survive a round trip.
const char16_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                           0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

const QHash<char16_t, char> &reverseTable() {
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        for (int i = 0; i < 32; ++i)
            t.insert(high[i] ? high[i] : char16_t(0x80 + i), char(0x80 + i));
        return t;
    }();
    return table;
}

// Calls line(start, length) for every line, whatever its end: CR LF, LF or CR.
template <typename Char, typename Line> void splitEach(const Char *data, qsizetype n, Line line) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (data[i] != Char('\r') && data[i] != Char('\n'))
            continue;
        line(start, i - start);
        if (data[i] == Char('\r') && i + 1 < n && data[i + 1] == Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        line(start, n - start);
}

const QByteArrayView ByteOrderMark("\xEF\xBB\xBF");

// From this size on, a file's bytes go back to the system as they are decoded.
constexpr qsizetype LargeFile = qsizetype(64) << 20;

// True when bytes are well-formed UTF-8 (no overlong forms, surrogates or
// values past U+10FFFF); multiByte tells whether any sequence is longer than
// one byte.
bool validUtf8(QByteArrayView bytes, bool &multiByte) {
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    multiByte = false;
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra;
        unsigned char low = 0x80, high = 0xBF; // bounds of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            if (c == 0xE0)
                low = 0xA0;
            else if (c == 0xED)
                high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            if (c == 0xF0)
                low = 0x90;
            else if (c == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (i + extra >= n)
            return false;
        if (p[i + 1] < low || p[i + 1] > high)
            return false;
        for (int k = 2; k <= extra; ++k)
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        multiByte = true;
        i += extra + 1;
    }
    return true;
}

} // namespace

namespace TextFile {

Encoding detect(QByteArrayView bytes) {
    // A UTF-16 mark only when the text after it reads as UTF-16: the high
    // byte of most of its first characters is zero, and no line ends in a
    // Windows-1252 CR LF, which UTF-16 line ends never hold. A Windows-1252
    // file may well begin with "ÿþ", NUL bytes after it, and must not be read
    // as UTF-16 after its save: every line the save writes ends in CR LF.
    auto utf16 = [&bytes](int high) {
        int pairs = 0, zeros = 0;
        for (qsizetype i = 2; i + 1 < bytes.size() && pairs < 64; i += 2, ++pairs)
            zeros += bytes[i + high] == 0;
        return 2 * zeros >= pairs && bytes.indexOf(QByteArrayView("\r\n")) < 0;
    };
    if (bytes.startsWith("\xFF\xFE") && utf16(1))
        return Encoding::Utf16LE;
    if (bytes.startsWith("\xFE\xFF") && utf16(0))
        return Encoding::Utf16BE;
    const bool mark = bytes.startsWith(ByteOrderMark);
    bool multiByte = false;
    if (validUtf8(mark ? bytes.sliced(ByteOrderMark.size()) : bytes, multiByte) &&
        (mark || multiByte))
        return Encoding::Utf8;
    // A mark before bytes that are no UTF-8: the bytes are kept as they are.
    return mark ? Encoding::MarkedWindows1252 : Encoding::Windows1252;
}

namespace {

// The mark's bytes, then each time read as Windows-1252 and written as
// UTF-8: saving a file read as UTF-8 undoes one such step, so every level
// is a mark or the next reading would find one the last did not.
const QList<QByteArray> &misreadMarks() {
    static const QList<QByteArray> marks = [] {
        QList<QByteArray> list{QByteArray(ByteOrderMark.data(), ByteOrderMark.size())};
        while (list.size() < 12)
            list.append(decode(list.last()).toUtf8());
        return list;
    }();
    return marks;
}

// The same as the text they read as: a line's rest after a tag becomes the
// head of a line once saved, so it loses them too.
const QList<QString> &misreadMarkTexts() {
    static const QList<QString> texts = [] {
        QList<QString> list;
        for (const QByteArray &mark : misreadMarks())
            list.append(decode(mark));
        return list;
    }();
    return texts;
}

} // namespace

QStringView withoutMarks(QStringView line) {
    // Every mark begins with one of these, read as UTF-8 or as Windows-1252.
    if (line.isEmpty() || (line[0] != u'\uFEFF' && line[0] != u'\u00EF' && line[0] != u'\u00C3'))
        return line;
    for (bool more = true; more;) {
        more = false;
        if (line.startsWith(u'\uFEFF')) {
            line = line.sliced(1);
            more = true;
            continue;
        }
        for (const QString &mark : misreadMarkTexts()) {
            if (line.startsWith(mark)) {
                line = line.sliced(mark.size());
                more = true;
                break;
            }
        }
    }
    return line;
}

namespace {

bool isUtf16(Encoding encoding) {
    return encoding == Encoding::Utf16LE || encoding == Encoding::Utf16BE;
}

// The text after the two bytes of the mark; a last odd byte is dropped.
QString decodeUtf16(QByteArrayView bytes, Encoding encoding) {
    QStringDecoder decoder(encoding == Encoding::Utf16LE ? QStringDecoder::Utf16LE
                                                         : QStringDecoder::Utf16BE,
                           QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes.sliced(2));
}

} // namespace

QString decodeText(QByteArrayView bytes, Encoding *encoding) {
    const Encoding found = detect(bytes);
    if (encoding)
        *encoding = found;
    if (isUtf16(found))
        return withoutMarks(decodeUtf16(bytes, found)).toString();
    if (bytes.startsWith(ByteOrderMark))
        bytes = bytes.sliced(ByteOrderMark.size());
    const QString text = found == Encoding::Utf8 ? QString::fromUtf8(bytes) : decode(bytes);
    return withoutMarks(text).toString();
}

QChar *decodeInto(QChar *out, QByteArrayView bytes) {
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0 && high[b - 0x80])
            *out++ = QChar(high[b - 0x80]);
        else
            *out++ = QChar(b);
    }
    return out;
}

QString decode(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    decodeInto(text.data(), bytes);
    return text;
}

char *encodeInto(char *out, QStringView text) {
    const auto &reverse = reverseTable();
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *out++ = char(u);
        } else {
            const auto it = reverse.constFind(u);
            *out++ = it == reverse.constEnd() ? '?' : it.value();
        }
    }
    return out;
}

QByteArray encode(const QString &text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    encodeInto(bytes.data(), text);
    return bytes;
}

qsizetype marksLength(QByteArrayView line) {
    qsizetype length = 0;
    for (bool more = true; more;) {
        more = false;
        for (const QByteArray &mark : misreadMarks()) {
            if (line.sliced(length).startsWith(mark)) {
                length += mark.size();
                more = true;
                break;
            }
        }
    }
    return length;
}

QStringList splitLines(const QString &text) {
    QStringList lines;
    const QChar *data = text.constData();
    splitEach(
        reinterpret_cast<const char16_t *>(data), text.size(),
        [&](qsizetype start, qsizetype length) { lines.append(QString(data + start, length)); });
    return lines;
}

QByteArray readBytes(const QString &path, bool *ok, QString *error, Stamp *stamp) {
    auto failed = [&](const QString &why) {
        if (ok)
            *ok = false;
        if (error)
            *error = why;
        return QByteArray();
    };
    // Not blocking, so that a pipe or a device is refused instead of waited on.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return failed(systemError(errno));
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return failed(QStringLiteral("ce n'est pas un fichier ordinaire"));
    }
    // Read straight into one buffer the size of the file (one byte more to
    // see its end), grown only if the file grows meanwhile.
    QByteArray bytes(qsizetype(st.st_size) + 1, Qt::Uninitialized);
    qsizetype used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t got = ::read(fd, bytes.data() + used, size_t(bytes.size() - used));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int code = errno;
            ::close(fd);
            return failed(systemError(code));
        }
        if (got == 0)
            break;
        used += got;
    }
    bytes.truncate(used);
    ::close(fd);
    if (ok)
        *ok = true;
    if (stamp) {
        stamp->exists = true;
        stamp->size = used;
        stamp->modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        ContentHash hash;
        hash.add(bytes);
        stamp->hash = hash.result();
    }
    return bytes;
}

namespace {
constexpr qsizetype HashPart = 64 * 1024;
}

void ContentHash::add(QByteArrayView bytes) {
    m_size += bytes.size();
    if (!m_pending.isEmpty()) {
        const qsizetype take = std::min(bytes.size(), HashPart - m_pending.size());
        m_pending.append(bytes.first(take));
        bytes = bytes.sliced(take);
        if (m_pending.size() < HashPart)
            return;
        addPart(m_pending);
        m_pending.clear();
    }
    for (; bytes.size() >= HashPart; bytes = bytes.sliced(HashPart))
        addPart(bytes.first(HashPart));
    m_pending.append(bytes);
}

void ContentHash::addPart(QByteArrayView part) {
    // Each part's hash seeds the next; a seed is never zero, which keeps Qt
    // on its fastest hash.
    m_state = qHashBits(part.data(), size_t(part.size()), m_state | 1);
}

QByteArray ContentHash::result() const {
    const size_t last =
        qHashBits(m_pending.constData(), size_t(m_pending.size()), (m_state ^ size_t(m_size)) | 1);
    return QByteArray(reinterpret_cast<const char *>(&last), sizeof last);
}

Stamp stampOf(const QString &path) {
    Stamp stamp;
    bool ok = false;
    readBytes(path, &ok, nullptr, &stamp);
    return ok ? stamp : Stamp();
}

bool changedSince(const QString &path, const Stamp &stamp) {
    // Only a regular file is read: a folder in its place is no one's save,
    // and writing over it fails with its own message.
    struct stat st;
    const bool exists =
        ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
    if (exists != stamp.exists)
        return true;
    if (!exists)
        return false;
    if (qint64(st.st_size) != stamp.size)
        return true;
    if (qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec == stamp.modified)
        return false;
    return stampOf(path).hash != stamp.hash;
}

QStringList read(const QString &path, bool *ok,
                 const std::function<void(qsizetype, QByteArrayView)> &inspect, Encoding *encoding,
                 QString *error, Stamp *stamp) {
    bool read = false;
    QByteArray bytes = readBytes(path, &read, error, stamp);
    if (ok)
        *ok = read;
    if (!read)
        return {};
    return linesOf(std::move(bytes), inspect, encoding);
}

QStringList linesOf(QByteArray bytes, const std::function<void(qsizetype, QByteArrayView)> &inspect,
                    Encoding *encoding) {
    const Encoding found = detect(bytes);
    if (encoding)
        *encoding = found;
    if (isUtf16(found)) {
        // Rare and small: decoded whole, then split.
        const QString text = decodeUtf16(bytes, found);
        QStringList lines;
        const QChar *chars = text.constData();
        splitEach(reinterpret_cast<const char16_t *>(chars), text.size(),
                  [&](qsizetype start, qsizetype length) {
                      const QStringView line = withoutMarks(QStringView(chars + start, length));
                      if (inspect)
                          inspect(lines.size(), line.toUtf8());
                      lines.append(line.toString());
                  });
        return lines;
    }
    const bool utf8 = found == Encoding::Utf8;
    // Decoded line by line: no second copy of a large file in memory. In a
    // very large file the bytes already decoded are given back to the system
    // as the decoding goes, a long line a slice at a time, so that the file
    // and its text are never held whole side by side.
    QStringList lines;
    lines.reserve(bytes.count('\n') + 1);
    const char *data = bytes.constData();
    const bool large = bytes.size() >= LargeFile;
    const auto page = uintptr_t(::sysconf(_SC_PAGESIZE));
    uintptr_t released = uintptr_t(data);
    auto release = [&](const char *upTo) {
        const uintptr_t from = (released + page - 1) & ~(page - 1);
        const uintptr_t to = uintptr_t(upTo) & ~(page - 1);
        if (!large || to <= from)
            return;
        ::madvise(reinterpret_cast<void *>(from), to - from, MADV_DONTNEED);
        released = to;
    };
    auto decodeLine = [&](QByteArrayView line) {
        if (!large || line.size() < LargeFile / 8)
            return utf8 ? QString::fromUtf8(line) : decode(line);
        QString text(line.size(), Qt::Uninitialized);
        QChar *out = text.data();
        QStringDecoder decoder(QStringDecoder::Utf8);
        for (qsizetype at = 0; at < line.size(); at += LargeFile / 8) {
            const QByteArrayView part = line.sliced(at, std::min(LargeFile / 8, line.size() - at));
            out = utf8 ? decoder.appendToBuffer(out, part) : decodeInto(out, part);
            release(part.data() + part.size());
        }
        text.truncate(out - text.constData());
        return text;
    };
    splitEach(data, bytes.size(), [&](qsizetype start, qsizetype length) {
        QByteArrayView line(data + start, length);
        // A mark heads the file, or a file that was pasted into it: it is no
        // text of the line. All of them go, so that the bytes the caller sees
        // are the text (the UTF-8 decoder would drop one more). So does a
        // mark misread as Windows-1252 and saved as UTF-8 once or more: what
        // the program writes must read back the same whichever way the
        // next reading decodes it.
        line = line.sliced(marksLength(line));
        if (inspect)
            inspect(lines.size(), line);
        lines.append(decodeLine(line));
        release(data + start + length);
    });
    return lines;
}

LineText readLineText(const QString &path, bool *ok, Encoding *encoding) {
    bool read = false;
    QByteArray bytes = readBytes(path, &read);
    if (ok)
        *ok = read;
    if (!read)
        return {};
    return lineTextOf(std::move(bytes), encoding);
}

LineText lineTextOf(QByteArray bytes, Encoding *encoding) {
    const Encoding found = detect(bytes);
    if (encoding)
        *encoding = found;
    LineText out;
    if (isUtf16(found)) {
        out.text = decodeUtf16(bytes, found);
        const QChar *chars = out.text.constData();
        splitEach(reinterpret_cast<const char16_t *>(chars), out.text.size(),
                  [&](qsizetype start, qsizetype length) {
                      out.lines.append(withoutMarks(QStringView(chars + start, length)));
                  });
        return out;
    }
    // Never more characters than bytes, in either encoding.
    const bool utf8 = found == Encoding::Utf8;
    out.text = QString(bytes.size(), Qt::Uninitialized);
    out.lines.reserve(bytes.count('\n') + 1);
    const char *data = bytes.constData();
    QChar *const base = out.text.data();
    QChar *at = base;
    splitEach(data, bytes.size(), [&](qsizetype start, qsizetype length) {
        QByteArrayView line(data + start, length);
        line = line.sliced(marksLength(line)); // as read() does
        QChar *const begin = at;
        if (utf8) {
            // Each line on its own, a cut sequence at its end replaced as
            // QString::fromUtf8 does.
            QStringDecoder decoder(QStringDecoder::Utf8,
                                   QStringDecoder::Flag::Stateless |
                                       QStringDecoder::Flag::ConvertInitialBom);
            at = decoder.appendToBuffer(at, line);
        } else {
            at = decodeInto(at, line);
        }
        out.lines.append(QStringView(begin, at - begin));
    });
    out.text.truncate(at - base); // in place: the views stay valid
    return out;
}

QByteArray encodeLines(const QStringList &lines) {
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    QString text;
    text.reserve(size);
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return encode(text);
}

} // namespace TextFile
