#pragma once

#include "store/bloclist.h"

#include <QList>
#include <QString>

#include <utility>
#include <vector>

// The follow-up planning: the day actions of a day, in time order, each with
// the company it concerns.
class Planning {
public:
    struct Row {
        QString company; // the company's record number (its tag digits), or empty
        QString date;
        QString time;
        QString name;

        bool operator==(const Row &) const = default;
    };

    Planning() : m_list(4) {}

    // Builds the private planning list: one block per day action, ordered by
    // date, time and then the rest of its lines. Its line 1 is the number of
    // the first company, in list order, whose code equals the day action's
    // company code; the next lines are the day action's own from line 2 on.
    void Init(const BlocList &companies, const BlocList &dayActions);

    // The rows of a day given as "dd/mm/yyyy": the blocks whose date equals
    // the text exactly, in planning order.
    QList<Row> LitJour(const QString &day) const;

    const BlocList &list() const { return m_list; }

private:
    BlocList m_list;
    // Each block's opening tag and closing tag lines in m_list.
    std::vector<std::pair<qsizetype, qsizetype>> m_blocks;
};
