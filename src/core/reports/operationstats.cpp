#include "reports/operationstats.h"

#include "reports/reportfields.h"
#include "store/blockfield.h"
#include "store/frenchcompare.h"
#include "store/recordlines.h"
#include "store/records.h"

#include <algorithm>
#include <numeric>
#include <tuple>
#include <vector>

namespace OperationStats {

QList<Entry> entries(const BlocList &operations) {
    QList<Entry> out;
    const std::size_t count = operations.index().opens.size();
    out.reserve(qsizetype(count));
    for (std::size_t k = 0; k < count; ++k) {
        const qsizetype tag = operations.index().opens[k];
        const qsizetype end = BlockField::contentEnd(operations, tag);
        Entry entry{BlockField::at(operations, tag, end, OperationLine::End),
                    BlockField::at(operations, tag, end, OperationLine::Summary), 0};
        for (qsizetype i = tag + 1; i < end; ++i)
            operations.withLine(i, [&entry](QStringView line) {
                if (line.startsWith(QLatin1String("DATA")) &&
                    !FollowUp::parse(BlocList::prefixedText(line)).text.isEmpty())
                    ++entry.answers;
            });
        out.append(entry);
    }
    return out;
}

void sort(QList<Entry> &entries) {
    const FrenchCompare compare;
    std::vector<QString> dates, summaries;
    for (const Entry &e : std::as_const(entries)) {
        dates.push_back(e.date);
        summaries.push_back(e.summary);
    }
    const std::vector<int> date = ReportFields::frenchRanks(dates, compare);
    const std::vector<int> summary = ReportFields::frenchRanks(summaries, compare);
    std::vector<std::size_t> order(dates.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::tuple(date[a], summary[a], entries[qsizetype(a)].answers) <
               std::tuple(date[b], summary[b], entries[qsizetype(b)].answers);
    });
    QList<Entry> sorted;
    sorted.reserve(entries.size());
    for (const std::size_t i : order)
        sorted.append(std::move(entries[qsizetype(i)]));
    entries = std::move(sorted);
}

} // namespace OperationStats
