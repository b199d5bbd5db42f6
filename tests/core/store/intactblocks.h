#pragma once

// What no repair may lose, computed apart from the store's own code: the
// intact blocks of a record file, each an exact opening tag, its lines and
// its exact closing tag, the newest copy where a number repeats.
#include <QHash>
#include <QList>
#include <QStringList>

#include <algorithm>

namespace Intact {

// The number of a line that is exactly a tag of the width, or -1.
inline int tagNumber(const QString &line, int width, bool closing) {
    const QString head = closing ? QStringLiteral("</BLOC") : QStringLiteral("<BLOC");
    if (line.size() != head.size() + width + 1 || !line.startsWith(head) || !line.endsWith(u'>'))
        return -1;
    int n = 0;
    for (const QChar c : QStringView(line).mid(head.size(), width)) {
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + c.digitValue();
    }
    return n;
}

// The lines of the newest intact copy of each number.
inline QHash<int, QStringList> newestBlocks(const QStringList &lines, int width) {
    QHash<int, QStringList> blocks;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int n = tagNumber(lines.at(i), width, false);
        if (n < 0)
            continue;
        for (qsizetype j = i + 1; j < lines.size(); ++j) {
            if (tagNumber(lines.at(j), width, false) >= 0)
                break;
            const int m = tagNumber(lines.at(j), width, true);
            if (m < 0)
                continue;
            if (m == n)
                blocks.insert(n, lines.mid(i + 1, j - i - 1));
            break;
        }
    }
    return blocks;
}

// Every expected block's lines stand as a whole block of the saved lines;
// the first one missing, or an empty list.
inline QStringList firstMissing(const QHash<int, QStringList> &expected, const QStringList &saved,
                                int width) {
    QList<QStringList> found = newestBlocks(saved, width).values();
    // Saved blocks are numbered once each, so newestBlocks sees them all.
    for (const QStringList &block : expected) {
        const auto at = std::find(found.begin(), found.end(), block);
        if (at == found.end())
            return block.isEmpty() ? QStringList{QStringLiteral("(bloc vide)")} : block;
        found.erase(at);
    }
    return {};
}

} // namespace Intact
