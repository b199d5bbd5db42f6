#include "store/blockfield.h"

namespace BlockField {

QString closeTagOf(const QString &openTag) {
    return QLatin1String("</") + QStringView(openTag).mid(1);
}

qsizetype contentEnd(const BlocList &list, qsizetype tag, qsizetype limit) {
    const QStringList &lines = list.lines();
    const QString close = closeTagOf(lines.at(tag));
    const qsizetype last = limit < lines.size() - tag ? tag + limit : lines.size() - 1;
    for (qsizetype j = tag + 1; j <= last; ++j) {
        const QString &line = lines.at(j);
        // Only tag lines can end a block: skip the others at a glance.
        if (line.startsWith(u'<') && (line == close || list.isBlockStart(line)))
            return j;
    }
    return last + 1;
}

QString at(const BlocList &list, qsizetype tag, int offset) {
    return at(list, tag, contentEnd(list, tag, offset), offset);
}

QString safeLine(const QString &line) {
    if (BlocList::isOpenTag(line) || BlocList::isCloseTag(line))
        return QChar(0x2039) + line.mid(1);
    return line;
}

QString upperAscii(QString text) {
    for (QChar &c : text)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 'a' + 'A');
    return text;
}

int findFirst(const BlocList &list, int offset, const QString &text, Match match) {
    int block = -1;
    forEachMatch(list, offset, text, match, [&block](qsizetype, int number) {
        block = number;
        return false;
    });
    return block;
}

} // namespace BlockField
