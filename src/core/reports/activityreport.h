#pragma once

#include "store/bloclist.h"

#include <QList>
#include <QString>

// What the user did over a period: every operation by its start date and
// every day action by its date, in date order.
namespace ActivityReport {

struct Entry {
    QString key;         // "yyyymmdd" from the stored date text
    QString action;      // the operation's type or the day action's action
    QString description; // the operation's summary or the company's name

    bool operator==(const Entry &) const = default;
};

// The entries of the operations, then of the day actions, in list order.
QList<Entry> entries(const BlocList &operations, const BlocList &dayActions);

// Date order: the key, then the action and the description, compared as a
// French user's locale does, case ignored.
void sort(QList<Entry> &entries);

// The entries whose key lies between the keys of the two date texts, bounds
// included, keys compared byte by byte; none is dropped for a bad date, it
// simply falls outside.
QList<Entry> inPeriod(const QList<Entry> &entries, const QString &from, const QString &to);

} // namespace ActivityReport
