#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>

// The documents sent to companies (letter, CV, notice saved as PDF): a side
// file "name.pj" beside the data set, UTF-8, one link a line: company code,
// TAB, date "dd/mm/yyyy", TAB, path. A path under the data set's folder is
// kept relative to it, so that a synced folder works on every computer.
//
// A line that does not read as a link is kept as it was, bytes and all, and
// written back in its place: nothing the user or another version wrote is
// ever dropped.
namespace Links {

// "x.tvr" gives "x.pj".
QString fileName(const QString &dataFile);

struct Link {
    bool valid = false;
    QString code;
    QDate date;
    QString path;   // as stored: relative to the data set's folder, or absolute
    QByteArray raw; // the line's bytes, written back unchanged
};

class LinkFile {
public:
    // Reads a link file's bytes (LF, CR LF or CR after each line); a
    // byte-order mark at the head is not read as part of the first code.
    static LinkFile parse(QByteArrayView bytes);
    // Every line, CR LF after each.
    QByteArray bytes() const;

    // A missing file is an empty list; false when it cannot be read.
    bool load(const QString &path, QString *error = nullptr);
    // Replaced whole, through a temporary file.
    bool save(const QString &path, QString *error = nullptr) const;

    // Every line in file order, the ones that are not links included.
    const QList<Link> &lines() const { return m_lines; }
    // Indices of the links of a company (of all when code is empty).
    QList<qsizetype> of(const QString &code) const;

    // Appends a link to file (absolute) for a company; false when the code
    // or the path cannot be written on one line.
    bool add(const QString &code, const QDate &date, const QString &file, const QString &folder);
    // Removes the line at index (never the file it names).
    bool remove(qsizetype index);
    // The links of the data set saved from folder "from" into folder "to":
    // each names the same file, relative to the new folder when it lies
    // under it. Lines that are not links stay as they are.
    LinkFile movedTo(const QString &from, const QString &to) const;

private:
    QList<Link> m_lines;
};

// The path to store for file: relative to folder when it lies under it.
QString stored(const QString &file, const QString &folder);
// The file a stored path names.
QString resolved(const QString &path, const QString &folder);
// True when the file a link names does not exist.
bool isMissing(const Link &link, const QString &folder);

} // namespace Links
