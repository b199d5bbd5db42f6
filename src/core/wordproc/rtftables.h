#pragma once

#include <QTextCursor>

#include <vector>

class QTextTable;

namespace WordProc {

// The tables an RTF reading is inside, nested to any depth it allows: moves
// the reading's cursor into the cell that the next paragraph belongs to,
// growing the tables a cell or a row at a time as the file reveals them.
class RtfTables {
public:
    static constexpr int MaxDepth = 8;

    explicit RtfTables(QTextCursor &cursor) : m_cursor(cursor) {}

    int depth() const { return int(m_levels.size()); }
    // Puts the cursor where a paragraph at the given table depth goes: in the
    // next cell or row when the previous one ended, in new tables, or after
    // the tables it leaves. True when the cursor is then in a block of its
    // own that no paragraph has taken yet.
    bool place(int depth);
    // The cell or row of the given depth has ended: the next paragraph at
    // that depth starts the next one.
    void endCell(int depth);
    void endRow(int depth);

private:
    struct Level {
        QTextTable *table;
        int row = 0, column = 0;
        bool cellEnded = false, rowEnded = false;
    };

    void open();
    void leave();
    // Moves to the cell the innermost table's ended cell or row leads to;
    // true when it moved.
    bool advance();

    QTextCursor &m_cursor;
    std::vector<Level> m_levels;
};

} // namespace WordProc
