// The report tables on any record lists: no crash, one statistics entry and
// one activity entry per block, and every day action of a day in the planning.
#include "reports/activityreport.h"
#include "reports/chart.h"
#include "reports/operationstats.h"
#include "reports/planning.h"
#include "reports/reportfields.h"
#include "store/blockfield.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    // Three lists separated by form feeds: companies, operations, day actions.
    const QStringList parts = text.split(u'\f');
    BlocList companies(5), operations(4), dayActions(4);
    companies.setLines(parts.value(0).split(u'\n'));
    operations.setLines(parts.value(1).split(u'\n'));
    dayActions.setLines(parts.value(2).split(u'\n'));

    QList<OperationStats::Entry> stats = OperationStats::entries(operations);
    if (stats.size() != operations.countTags())
        std::abort();
    OperationStats::sort(stats);
    QStringList answers;
    for (const auto &entry : stats)
        answers << QString::number(entry.answers);
    answers << parts.value(3).split(u'\n');
    for (const Chart::Bar &bar : Chart::bars(Chart::values(answers)))
        if (bar.x < Chart::Top || bar.x > 550)
            std::abort();

    QList<ActivityReport::Entry> entries = ActivityReport::entries(operations, dayActions);
    if (entries.size() != operations.countTags() + dayActions.countTags())
        std::abort();
    ActivityReport::sort(entries);
    ActivityReport::inPeriod(entries, parts.value(4), parts.value(5));

    Planning planning;
    planning.Init(companies, dayActions);
    if (planning.list().countTags() != dayActions.countTags())
        std::abort();
    // Every day action dated like the first one is listed on that day.
    if (dayActions.countTags() > 0) {
        const QString day = BlockField::at(dayActions, dayActions.index().opens[0], 2);
        int expected = 0;
        for (const qsizetype tag : dayActions.index().opens)
            expected += BlockField::at(dayActions, tag, 2) == day ? 1 : 0;
        if (planning.LitJour(day).size() != expected)
            std::abort();
    }
    return 0;
}
