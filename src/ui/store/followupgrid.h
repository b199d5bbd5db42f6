#pragma once

#include "store/records.h"

#include <QTableWidget>

// The 63-row follow-up grid of a card: whole-row selection, no editing in
// place, skipped by the Tab key. Rows change only through the card's "OK".
class FollowUpGrid : public QTableWidget {
    Q_OBJECT
public:
    // widths: the first two columns in pixels; the third takes the rest.
    FollowUpGrid(const QString &actionHeader, int dateWidth, int actionWidth, int textWidth,
                 QWidget *parent = nullptr);

    void setRows(const QList<FollowUpRow> &rows);
    FollowUpRow row(int index) const;
};
