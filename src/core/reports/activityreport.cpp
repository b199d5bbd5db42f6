#include "reports/activityreport.h"

#include "reports/reportfields.h"
#include "store/blockfield.h"
#include "store/frenchcompare.h"
#include "store/textfile.h"

#include <algorithm>

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
    append(out, operations, 6, 2, 3);
    append(out, dayActions, 2, 4, 6);
    return out;
}

void sort(QList<Entry> &entries) {
    const FrenchCompare compare;
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry &a, const Entry &b) {
        if (const int c = compare.compare(a.key, b.key))
            return c < 0;
        if (const int c = compare.compare(a.action, b.action))
            return c < 0;
        return compare.compare(a.description, b.description) < 0;
    });
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
