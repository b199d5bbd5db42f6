#pragma once

#include "utilities/systemclock.h"

#include <QString>
#include <QTimeZone>

#include <optional>

// What the clock window (THorloge) shows and how its spin button edits it:
// a time line "hh:mm:ss" and a date line "dd/mm/yyyy".
class ClockFace {
public:
    enum class Field { None, Hour, Minute, Day, Month, Year };

    explicit ClockFace(SystemClock &clock, const QTimeZone &zone = QTimeZone::systemTimeZone());

    QString timeLine() const { return m_time; }
    QString dateLine() const { return m_date; }
    void setLines(const QString &time, const QString &date);

    Field field() const { return m_field; }
    void setField(Field field) { m_field = field; }

    bool editMode() const { return m_editMode; }

    // Re-reads the clock into both lines.
    void refresh();
    // The window became active: the clock is re-read and edit mode ends.
    void activate();

    // One step of the spin button on the selected field, within its bounds.
    void spinUp();
    void spinDown();

    // "Set": the first press starts editing; the second sets the system clock
    // from the lines and re-reads it. Returns true when the clock is set.
    bool toggleSet();

    // Sets the system clock from the lines (Modifie). False when the lines do
    // not make a valid local time or the platform refused it.
    bool Modifie();

    // The UTC record for a local time and date line in the given zone; none
    // for an impossible date or time (day 0, 31/02, 24:00, a skipped hour).
    static std::optional<SystemTime> utcRecord(const QString &time, const QString &date,
                                               const QTimeZone &zone);

private:
    void spin(int step);

    SystemClock &m_clock;
    QTimeZone m_zone;
    QString m_time;
    QString m_date;
    Field m_field = Field::None;
    bool m_editMode = false;
};

// The calendar's title for a month: the full French month name, two spaces
// and the year ("décembre  2026").
QString calendarTitle(int year, int month);
