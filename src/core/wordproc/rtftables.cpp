#include "wordproc/rtftables.h"

#include <QTextTable>

namespace WordProc {

bool RtfTables::place(int depth) {
    depth = qBound(0, depth, MaxDepth);
    bool fresh = false;
    while (this->depth() > depth) {
        leave();
        fresh = true;
    }
    if (this->depth() > 0 && advance())
        fresh = true;
    while (this->depth() < depth) {
        open();
        fresh = true;
    }
    return fresh;
}

void RtfTables::endCell(int depth) {
    if (depth >= 1 && depth <= this->depth())
        m_levels[depth - 1].cellEnded = true;
}

void RtfTables::endRow(int depth) {
    if (depth < 1 || depth > this->depth())
        return;
    while (this->depth() > depth)
        leave();
    m_levels.back().rowEnded = true;
}

void RtfTables::open() {
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setCellPadding(2);
    format.setCellSpacing(0);
    m_levels.push_back({m_cursor.insertTable(1, 1, format)});
}

void RtfTables::leave() {
    const QTextTable *table = m_levels.back().table;
    m_levels.pop_back();
    m_cursor.setPosition(table->lastPosition() + 1);
}

bool RtfTables::advance() {
    Level &level = m_levels.back();
    QTextTable *table = level.table;
    if (level.rowEnded) {
        ++level.row;
        level.column = 0;
        if (level.row >= table->rows())
            table->appendRows(1);
    } else if (level.cellEnded) {
        ++level.column;
        if (level.column >= table->columns())
            table->appendColumns(1);
    } else {
        return false;
    }
    level.rowEnded = level.cellEnded = false;
    m_cursor = table->cellAt(level.row, level.column).firstCursorPosition();
    return true;
}

} // namespace WordProc
