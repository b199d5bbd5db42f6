#include "followup/todo.h"

#include "store/blockfield.h"
#include "store/dates.h"
#include "store/recordlines.h"
#include "store/records.h"

#include <QHash>
#include <QTime>

#include <algorithm>
#include <tuple>

namespace Todo {

namespace {

const QLatin1String Data("DATA");

// Visits each block of a list once, in list order, with its number, its
// opening tag and the end of its content as the card readers see it.
template <typename Visit> void forEachBlock(const BlocList &list, int scanLimit, Visit visit) {
    const std::vector<qsizetype> &opens = list.index().opens;
    const std::vector<int> &numbers = list.tagNumbers();
    for (std::size_t k = 0; k < opens.size(); ++k)
        if (numbers[k] >= 0)
            visit(numbers[k], opens[k], BlockField::contentEnd(list, opens[k], scanLimit + 1));
}

// The follow-up rows of a block as its reader fills the grid: the "DATA"
// lines up to the reader's last offset, the list's last line not examined.
QList<FollowUpRow> followUps(const BlocList &list, qsizetype tag, qsizetype end, int first,
                             int scanLimit) {
    QList<FollowUpRow> rows;
    for (qsizetype i = tag + first; i <= tag + scanLimit && i < end && i < list.size() - 1; ++i)
        list.withLine(i, [&rows](QStringView line) {
            if (line.startsWith(Data))
                rows.append(FollowUp::parse(BlocList::prefixedText(line)));
        });
    return rows;
}

QString joined(const QString &first, const QString &separator, const QString &second) {
    if (first.isEmpty())
        return second;
    return second.isEmpty() ? first : first + separator + second;
}

struct Sorted {
    Line line;
    QTime time; // day actions only
};

} // namespace

QString word(Kind kind) {
    switch (kind) {
    case Kind::Overdue:
        return QStringLiteral("en retard");
    case Kind::Today:
        return QStringLiteral("action");
    case Kind::Unanswered:
        return QStringLiteral("sans réponse");
    case Kind::OperationEnded:
        return QStringLiteral("opération");
    }
    return {};
}

::Kind recordKind(Kind kind) {
    switch (kind) {
    case Kind::Unanswered:
        return ::Kind::Company;
    case Kind::OperationEnded:
        return ::Kind::Operation;
    case Kind::Overdue:
    case Kind::Today:
        break;
    }
    return ::Kind::DayAction;
}

QList<Line> lines(const BlocList &companies, const BlocList &operations, const BlocList &dayActions,
                  const QDate &day, int delay) {
    std::vector<Sorted> found;
    // The latest day on which a day action for a company got a result.
    QHash<QString, QDate> answered;

    forEachBlock(dayActions, DayAction::ScanLimit, [&](int block, qsizetype tag, qsizetype end) {
        auto field = [&](int offset) { return BlockField::at(dayActions, tag, end, offset); };
        const QDate date = Dates::parse(field(DayActionLine::Date));
        if (!date.isValid())
            return;
        const QString code = field(DayActionLine::CompanyCode);
        if (!code.isEmpty() && !field(DayActionLine::Result).trimmed().isEmpty()) {
            QDate &latest = answered[code];
            latest = std::max(latest, date);
        }
        if (date > day || field(DayActionLine::Validated) == QLatin1String("Y"))
            return;
        const QTime time = Dates::parseTime(field(DayActionLine::Time));
        QString company = field(DayActionLine::CompanyName);
        if (company.isEmpty())
            company = field(DayActionLine::GroupName);
        const QString what =
            joined(time.isValid() ? time.toString(QStringLiteral("HH:mm")) : QString(),
                   QStringLiteral(" "), field(DayActionLine::Action));
        found.push_back({{date < day ? Kind::Overdue : Kind::Today, block, date,
                          joined(what, QStringLiteral(" - "), company)},
                         time.isValid() ? time : QTime(0, 0)});
    });

    forEachBlock(companies, Company::ScanLimit, [&](int block, qsizetype tag, qsizetype end) {
        const QList<FollowUpRow> rows =
            followUps(companies, tag, end, CompanyLine::Prefixed, Company::ScanLimit);
        if (rows.isEmpty())
            return;
        const QDate last = Dates::parse(rows.last().date);
        if (!last.isValid() || last.daysTo(day) <= delay)
            return;
        const QDate answer = answered.value(BlockField::at(companies, tag, end, CompanyLine::Code));
        if (answer.isValid() && answer >= last)
            return;
        found.push_back({{Kind::Unanswered, block, last,
                          joined(BlockField::at(companies, tag, end, CompanyLine::Name),
                                 QStringLiteral(" - "), rows.last().action)},
                         {}});
    });

    forEachBlock(operations, Operation::ScanLimit, [&](int block, qsizetype tag, qsizetype end) {
        const QDate ended = Dates::parse(BlockField::at(operations, tag, end, OperationLine::End));
        if (!ended.isValid() || ended >= day)
            return;
        // An answer is a follow-up row whose "Suivi" is filled.
        const QList<FollowUpRow> rows =
            followUps(operations, tag, end, OperationLine::Prefixed, Operation::ScanLimit);
        if (std::any_of(rows.begin(), rows.end(),
                        [](const FollowUpRow &row) { return !row.text.trimmed().isEmpty(); }))
            return;
        found.push_back({{Kind::OperationEnded, block, ended,
                          joined(BlockField::at(operations, tag, end, OperationLine::Type),
                                 QStringLiteral(" - "),
                                 BlockField::at(operations, tag, end, OperationLine::Summary))},
                         {}});
    });

    std::stable_sort(found.begin(), found.end(), [](const Sorted &a, const Sorted &b) {
        return std::tuple(int(a.line.kind), a.line.date, a.time, a.line.block) <
               std::tuple(int(b.line.kind), b.line.date, b.time, b.line.block);
    });
    QList<Line> out;
    out.reserve(qsizetype(found.size()));
    for (Sorted &entry : found)
        out.append(std::move(entry.line));
    return out;
}

} // namespace Todo
