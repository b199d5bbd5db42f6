#include "reports/planning.h"

#include "reports/reportfields.h"
#include "store/blockfield.h"
#include "store/frenchcompare.h"
#include "store/recordlines.h"

#include <QHash>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

struct Item {
    QString key; // date key followed by the time text
    QString company;
    QStringList lines; // the day action's lines from line 2 on
};

// Company code -> record number of the first company carrying it.
QHash<QString, QString> companyNumbers(const BlocList &companies) {
    QHash<QString, QString> numbers;
    const BlocList::Index &index = companies.index();
    BlockField::Cursor cursor(companies);
    numbers.reserve(qsizetype(index.opens.size()));
    for (std::size_t k = 0; k < index.opens.size(); ++k) {
        cursor.seek(k);
        const QString code = cursor.at(CompanyLine::Code);
        if (!numbers.contains(code))
            numbers.insert(code, companies.at(cursor.tag()).mid(5, companies.width()));
    }
    return numbers;
}

// A planning block keeps the day action's lines from its date on, and puts
// the company's record number in the line before them.
constexpr int CompanyNumberLine = DayActionLine::Code;

int digits(std::size_t count) {
    int width = 1;
    for (std::size_t n = count > 0 ? count - 1 : 0; n >= 10; n /= 10)
        ++width;
    return width;
}

} // namespace

void Planning::Init(const BlocList &companies, const BlocList &dayActions) {
    const QHash<QString, QString> numbers = companyNumbers(companies);
    std::vector<Item> items;
    for (const qsizetype tag : dayActions.index().opens) {
        const qsizetype end = BlockField::contentEnd(dayActions, tag);
        Item item;
        item.lines = dayActions.mid(tag + DayActionLine::Date,
                                    std::max<qsizetype>(0, end - tag - DayActionLine::Date));
        item.key =
            ReportFields::dateKey(BlockField::at(dayActions, tag, end, DayActionLine::Date)) +
            BlockField::at(dayActions, tag, end, DayActionLine::Time);
        item.company =
            numbers.value(BlockField::at(dayActions, tag, end, DayActionLine::CompanyCode));
        items.push_back(std::move(item));
    }
    const FrenchCompare compare;
    std::vector<QString> keys, companyNumbers;
    for (const Item &item : items) {
        keys.push_back(item.key);
        companyNumbers.push_back(item.company);
    }
    const std::vector<int> key = ReportFields::frenchRanks(keys, compare);
    const std::vector<int> company = ReportFields::frenchRanks(companyNumbers, compare);
    std::vector<std::size_t> order(items.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (key[a] != key[b])
            return key[a] < key[b];
        if (company[a] != company[b])
            return company[a] < company[b];
        const QStringList &x = items[a].lines, &y = items[b].lines;
        for (qsizetype i = 0; i < std::min(x.size(), y.size()); ++i)
            if (const int c = compare.compare(x.at(i), y.at(i)))
                return c < 0;
        return x.size() < y.size();
    });
    // Four digits as the day-action tags, more only when the list needs them.
    BlocList list(std::max(4, digits(items.size())));
    QStringList out;
    m_blocks.clear();
    m_blocks.reserve(order.size());
    for (std::size_t j = 0; j < order.size(); ++j) {
        const Item &item = items[order[j]];
        const qsizetype tag = out.size();
        out.append(list.openTag(int(j)));
        out.append(item.company);
        out.append(item.lines);
        m_blocks.push_back({tag, out.size()});
        out.append(list.closeTag(int(j)));
    }
    list.setLines(std::move(out));
    m_list = std::move(list);
}

QList<Planning::Row> Planning::LitJour(const QString &day) const {
    // The blocks are read where they were written: a day action's line that
    // looks like a tag of the planning list cannot move their ends.
    const BlocList &lines = m_list;
    QList<Row> rows;
    for (const auto &[tag, end] : m_blocks) {
        auto field = [&, tag = tag, end = end](int offset) {
            return tag + offset < end ? lines.at(tag + offset) : QString();
        };
        if (field(DayActionLine::Date) == day)
            rows.append({field(CompanyNumberLine), field(DayActionLine::Date),
                         field(DayActionLine::Time), field(DayActionLine::CompanyName)});
    }
    return rows;
}
