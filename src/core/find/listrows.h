#pragma once

#include "store/dataset.h"

#include <QList>
#include <QString>
#include <QStringList>

// The rows of the list windows: one per block in list order, the tag's number
// and a running number, then the block's lines at the offsets of the columns.
namespace ListRows {

struct Column {
    QString heading;
    int offset; // from the opening tag
    int width;  // in pixels
};

// The columns from column 2 on: seven for companies and day actions, six for
// operations.
const QList<Column> &columns(Kind kind);
// The window's caption.
QString caption(Kind kind);
// Row 0: empty cells over the two first columns, then the headings.
QStringList headings(Kind kind);
// Column 0 the tag's digits as written, column 1 the running number from 1,
// then the fields as they stand (empty beyond the block's end).
QList<QStringList> rows(const BlocList &list, Kind kind);
// The block number a row's column 0 names, or -1 when it is not decimal.
int blockNumber(const QString &cell);

} // namespace ListRows
