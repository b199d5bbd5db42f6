#include "store/textfile.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>

#include <memory>
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
template <typename Char, typename Line> void forEachLine(const Char *data, qsizetype n, Line line) {
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

} // namespace

namespace TextFile {

QString decode(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0 && high[b - 0x80])
            *out++ = QChar(high[b - 0x80]);
        else
            *out++ = QChar(b);
    }
    return text;
}

QByteArray encode(const QString &text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
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
    return bytes;
}

QStringList splitLines(const QString &text) {
    QStringList lines;
    const QChar *data = text.constData();
    forEachLine(
        reinterpret_cast<const char16_t *>(data), text.size(),
        [&](qsizetype start, qsizetype length) { lines.append(QString(data + start, length)); });
    return lines;
}

QStringList read(const QString &path, bool *ok,
                 const std::function<void(qsizetype, QByteArrayView)> &inspect) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (ok)
            *ok = false;
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (ok)
        *ok = file.error() == QFileDevice::NoError;
    // Decoded line by line: no second copy of a large file in memory.
    QStringList lines;
    lines.reserve(bytes.count('\n') + 1);
    const char *data = bytes.constData();
    forEachLine(data, bytes.size(), [&](qsizetype start, qsizetype length) {
        const QByteArrayView line(data + start, length);
        if (inspect)
            inspect(lines.size(), line);
        lines.append(decode(line));
    });
    return lines;
}

namespace {

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

QString frenchError(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::OpenError:
        return QStringLiteral("le fichier ne peut pas être créé à cet endroit");
    case QFileDevice::PermissionsError:
        return QStringLiteral("accès refusé");
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError:
        return QStringLiteral("erreur d'écriture (disque plein ?)");
    case QFileDevice::RenameError:
        return QStringLiteral("l'ancien fichier ne peut pas être remplacé");
    default:
        return QStringLiteral("erreur d'entrée/sortie");
    }
}

} // namespace

bool write(const QString &path, const QStringList &lines, QString *error) {
    return writeAll({{path, lines}}, nullptr, error);
}

bool writeAll(const QList<File> &files, QString *failedPath, QString *error) {
    std::vector<std::unique_ptr<QSaveFile>> saves;
    auto fail = [&](QSaveFile &file, const QString &path) {
        if (failedPath)
            *failedPath = path;
        if (error)
            *error = frenchError(file.error());
        for (auto &save : saves)
            save->cancelWriting();
        return false;
    };
    for (const File &f : files) {
        saves.push_back(std::make_unique<QSaveFile>(f.path));
        QSaveFile &file = *saves.back();
        const QByteArray bytes = encodeLines(f.lines);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
            return fail(file, f.path);
    }
    // Every file is written; only now are the old ones replaced.
    for (qsizetype i = 0; i < files.size(); ++i)
        if (!saves[i]->commit())
            return fail(*saves[i], files[i].path);
    return true;
}

} // namespace TextFile
