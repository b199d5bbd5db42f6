#pragma once

#include "store/bloclist.h"

#include <QString>

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
    return offset > 0 && index < end ? list.lines().at(index) : QString();
}

// The field at offset of the block whose opening tag is at tag.
QString at(const BlocList &list, qsizetype tag, int offset);

// A line that would read as a tag, written with a look-alike first character
// so that no content can break the file's blocks; other lines as they are.
QString safeLine(const QString &line);

// Upper-cases the letters a to z only: é stays é.
QString upperAscii(QString text);

enum class Match { Prefix, Anywhere };

// Walks the exact opening tags in list order; for each block whose field at
// offset, upper-cased a to z, holds text (at its start or anywhere), calls
// found with the tag's line index and block number. Stops when found returns
// false. Texts compare as they are, never as patterns.
template <typename Found>
void forEachMatch(const BlocList &list, int offset, const QString &text, Match match, Found found) {
    const std::vector<qsizetype> &opens = list.index().opens;
    const std::vector<int> &numbers = list.tagNumbers();
    for (std::size_t k = 0; k < opens.size(); ++k) {
        if (numbers[k] < 0)
            continue;
        const QString field = upperAscii(at(list, opens[k], offset));
        const bool hit = match == Match::Prefix ? field.startsWith(text) : field.contains(text);
        if (hit && !found(opens[k], numbers[k]))
            return;
    }
}

// The first block in list order whose field matches, or -1.
int findFirst(const BlocList &list, int offset, const QString &text, Match match);

} // namespace BlockField
