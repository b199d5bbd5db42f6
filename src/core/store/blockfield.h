#pragma once

#include "store/bloclist.h"

#include <QString>
#include <QStringList>

#include <limits>

// Reading the fields of a block, as the card readers do: the line at an offset
// from the opening tag, empty at or beyond the block's end. A block ends at its
// closing tag, or where the next block starts when the closing tag was lost,
// or at the end of the list. Every reader of fields goes through here.
namespace BlockField {

// The closing tag that belongs to an opening tag line.
QString closeTagOf(const QString &openTag);

// Index of the first line after the content of the block whose opening tag
// is at tag. Looks no further than `limit` lines past the tag, which is all a
// reader of the first fields needs.
qsizetype contentEnd(const BlocList &list, qsizetype tag,
                     qsizetype limit = std::numeric_limits<qsizetype>::max());

// The field at offset (1 for the line after the tag), given the block's end.
inline QString at(const BlocList &list, qsizetype tag, qsizetype end, int offset) {
    const qsizetype index = tag + offset;
    return offset > 0 && index < end ? list.at(index) : QString();
}

// The field at offset of the block whose opening tag is at tag.
QString at(const BlocList &list, qsizetype tag, int offset);

// A line that would read as a tag, written with a look-alike first character
// so that no content can break the file's blocks; other lines as they are.
QString safeLine(const QString &line);

// Upper-cases the letters a to z only: é stays é.
QString upperAscii(QString text);

enum class Match { Prefix, Anywhere };

// The field at offset, knowing the first tag line after the tag: lines that
// are not tag lines cannot end a block, so only a tag line within reach asks
// for the block's end.
QString atBefore(const BlocList &list, qsizetype tag, qsizetype nextTag, int offset);

// Reads the fields of every block in list order, by the rule of at(), without
// touching the lines between a tag and a field when no tag line stands
// between them (the tag index says so): the walks over a whole list.
class Cursor {
public:
    explicit Cursor(const BlocList &list);

    // Moves to the k-th opening tag of the index; k only grows.
    void seek(std::size_t k);
    qsizetype tag() const { return m_tag; }
    // The first tag line after the tag (or the list's size).
    qsizetype nextTag() const { return m_nextTag; }
    QString at(int offset) const { return atBefore(m_list, m_tag, m_nextTag, offset); }

private:
    const BlocList &m_list;
    const BlocList::Index &m_index;
    std::size_t m_nextClose = 0;
    qsizetype m_tag = -1;
    qsizetype m_nextTag = 0; // the first tag line after the tag
};

// True when text stands in field, upper-cased a to z, at its start or anywhere.
// Texts compare as they are, never as patterns.
bool matches(QStringView field, QStringView text, Match match);

// Walks the exact opening tags in list order; for each block whose field at
// offset matches text, calls found with the tag's line index and block number.
// Stops when found returns false.
template <typename Found>
void forEachMatch(const BlocList &list, int offset, const QString &text, Match match, Found found) {
    const std::vector<int> &numbers = list.tagNumbers();
    Cursor cursor(list);
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        if (numbers[k] < 0)
            continue;
        cursor.seek(k);
        if (matches(cursor.at(offset), text, match) && !found(cursor.tag(), numbers[k]))
            return;
    }
}

// The first block in list order whose field matches, or -1.
int findFirst(const BlocList &list, int offset, const QString &text, Match match);

// Reads one block by offsets from its opening tag, within the block's end:
// its closing tag, or the next block when the closing tag was lost.
class Reader {
public:
    Reader(const BlocList &list, int block) : m_list(list), m_tag(list.findBlock(block)) {
        if (m_tag >= 0)
            m_contentEnd = contentEnd(list, m_tag);
    }

    bool found() const { return m_tag >= 0; }

    // The line at offset, empty beyond the block's content.
    QString field(int offset) const { return at(m_list, m_tag, m_contentEnd, offset); }

    // Visits the content lines from offset `first` up to offset `limit`; the
    // list's last line is not examined. What the walk leaves of the block goes
    // to `tail`, so that writing the record back keeps it.
    template <typename Visit> void walk(int first, int limit, Visit visit, QStringList &tail) {
        qsizetype index = m_tag + first;
        for (; index <= m_tag + limit && index < m_contentEnd && index < m_list.size() - 1; ++index)
            m_list.withLine(index, visit);
        if (index < m_contentEnd)
            tail = m_list.mid(index, m_contentEnd - index);
    }

private:
    const BlocList &m_list;
    qsizetype m_tag;
    qsizetype m_contentEnd = 0;
};

} // namespace BlockField
