#pragma once

#include "store/bloclist.h"

#include <QList>
#include <QString>

// How many answers each operation brought: one entry per operation, the
// answers being the follow-up rows whose "Suivi" text is filled.
namespace OperationStats {

struct Entry {
    QString date;    // end date, as stored (line 7)
    QString summary; // line 3
    int answers = 0;

    bool operator==(const Entry &) const = default;
};

// One entry per block in list order. Every "DATA" row of the block counts,
// however many; a block that lost its closing tag ends where the next starts.
QList<Entry> entries(const BlocList &operations);

// The table's order: the end date's text (day first), then the summary, then
// the answers, compared as a French user's locale does, case ignored.
void sort(QList<Entry> &entries);

} // namespace OperationStats
