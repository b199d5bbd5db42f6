#include "utilities/clockface.h"

#include <QLocale>

#include <algorithm>

namespace {

struct FieldRule {
    bool inDate;
    int start; // 0-based position in its line
    int width;
    int lower;
    int upper;
};

FieldRule ruleOf(ClockFace::Field field) {
    switch (field) {
    case ClockFace::Field::Hour:
        return {false, 0, 2, 0, 24};
    case ClockFace::Field::Minute:
        return {false, 3, 2, 0, 59};
    case ClockFace::Field::Day:
        return {true, 0, 2, 0, 31};
    case ClockFace::Field::Month:
        return {true, 3, 2, 0, 12};
    case ClockFace::Field::Year:
    case ClockFace::Field::None:
        break;
    }
    return {true, 6, 4, 1900, 2099};
}

int number(const QString &line, int start, int width) {
    return line.mid(start, width).toInt();
}

} // namespace

ClockFace::ClockFace(SystemClock &clock, const QTimeZone &zone) : m_clock(clock), m_zone(zone) {}

void ClockFace::setLines(const QString &time, const QString &date) {
    m_time = time;
    m_date = date;
}

void ClockFace::refresh() {
    const QDateTime now = m_clock.currentDateTime();
    m_time = now.toString(QStringLiteral("HH:mm:ss"));
    m_date = now.toString(QStringLiteral("dd/MM/yyyy"));
}

void ClockFace::activate() {
    m_editMode = false;
    refresh();
}

void ClockFace::spinUp() {
    spin(1);
}

void ClockFace::spinDown() {
    spin(-1);
}

void ClockFace::spin(int step) {
    if (m_field == Field::None)
        return;
    const FieldRule rule = ruleOf(m_field);
    QString &line = rule.inDate ? m_date : m_time;
    int value = number(line, rule.start, rule.width);
    if (m_field == Field::Year && value < 100)
        value += 1900;
    value = step > 0 ? std::min(value + 1, rule.upper) : std::max(value - 1, rule.lower);
    line.replace(rule.start, rule.width,
                 QStringLiteral("%1").arg(value, rule.width, 10, QChar(u'0')));
}

bool ClockFace::toggleSet() {
    m_editMode = !m_editMode;
    if (m_editMode)
        return false;
    const bool set = Modifie();
    refresh();
    return set;
}

bool ClockFace::Modifie() {
    const std::optional<SystemTime> utc = utcRecord(m_time, m_date, m_zone);
    return utc && m_clock.setUtc(*utc);
}

std::optional<SystemTime> ClockFace::utcRecord(const QString &time, const QString &date,
                                               const QTimeZone &zone) {
    const QDate day(number(date, 6, 4), number(date, 3, 2), number(date, 0, 2));
    const QTime hour(number(time, 0, 2), number(time, 3, 2), number(time, 6, 2));
    if (!day.isValid() || !hour.isValid())
        return std::nullopt;
    // The zone's own rules give the offset of that very date, summer time included.
    const QDateTime local(day, hour, zone);
    if (!local.isValid() || local.date() != day || local.time() != hour)
        return std::nullopt; // a local time skipped when the clocks go forward
    const QDateTime utc = local.toUTC();
    return SystemTime{utc.date().year(),
                      utc.date().month(),
                      utc.date().day(),
                      utc.time().hour(),
                      utc.time().minute(),
                      utc.time().second(),
                      0};
}

QString calendarTitle(int year, int month) {
    return QLocale(QLocale::French, QLocale::France).monthName(month, QLocale::LongFormat) +
           QStringLiteral("  ") + QStringLiteral("%1").arg(year, 4, 10, QChar(u'0'));
}
