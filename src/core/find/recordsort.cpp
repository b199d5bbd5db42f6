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

std::vector<QStringList> sortedBlocks(const BlocList &list, Kind kind, int index) {
    const int offset = keyOffset(kind, index);
    const BlocList &lines = list;
    std::vector<QStringList> blocks;
    std::vector<QString> texts;
    blocks.reserve(list.index().opens.size());
    texts.reserve(list.index().opens.size());
    qsizetype next = 0; // first line not yet taken by a block
    for (const qsizetype tag : list.index().opens) {
        // A tag-like line inside a block that lost its closing tag belongs to it.
        if (tag < next)
            continue;
        const qsizetype end = BlockField::contentEnd(list, tag);
        QStringList content = lines.mid(tag + 1, end - tag - 1);
        // A stray tag line inside a block could end it once renumbered: it
        // is kept, made harmless as the card writers do.
        for (QString &line : content)
            if (line.startsWith(u'<'))
                line = BlockField::safeLine(line);
        const QString k = key(kind, index, BlockField::at(list, tag, end, offset));
        qsizetype length = k.size();
        for (const QString &line : std::as_const(content))
            length += 1 + line.size();
        // Blocks are told apart by their first characters, far more than any
        // record holds: a huge field is not copied whole to be compared.
        QString text;
        text.reserve(std::min(length, CompareLimit));
        text += QStringView(k).first(std::min(k.size(), CompareLimit));
        for (const QString &line : std::as_const(content)) {
            if (text.size() >= CompareLimit)
                break;
            text += u'\t';
            text += QStringView(line).first(std::min(line.size(), CompareLimit - text.size()));
        }
        blocks.push_back(std::move(content));
        texts.push_back(std::move(text));
        next = end < lines.size() && lines.at(end) == BlockField::closeTagOf(lines.at(tag))
                   ? end + 1
                   : end;
    }

    const FrenchCompare compare;
    std::vector<std::size_t> order(blocks.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return compare(texts[a], texts[b]); });
    std::vector<QStringList> sorted;
    sorted.reserve(blocks.size());
    for (const std::size_t i : order)
        sorted.push_back(std::move(blocks[i]));
    return sorted;
}

QStringList tagged(const BlocList &list, const std::vector<QStringList> &blocks) {
    QStringList lines;
    qsizetype size = 0;
    for (const QStringList &block : blocks)
        size += block.size() + 2;
    lines.reserve(size);
    // "<BLOC" + number + ">" and "</BLOC" + number + ">", the digits written in
    // place: a sort writes as many tags as there are blocks, twice.
    const int width = list.width();
    QString open = list.openTag(0);
    QString close = list.closeTag(0);
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        for (int d = 0, n = int(i); d < width; ++d, n /= 10) {
            open[5 + width - 1 - d] = QChar(u'0' + n % 10);
            close[6 + width - 1 - d] = QChar(u'0' + n % 10);
        }
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
    const BlocList &list = data.list(kind);
    data.rearrange(kind, tagged(list, sortedBlocks(list, kind, index)));
}

} // namespace RecordSort
