#include "reports/operationstats.h"

#include "store/blockfield.h"
#include "store/frenchcompare.h"
#include "store/records.h"

#include <algorithm>

namespace OperationStats {

QList<Entry> entries(const BlocList &operations) {
    QList<Entry> out;
    const QStringList &lines = operations.lines();
    const std::size_t count = operations.index().opens.size();
    out.reserve(qsizetype(count));
    for (std::size_t k = 0; k < count; ++k) {
        const qsizetype tag = operations.index().opens[k];
        const qsizetype end = BlockField::contentEnd(operations, tag);
        Entry entry{BlockField::at(operations, tag, end, 7),
                    BlockField::at(operations, tag, end, 3), 0};
        for (qsizetype i = tag + 1; i < end; ++i) {
            const QString &line = lines.at(i);
            if (line.startsWith(QLatin1String("DATA")) &&
                !FollowUp::parse(BlocList::prefixedText(line)).text.isEmpty())
                ++entry.answers;
        }
        out.append(entry);
    }
    return out;
}

void sort(QList<Entry> &entries) {
    const FrenchCompare compare;
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry &a, const Entry &b) {
        if (const int c = compare.compare(a.date, b.date))
            return c < 0;
        if (const int c = compare.compare(a.summary, b.summary))
            return c < 0;
        return a.answers < b.answers;
    });
}

} // namespace OperationStats
