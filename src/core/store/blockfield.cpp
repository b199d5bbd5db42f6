#include "store/blockfield.h"

#include "store/textfile.h"

namespace BlockField {

QString closeTagOf(const QString &openTag) {
    return QLatin1String("</") + QStringView(openTag).mid(1);
}

qsizetype contentEnd(const BlocList &list, qsizetype tag, qsizetype limit) {
    const QString close = closeTagOf(list.at(tag));
    const qsizetype last = limit < list.size() - tag ? tag + limit : list.size() - 1;
    for (qsizetype j = tag + 1; j <= last; ++j) {
        // Only tag lines can end a block: skip the others at a glance.
        if (list.withLine(j, [&](QStringView line) {
                return line.startsWith(u'<') && (line == close || list.isBlockStart(line));
            }))
            return j;
    }
    return last + 1;
}

QString at(const BlocList &list, qsizetype tag, int offset) {
    return at(list, tag, contentEnd(list, tag, offset), offset);
}

QString safeLine(const QString &line) {
    // Marks at the head of a line are dropped when it is read back: what
    // follows them must not read as a tag either.
    const QStringView text = TextFile::withoutMarks(line);
    if (BlocList::isOpenTag(text) || BlocList::isCloseTag(text))
        return QChar(0x2039) + text.mid(1).toString();
    return line;
}

QString upperAscii(QString text) {
    for (QChar &c : text)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 'a' + 'A');
    return text;
}

Cursor::Cursor(const BlocList &list) : m_list(list), m_index(list.index()) {}

void Cursor::seek(std::size_t k) {
    m_tag = m_index.opens[k];
    const qsizetype size = m_list.size();
    const std::vector<qsizetype> &closes = m_index.closes;
    while (m_nextClose < closes.size() && closes[m_nextClose] <= m_tag)
        ++m_nextClose;
    const qsizetype nextOpen = k + 1 < m_index.opens.size() ? m_index.opens[k + 1] : size;
    const qsizetype nextClose = m_nextClose < closes.size() ? closes[m_nextClose] : size;
    m_nextTag = std::min(nextOpen, nextClose);
}

QString atBefore(const BlocList &list, qsizetype tag, qsizetype nextTag, int offset) {
    if (offset > 0 && tag + offset < nextTag)
        return list.at(tag + offset);
    return at(list, tag, offset);
}

bool matches(QStringView field, QStringView text, Match match) {
    auto upper = [](QChar c) { return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 32) : c; };
    auto at = [&](qsizetype from) {
        for (qsizetype i = 0; i < text.size(); ++i)
            if (upper(field[from + i]) != text[i])
                return false;
        return true;
    };
    if (match == Match::Prefix)
        return field.size() >= text.size() && at(0);
    for (qsizetype from = 0; from + text.size() <= field.size(); ++from)
        if (at(from))
            return true;
    return false;
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
