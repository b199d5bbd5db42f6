#include "followup/links.h"

#include "store/dates.h"
#include "store/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace Links {

namespace {

// A line of the file: code TAB date TAB path, the path being the rest.
// A byte-order mark at the head of the file stays in the first line's
// bytes but is not part of its code.
Link read(QByteArrayView bytes, bool head = false) {
    Link link;
    link.raw = bytes.toByteArray();
    if (head && bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return link;
    const qsizetype first = text.indexOf(u'\t');
    const qsizetype second = first < 0 ? -1 : text.indexOf(u'\t', first + 1);
    if (second < 0)
        return link;
    static const QRegularExpression day(QStringLiteral("^\\d\\d/\\d\\d/\\d\\d\\d\\d$"));
    const QString date = text.mid(first + 1, second - first - 1);
    link.code = text.left(first);
    link.path = text.mid(second + 1);
    link.date = day.match(date).hasMatch() ? Dates::parse(date) : QDate();
    link.valid = !link.code.isEmpty() && link.date.isValid() && !link.path.isEmpty();
    return link;
}

bool oneLine(const QString &text) {
    return !text.contains(u'\n') && !text.contains(u'\r');
}

} // namespace

QString fileName(const QString &dataFile) {
    return dataFile.left(dataFile.size() - 3) + QLatin1String("pj");
}

LinkFile LinkFile::parse(QByteArrayView bytes) {
    LinkFile file;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        file.m_lines.append(read(bytes.sliced(start, end - start), start == 0));
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() &&
            bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return file;
}

QByteArray LinkFile::bytes() const {
    QByteArray out;
    for (const Link &link : m_lines)
        out += link.raw + "\r\n";
    return out;
}

bool LinkFile::load(const QString &path, QString *error) {
    m_lines.clear();
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return true;
    bool ok = false;
    const QByteArray bytes = TextFile::readBytes(path, &ok, error);
    if (ok)
        *this = parse(bytes);
    return ok;
}

bool LinkFile::save(const QString &path, QString *error) const {
    return TextFile::writeBytes(path, bytes(), error);
}

QList<qsizetype> LinkFile::of(const QString &code) const {
    QList<qsizetype> found;
    for (qsizetype i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].valid && (code.isEmpty() || m_lines[i].code == code))
            found.append(i);
    return found;
}

bool LinkFile::add(const QString &code, const QDate &date, const QString &file,
                   const QString &folder) {
    const QString path = stored(file, folder);
    if (code.isEmpty() || code.contains(u'\t') || !oneLine(code) || path.isEmpty() ||
        !oneLine(path) || !date.isValid())
        return false;
    Link link = read((code + u'\t' + Dates::format(date) + u'\t' + path).toUtf8());
    if (!link.valid)
        return false;
    m_lines.append(std::move(link));
    return true;
}

bool LinkFile::remove(qsizetype index) {
    if (index < 0 || index >= m_lines.size())
        return false;
    m_lines.removeAt(index);
    return true;
}

LinkFile LinkFile::movedTo(const QString &from, const QString &to) const {
    LinkFile moved;
    for (const Link &link : m_lines) {
        if (!link.valid) {
            moved.m_lines.append(link);
            continue;
        }
        const QString path = stored(resolved(link.path, from), to);
        moved.m_lines.append(
            path == link.path
                ? link
                : read((link.code + u'\t' + Dates::format(link.date) + u'\t' + path).toUtf8()));
    }
    return moved;
}

QString stored(const QString &file, const QString &folder) {
    const QString absolute = QDir::cleanPath(QFileInfo(file).absoluteFilePath());
    const QString base = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QString relative = QDir(base).relativeFilePath(absolute);
    if (relative.startsWith(QLatin1String("../")) || relative == QLatin1String("..") ||
        QDir::isAbsolutePath(relative))
        return absolute;
    return relative;
}

QString resolved(const QString &path, const QString &folder) {
    return QDir::isAbsolutePath(path) ? path : QDir(folder).filePath(path);
}

bool isMissing(const Link &link, const QString &folder) {
    return !QFileInfo::exists(resolved(link.path, folder));
}

} // namespace Links
