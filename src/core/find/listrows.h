#pragma once

#include "store/dataset.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

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
// The rows of a list, read when asked: building it walks the tag index only,
// so that a window over 90 000 records opens at once. Column 0 holds the
// tag's digits as written, column 1 the running number from 1, then the
// fields as they stand (empty beyond the block's end). The list must outlive
// the table and stay unchanged.
class Table {
public:
    Table(const BlocList &list, Kind kind);

    int rowCount() const { return int(m_tags.size()); }
    int columnCount() const;
    QString cell(int row, int column) const;
    QStringList row(int row) const;

private:
    const BlocList &m_list;
    Kind m_kind;
    std::vector<qsizetype> m_tags;
    std::vector<qsizetype> m_nextTags;
};

// Every row of the table, in list order.
QList<QStringList> rows(const BlocList &list, Kind kind);
// The block number a row's column 0 names, or -1 when it is not decimal.
int blockNumber(const QString &cell);

} // namespace ListRows
