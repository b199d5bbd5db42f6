#include "core/coretest.h"
#include "utilities/clockface.h"

#include <QTest>

namespace {

class FakeClock : public SystemClock {
public:
    QDateTime now = QDateTime(QDate(2026, 12, 5), QTime(9, 15, 42));
    bool accept = true;
    QList<SystemTime> set;

    QDateTime currentDateTime() const override { return now; }
    bool setUtc(const SystemTime &utc) override {
        set << utc;
        return accept;
    }
};

const QTimeZone paris("Europe/Paris");

} // namespace

using Field = ClockFace::Field;

class TestClockFace : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Lines are written "hh:mm:ss dd/mm/yyyy".
    void spin_data() {
        columns<Field, int, QString, QString>("field", "step", "before", "after");
        row("hour up to 24", Field::Hour, 1, "23:15:42 05/12/2026", "24:15:42 05/12/2026");
        row("hour stops at 24", Field::Hour, 1, "24:15:42 05/12/2026", "24:15:42 05/12/2026");
        row("hour stays at 00", Field::Hour, -1, "00:15:42 05/12/2026", "00:15:42 05/12/2026");
        row("minute stops at 59", Field::Minute, 1, "09:59:42 05/12/2026", "09:59:42 05/12/2026");
        row("day stops at 31", Field::Day, 1, "09:15:42 31/12/2026", "09:15:42 31/12/2026");
        row("day down to 0", Field::Day, -1, "09:15:42 01/12/2026", "09:15:42 00/12/2026");
        row("month stops at 12", Field::Month, 1, "09:15:42 05/12/2026", "09:15:42 05/12/2026");
        row("year stops at 2099", Field::Year, 1, "09:15:42 05/12/2099", "09:15:42 05/12/2099");
        row("year stops at 1900", Field::Year, -1, "09:15:42 05/12/1900", "09:15:42 05/12/1900");
        row("two-digit year", Field::Year, 1, "09:15:42 05/12/0098", "09:15:42 05/12/1999");
        row("no field", Field::None, 1, "09:15:42 05/12/2026", "09:15:42 05/12/2026");
    }
    void spin() {
        const auto [field, step, before] = fetch<Field, int, QString>("field", "step", "before");
        FakeClock clock;
        ClockFace face(clock, paris);
        face.setLines(before.section(u' ', 0, 0), before.section(u' ', 1, 1));
        face.setField(field);
        step > 0 ? face.spinUp() : face.spinDown();
        QTEST(QString(face.timeLine() + u' ' + face.dateLine()), "after");
    }
    void utc_data() {
        // local: "hh:mm:ss dd/mm/yyyy"
        // utc: "yyyy-MM-dd HH:mm:ss", empty when refused
        columns<QString, QString, QString>("zone", "local", "utc");
        const char *paris = "Europe/Paris";
        row("winter", paris, "14:30:00 05/12/2026", "2026-12-05 13:30:00");
        row("summer", paris, "14:30:00 05/07/2026", "2026-07-05 12:30:00");
        row("midnight goes back a year", paris, "00:15:07 01/01/2027", "2026-12-31 23:15:07");
        row("day summer time starts", paris, "12:00:00 29/03/2026", "2026-03-29 10:00:00");
        row("skipped hour", paris, "02:30:00 29/03/2026", "");
        row("another zone", "America/New_York", "14:30:00 05/12/2026", "2026-12-05 19:30:00");
        row("day 0", paris, "14:30:00 00/12/2026", "");
        row("month 0", paris, "14:30:00 05/00/2026", "");
        row("31 February", paris, "14:30:00 31/02/2026", "");
        row("29 February of a leap year", paris, "14:30:00 29/02/2028", "2028-02-29 13:30:00");
        row("hour 24", paris, "24:00:00 05/12/2026", "");
    }
    void utc() {
        const auto [zone, local, utc] = fetch<QString, QString, QString>("zone", "local", "utc");
        const std::optional<SystemTime> record = ClockFace::utcRecord(
            local.section(u' ', 0, 0), local.section(u' ', 1, 1), QTimeZone(zone.toLatin1()));
        QCOMPARE(record.has_value(), !utc.isEmpty());
        if (!record)
            return;
        const QDateTime expected = QDateTime::fromString(utc, "yyyy-MM-dd HH:mm:ss");
        QCOMPARE(*record, (SystemTime{expected.date().year(), expected.date().month(),
                                      expected.date().day(), expected.time().hour(),
                                      expected.time().minute(), expected.time().second(), 0}));
    }
    void setTwiceSetsTheClock() {
        FakeClock clock;
        ClockFace face(clock, paris);
        face.activate();
        QCOMPARE(face.timeLine(), "09:15:42");
        QCOMPARE(face.dateLine(), "05/12/2026");
        QCOMPARE(face.toggleSet(), false);
        QVERIFY(face.editMode());
        QVERIFY(clock.set.isEmpty());
        face.setLines("14:30:00", "05/12/2026");
        clock.now = QDateTime(QDate(2026, 12, 5), QTime(14, 30, 1));
        QCOMPARE(face.toggleSet(), true);
        QVERIFY(!face.editMode());
        QCOMPARE(clock.set, (QList<SystemTime>{{2026, 12, 5, 13, 30, 0, 0}}));
        QCOMPARE(face.timeLine(), "14:30:01"); // read back from the clock
    }
    void refusedTimeLeavesTheClock() {
        FakeClock clock;
        ClockFace face(clock, paris);
        face.activate();
        face.toggleSet();
        face.setLines("14:30:00", "31/02/2026");
        QCOMPARE(face.toggleSet(), false);
        QVERIFY(clock.set.isEmpty());
        QCOMPARE(face.dateLine(), "05/12/2026");
        clock.accept = false; // no right to set the clock
        face.toggleSet();
        QCOMPARE(face.toggleSet(), false);
        QCOMPARE(clock.set.size(), 1);
    }
    void activationEndsEditing() {
        FakeClock clock;
        ClockFace face(clock, paris);
        face.toggleSet();
        face.setLines("11:11:11", "11/11/2011");
        face.activate();
        QVERIFY(!face.editMode());
        QCOMPARE(face.timeLine(), "09:15:42");
        QVERIFY(clock.set.isEmpty());
    }
    void calendarTitles_data() {
        columns<int, int, QString>("year", "month", "title");
        row("february", 2026, 2, "février  2026");
        row("august", 2026, 8, "août  2026");
    }
    void calendarTitles() {
        const auto [year, month] = fetch<int, int>("year", "month");
        QTEST(calendarTitle(year, month), "title");
    }
};

QTEST_GUILESS_MAIN(TestClockFace)
#include "tst_clockface.moc"
