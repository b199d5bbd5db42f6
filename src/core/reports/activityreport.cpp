#include "reports/activityreport.h"

#include "reports/reportfields.h"
#include "store/blockfield.h"
#include "store/frenchcompare.h"
#include "store/recordlines.h"
#include "store/textfile.h"

#include <algorithm>
#include <numeric>
#include <tuple>
#include <vector>

namespace ActivityReport {

namespace {

void append(QList<Entry> &out, const BlocList &list, int date, int action, int description) {
    BlockField::Cursor cursor(list);
    const std::size_t count = list.index().opens.size();
    for (std::size_t k = 0; k < count; ++k) {
        cursor.seek(k);
        out.append(
            {ReportFields::dateKey(cursor.at(date)), cursor.at(action), cursor.at(description)});
    }
}

} // namespace

QList<Entry> entries(const BlocList &operations, const BlocList &dayActions) {
    QList<Entry> out;
    out.reserve(qsizetype(operations.index().opens.size() + dayActions.index().opens.size()));
    append(out, operations, OperationLine::Start, OperationLine::Type, OperationLine::Summary);
    append(out, dayActions, DayActionLine::Date, DayActionLine::Action, DayActionLine::CompanyName);
    return out;
}

void sort(QList<Entry> &entries) {
    const FrenchCompare compare;
    std::vector<QString> keys, actions, descriptions;
    for (const Entry &e : std::as_const(entries)) {
        keys.push_back(e.key);
        actions.push_back(e.action);
        descriptions.push_back(e.description);
    }
    const std::vector<int> key = ReportFields::frenchRanks(keys, compare);
    const std::vector<int> action = ReportFields::frenchRanks(actions, compare);
    const std::vector<int> description = ReportFields::frenchRanks(descriptions, compare);
    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::tuple(key[a], action[a], description[a]) <
               std::tuple(key[b], action[b], description[b]);
    });
    QList<Entry> sorted;
    sorted.reserve(entries.size());
    for (const std::size_t i : order)
        sorted.append(std::move(entries[qsizetype(i)]));
    entries = std::move(sorted);
}

QList<Entry> inPeriod(const QList<Entry> &entries, const QString &from, const QString &to) {
    const QByteArray low = TextFile::encode(ReportFields::dateKey(from));
    const QByteArray high = TextFile::encode(ReportFields::dateKey(to));
    QList<Entry> out;
    for (const Entry &entry : entries) {
        const QByteArray key = TextFile::encode(entry.key);
        if (key.compare(low) >= 0 && key.compare(high) <= 0)
            out.append(entry);
    }
    return out;
}

} // namespace ActivityReport
