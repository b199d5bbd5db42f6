#include "followup/calendarexport.h"

#include "store/blockfield.h"
#include "store/dates.h"
#include "store/recordlines.h"
#include "store/records.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QHash>
#include <QStringList>

#include <libical/ical.h>

#include <cstdlib>

namespace CalendarExport {

namespace {

icaltimetype dateTime(const QDate &date, const QTime &time) {
    icaltimetype t = icaltime_null_time();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    if (time.isValid()) {
        t.hour = time.hour();
        t.minute = time.minute();
        t.second = time.second();
    } else {
        t.is_date = 1;
    }
    return t;
}

QByteArray utf8(const QString &text) {
    return text.toUtf8();
}

} // namespace

QString identity(const QString &dataFile) {
    const QByteArray name = QFileInfo(dataFile).fileName().toUtf8();
    return QString::fromLatin1(
        QCryptographicHash::hash(name, QCryptographicHash::Sha1).toHex().left(16));
}

QByteArray calendar(const BlocList &dayActions, const QString &identity, const QDate &from,
                    const QDateTime &stamp, int *count) {
    icalcomponent *calendar = icalcomponent_new_vcalendar();
    icalcomponent_add_property(calendar, icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar, icalproperty_new_prodid("-//Tavrin//Tavrin//FR"));
    icalcomponent_add_property(calendar, icalproperty_new_calscale("GREGORIAN"));

    const QDateTime utc = stamp.toUTC();
    icaltimetype dtstamp = dateTime(utc.date(), utc.time());
    dtstamp.zone = icaltimezone_get_utc_timezone();

    const std::vector<qsizetype> &opens = dayActions.index().opens;
    const std::vector<int> &numbers = dayActions.tagNumbers();
    QHash<QString, int> seen;
    int events = 0;
    for (std::size_t k = 0; k < opens.size(); ++k) {
        if (numbers[k] < 0)
            continue;
        const qsizetype tag = opens[k];
        const qsizetype end = BlockField::contentEnd(dayActions, tag, DayAction::ScanLimit + 1);
        auto field = [&](int offset) { return BlockField::at(dayActions, tag, end, offset); };
        const QDate date = Dates::parse(field(DayActionLine::Date));
        if (!date.isValid() || (from.isValid() && date < from))
            continue;

        QString key = field(DayActionLine::Code);
        if (key.isEmpty())
            key = QStringLiteral("bloc") + QString::number(numbers[k]);
        const int occurrence = ++seen[key];
        if (occurrence > 1)
            key += u'-' + QString::number(occurrence);

        const icaltimetype start = dateTime(date, Dates::parseTime(field(DayActionLine::Time)));
        icaltimetype finish = start;
        if (start.is_date)
            icaltime_adjust(&finish, 1, 0, 0, 0);
        else
            icaltime_adjust(&finish, 0, 1, 0, 0);

        QString company = field(DayActionLine::CompanyName);
        if (company.isEmpty())
            company = field(DayActionLine::GroupName);
        QStringList summary;
        for (const QString &part : {field(DayActionLine::Action), company})
            if (!part.trimmed().isEmpty())
                summary << part.trimmed();
        QStringList place;
        for (const QString &part :
             {field(DayActionLine::GroupAddress1), field(DayActionLine::GroupAddress2),
              QString(field(DayActionLine::GroupPostalCode) + u' ' +
                      field(DayActionLine::GroupTown))})
            if (!part.trimmed().isEmpty())
                place << part.trimmed();
        QStringList comment;
        for (qsizetype i = tag + DayActionLine::Prefixed;
             i <= tag + DayAction::ScanLimit && i < end && i < dayActions.size() - 1; ++i)
            dayActions.withLine(i, [&comment](QStringView line) {
                if (line.startsWith(QLatin1String("MEMO")))
                    comment << BlocList::prefixedText(line);
            });

        icalcomponent *event = icalcomponent_new_vevent();
        const QByteArray uid = utf8(key + u'-' + identity + QStringLiteral("@tavrin"));
        icalcomponent_add_property(event, icalproperty_new_uid(uid.constData()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(dtstamp));
        icalcomponent_add_property(event, icalproperty_new_dtstart(start));
        icalcomponent_add_property(event, icalproperty_new_dtend(finish));
        icalcomponent_add_property(
            event, icalproperty_new_summary(utf8(summary.join(QLatin1String(" - "))).constData()));
        if (!place.isEmpty())
            icalcomponent_add_property(
                event,
                icalproperty_new_location(utf8(place.join(QLatin1String(", "))).constData()));
        while (!comment.isEmpty() && comment.last().trimmed().isEmpty())
            comment.removeLast();
        if (!comment.isEmpty())
            icalcomponent_add_property(
                event, icalproperty_new_description(utf8(comment.join(u'\n')).constData()));
        icalcomponent_add_component(calendar, event);
        ++events;
    }

    char *text = icalcomponent_as_ical_string_r(calendar);
    QByteArray bytes(text);
    std::free(text);
    icalcomponent_free(calendar);
    if (count)
        *count = events;
    return bytes;
}

} // namespace CalendarExport
