// stats, report and planning: the report windows' tables on a data set
// opened as the program opens it. Nothing is written.
#include "cli.h"

#include "reports/activityreport.h"
#include "reports/chart.h"
#include "reports/operationstats.h"
#include "reports/planning.h"
#include "reports/reportfields.h"
#include "store/dates.h"

#include <QDate>

using namespace Cli;
using ReportFields::flat;

namespace {

QString row(const QStringList &fields) {
    QStringList out;
    for (const QString &field : fields)
        out << flat(field);
    return out.join(u'\t');
}

} // namespace

int statsVerb(const QStringList &args) {
    const bool chart = args.size() == 2 && args[1] == QLatin1String("--graphique");
    if (args.size() != 1 && !chart)
        return usage();
    DataSet data;
    if (const int status = open(data, args[0]))
        return status;
    QList<OperationStats::Entry> entries = OperationStats::entries(data.list(Kind::Operation));
    OperationStats::sort(entries);
    if (chart) {
        QStringList answers;
        for (const OperationStats::Entry &entry : entries)
            answers << QString::number(entry.answers);
        for (const Chart::Bar &bar : Chart::bars(Chart::values(answers)))
            out(row({QString::number(bar.value), QString::number(bar.x), QString::number(bar.y)}));
        return Done;
    }
    int count = 0;
    for (const OperationStats::Entry &entry : entries)
        out(row(
            {QString::number(++count), entry.date, entry.summary, QString::number(entry.answers)}));
    return Done;
}

int reportVerb(const QStringList &args) {
    if (args.size() != 1 && args.size() != 3)
        return usage();
    const int year = QDate::currentDate().year();
    const QString from = args.size() == 3 ? args[1] : QStringLiteral("01/01/%1").arg(year);
    const QString to = args.size() == 3 ? args[2] : QStringLiteral("31/12/%1").arg(year);
    DataSet data;
    if (const int status = open(data, args[0]))
        return status;
    QList<ActivityReport::Entry> entries =
        ActivityReport::entries(data.list(Kind::Operation), data.list(Kind::DayAction));
    ActivityReport::sort(entries);
    int count = 0;
    for (const ActivityReport::Entry &entry : ActivityReport::inPeriod(entries, from, to))
        out(row({QString::number(++count), ReportFields::keyToDate(entry.key), entry.action,
                 entry.description}));
    return Done;
}

int planningVerb(const QStringList &args) {
    if (args.size() != 1 && args.size() != 2)
        return usage();
    const QString day = args.size() == 2 ? args[1] : Dates::format(QDate::currentDate());
    if (!isDay(day)) {
        err(QStringLiteral("'%1' n'est pas une date correcte").arg(day));
        return BadInput;
    }
    DataSet data;
    if (const int status = open(data, args[0]))
        return status;
    Planning planning;
    planning.Init(data.list(Kind::Company), data.list(Kind::DayAction));
    for (const Planning::Row &r : planning.LitJour(day))
        out(row({r.company, r.date, r.time, r.name}));
    return Done;
}
