#pragma once

#include "store/bloclist.h"
#include "store/dataset.h"

#include <QDate>
#include <QList>
#include <QString>

// Today's to-do: what the user should act on, most urgent first.
//
// Order: day actions of earlier days not validated (oldest first), then
// today's not validated (by time), then companies left without an answer
// (oldest last follow-up first), then operations past their end without an
// answer. What is late has already cost something; what is due today can
// still be done on time; a company or an operation waiting for an answer
// only asks for a reminder.
namespace Todo {

constexpr int DefaultDelay = 14;

enum class Kind { Overdue, Today, Unanswered, OperationEnded };

// The word a line starts with: "en retard", "action", "sans réponse",
// "opération".
QString word(Kind kind);

// The kind of record a line opens.
::Kind recordKind(Kind kind);

struct Line {
    Kind kind;
    int block;     // the record's block number, to open it
    QDate date;    // the day action's, the last follow-up row's, the end date
    QString label; // one line of text

    bool operator==(const Line &) const = default;
};

// The to-do of day, a company being "sans réponse" when the last row of its
// follow-up grid is more than delay days old and no day action for it (same
// company code), dated that row's day or later, holds a result. Records whose
// date does not read as a date are left out.
QList<Line> lines(const BlocList &companies, const BlocList &operations, const BlocList &dayActions,
                  const QDate &day, int delay = DefaultDelay);

} // namespace Todo
