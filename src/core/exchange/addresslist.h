#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// Address lists as spreadsheets and contact managers write them: one record
// a line, fields cut at a separator. A field that starts with a quotation
// mark is quoted: separators and line breaks up to the closing mark stay in
// it, and two marks in a row are one mark. Text after the closing mark is
// kept as it stands; a mark elsewhere in a field is text.
namespace AddressList {

// Hands out the records of a list of lines one after another.
class Reader {
public:
    Reader(const QStringList &lines, QChar separator);
    // Over lines held elsewhere, which must outlive the reader.
    Reader(QList<QStringView> lines, QChar separator);

    bool atEnd() const { return m_line >= m_lines.size(); }
    // The lines read so far.
    qsizetype linesRead() const { return m_line; }
    // The fields of the next record. A line break inside a quoted field
    // becomes a space, since a field is one line of a company.
    QStringList next();
    // The same fields as views, valid until the next call: into the lines,
    // or, for a quoted field, into a text the reader keeps.
    void next(QList<QStringView> &fields);

private:
    bool quoted(qsizetype &line, qsizetype &pos, QString &field);

    QList<QStringView> m_lines;
    std::vector<QString> m_quoted; // the quoted fields of the last record
    QChar m_separator;
    qsizetype m_line = 0;
    // Cleared once a quotation mark stayed open to the end of the list: a
    // stray mark then reads as text, and no later field spans lines either,
    // so that no line is scanned to the end twice.
    bool m_spanLines = true;
};

// The separator of a ".csv" list: ";", or "," when its first record holds
// no ";" but does hold ",".
QChar csvSeparator(const QStringList &lines);
QChar csvSeparator(const QList<QStringView> &lines);

// True when fields are column titles rather than a company: at least two of
// them are known titles (société, nom, adresse, cp, ville, tél, e-mail,
// contact, ...: case, accents, spaces and punctuation ignored), and no other
// holds a digit or an "@", as a date, a postal code, a telephone number or
// an address would.
bool isHeader(const QStringList &fields);

} // namespace AddressList
