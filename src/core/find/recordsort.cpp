#include "find/recordsort.h"

#include "store/blockfield.h"
#include "store/frenchcompare.h"
#include "store/recordlines.h"

#include <algorithm>
#include <numeric>

namespace RecordSort {

namespace {

enum class KeyKind { Text, Code, Date };

struct Item {
    int offset;
    KeyKind kind;
};

const Item companyItems[] = {{CompanyLine::Name, KeyKind::Text},
                             {CompanyLine::PostalCode, KeyKind::Text},
                             {CompanyLine::Town, KeyKind::Text},
                             {CompanyLine::Code, KeyKind::Code},
                             {CompanyLine::Date, KeyKind::Date}};
const Item operationItems[] = {{OperationLine::Code, KeyKind::Code},
                               {OperationLine::Start, KeyKind::Date}};
const Item dayActionItems[] = {{DayActionLine::Code, KeyKind::Code},
                               {DayActionLine::Date, KeyKind::Date}};

const Item *item(Kind kind, int index) {
    if (index < 0 || index >= itemCount(kind))
        return nullptr;
    switch (kind) {
    case Kind::Company:
        return &companyItems[index];
    case Kind::Operation:
        return &operationItems[index];
    case Kind::DayAction:
        break;
    }
    return &dayActionItems[index];
}

bool allDigits(const QString &text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The characters of a block its sort compares at most.
constexpr qsizetype CompareLimit = 1 << 16;

} // namespace

int itemCount(Kind kind) {
    return kind == Kind::Company ? 5 : 2;
}

int keyOffset(Kind kind, int index) {
    const Item *i = item(kind, index);
    return i ? i->offset : -1;
}

QString key(Kind kind, int index, const QString &line) {
    const Item *i = item(kind, index);
    if (!i)
        return line;
    switch (i->kind) {
    case KeyKind::Text:
        break;
    case KeyKind::Code:
        // Codes of different lengths would otherwise sort as text (100000 first).
        if (allDigits(line) && line.size() < 10)
            return QString(10 - line.size(), u'0') + line;
        break;
    case KeyKind::Date:
        // Year, month, day; a short date gives a short key.
        return line.mid(6, 4) + line.mid(3, 2) + line.left(2);
    }
    return line;
}

namespace {

// A block as the sort sees it: its content lines are tag + 1 to end - 1.
struct Span {
    qsizetype tag;
    qsizetype end;
    bool stray; // a content line begins with '<' and may read as a tag
};

// A line kept in a sorted block: a stray tag line inside a block could end
// it once renumbered, so it is made harmless as the card writers do.
bool needsSafeLine(QStringView line) {
    return line.startsWith(u'<');
}

// The blocks of the list in their sorted order. Each block's compared text is
// built straight from the stored lines, in one string; the lines themselves
// are not copied.
std::vector<Span> sortedSpans(const BlocList &list, Kind kind, int index) {
    const int offset = keyOffset(kind, index);
    std::vector<Span> blocks;
    std::vector<QString> texts;
    blocks.reserve(list.index().opens.size());
    texts.reserve(list.index().opens.size());
    QString text;       // reused: each block's text is then copied out at its size
    qsizetype next = 0; // first line not yet taken by a block
    for (const qsizetype tag : list.index().opens) {
        // A tag-like line inside a block that lost its closing tag belongs to it.
        if (tag < next)
            continue;
        const qsizetype end = BlockField::contentEnd(list, tag);
        const QString k = key(kind, index, BlockField::at(list, tag, end, offset));
        // Blocks are told apart by their first characters, far more than any
        // record holds: a huge field is not copied whole to be compared.
        text.resize(0);
        text += QStringView(k).first(std::min(k.size(), CompareLimit));
        bool stray = false;
        for (qsizetype i = tag + 1; i < end; ++i) {
            list.withLine(i, [&](QStringView line) {
                QString safe;
                if (needsSafeLine(line)) {
                    stray = true;
                    safe = BlockField::safeLine(line.toString());
                    line = safe;
                }
                if (text.size() < CompareLimit) {
                    text += u'\t';
                    text += line.first(std::min(line.size(), CompareLimit - text.size()));
                }
            });
        }
        blocks.push_back({tag, end, stray});
        texts.emplace_back(text.constData(), text.size());
        next = end < list.size() && list.lineEquals(end, BlockField::closeTagOf(list.at(tag)))
                   ? end + 1
                   : end;
    }

    const FrenchCompare compare;
    std::vector<std::size_t> order(blocks.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return compare(texts[a], texts[b]); });
    std::vector<Span> sorted;
    sorted.reserve(blocks.size());
    for (const std::size_t i : order)
        sorted.push_back(blocks[i]);
    return sorted;
}

} // namespace

std::vector<QStringList> sortedBlocks(const BlocList &list, Kind kind, int index) {
    std::vector<QStringList> sorted;
    for (const Span &span : sortedSpans(list, kind, index)) {
        QStringList content = list.mid(span.tag + 1, span.end - span.tag - 1);
        for (QString &line : content)
            if (needsSafeLine(line))
                line = BlockField::safeLine(line);
        sorted.push_back(std::move(content));
    }
    return sorted;
}

BlocList sorted(const BlocList &list, Kind kind, int index) {
    const std::vector<Span> blocks = sortedSpans(list, kind, index);
    BlocList::Builder built(list);
    qsizetype size = 0;
    for (const Span &span : blocks)
        size += span.end - span.tag + 1;
    built.reserve(size);
    QString open = list.openTag(0);
    QString close = list.closeTag(0);
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const Span &span = blocks[i];
        list.renumberTag(open, int(i));
        list.renumberTag(close, int(i));
        built.add(open);
        for (qsizetype line = span.tag + 1; line < span.end; ++line) {
            if (!span.stray)
                built.take(line);
            else
                list.withLine(line, [&](QStringView text) {
                    if (needsSafeLine(text))
                        built.add(BlockField::safeLine(text.toString()));
                    else
                        built.take(line);
                });
        }
        built.add(close);
    }
    BlocList result(list.width());
    built.finish(result);
    return result;
}

QStringList tagged(const BlocList &list, const std::vector<QStringList> &blocks) {
    QStringList lines;
    qsizetype size = 0;
    for (const QStringList &block : blocks)
        size += block.size() + 2;
    lines.reserve(size);
    QString open = list.openTag(0);
    QString close = list.closeTag(0);
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        list.renumberTag(open, int(i));
        list.renumberTag(close, int(i));
        lines.append(open);
        lines += blocks[i];
        lines.append(close);
    }
    return lines;
}

void run(DataSet &data, Kind kind, int index) {
    if (keyOffset(kind, index) < 0)
        return;
    data.write(kind);
    data.rearrange(kind, sorted(data.list(kind), kind, index));
}

} // namespace RecordSort
