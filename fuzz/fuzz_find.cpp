// Searches, sorts and list rows on any record list: no crash, fields read
// alike by every reader, and a sorted list reads back as the same blocks with
// the same lines, whichever way it is built.
#include "find/listrows.h"
#include "find/recordsort.h"
#include "find/search.h"
#include "store/blockfield.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 2)
        return 0;
    const Kind kind = Kind(data[0] % 3);
    const int item = data[1] % RecordSort::itemCount(kind);
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    BlocList list(kind == Kind::Company ? 5 : 4);
    list.setLines(text.split(u'\n'));

    for (int which = 0; which < Search::Count; ++which)
        Search::all(list, Search::Which(which), list.toList().value(1).left(3));
    ListRows::rows(list, kind);
    // The walks' cursor reads every field as the plain reader does.
    BlockField::Cursor cursor(list);
    for (std::size_t k = 0; k < list.index().opens.size(); ++k) {
        cursor.seek(k);
        for (int offset = 0; offset < 16; ++offset)
            if (cursor.at(offset) != BlockField::at(list, cursor.tag(), offset))
                std::abort();
    }

    const std::vector<QStringList> sorted = RecordSort::sortedBlocks(list, kind, item);
    BlocList rebuilt(list.width());
    rebuilt.setLines(RecordSort::tagged(list, sorted));
    // The command's list, made of line references, holds the same lines.
    if (RecordSort::sorted(list, kind, item).toList() != rebuilt.toList())
        std::abort();
    const std::vector<QStringList> again = RecordSort::sortedBlocks(rebuilt, kind, item);
    qsizetype lines = 0, linesAgain = 0;
    for (const QStringList &b : sorted)
        lines += b.size();
    for (const QStringList &b : again)
        linesAgain += b.size();
    if (again.size() != sorted.size() || linesAgain != lines)
        std::abort();
    return 0;
}
