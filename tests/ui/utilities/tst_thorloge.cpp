#include "ui/widgettesting.h"
#include "utilities/clockface.h"
#include "utilities/tcalendrier.h"
#include "utilities/thorloge.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

class FakeClock : public SystemClock {
public:
    QDateTime now = QDateTime(QDate(2026, 12, 5), QTime(9, 15, 42));
    QList<SystemTime> set;
    QDateTime currentDateTime() const override { return now; }
    bool setUtc(const SystemTime &utc) override {
        set << utc;
        return true;
    }
};

void sendActivation(QWidget &w, bool active) {
    QEvent event(active ? QEvent::WindowActivate : QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&w, &event);
}

} // namespace

class TestTHorloge : public QObject {
    Q_OBJECT

    struct Clock {
        FakeClock clock;
        THorloge window{clock, nullptr, QTimeZone("Europe/Paris")};
        bool active;
        Clock() {
            window.show();
            window.activateWindow();
            active = QTest::qWaitForWindowActive(&window);
        }
        QString time() const { return label("timeLine"); }
        QString date() const { return label("dateLine"); }
        QString label(const char *name) const { return child<QLabel>(&window, name)->text(); }
        void click(const char *name) {
            QTest::mouseClick(child<QAbstractButton>(&window, name), Qt::LeftButton);
        }
        void spin(bool up, int times = 1) {
            for (int i = 0; i < times; ++i)
                QTest::mouseClick(child<QToolButton>(child(&window, "spin"), up ? "up" : "down"),
                                  Qt::LeftButton);
        }
    };

private Q_SLOTS:
    void ticksAndEnterSetsNothing() {
        Clock c;
        QVERIFY(c.active);
        QCOMPARE(c.time(), u"09:15:42"_s);
        QCOMPARE(c.date(), u"05/12/2026"_s);
        QVERIFY(c.window.isTicking());
        c.clock.now = c.clock.now.addSecs(1);
        QTRY_COMPARE_WITH_TIMEOUT(c.time(), u"09:15:43"_s, 3000);
        // Out of the setting mode, Enter on a field sets nothing.
        c.click("fieldDay");
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused);
        QTest::keyClick(focused, Qt::Key_Return);
        QTest::keyClick(focused, Qt::Key_Return);
        QVERIFY(!c.window.editMode());
        QVERIFY(c.clock.set.isEmpty());
        QVERIFY(c.window.isVisible());
        sendActivation(c.window, false);
        QVERIFY(!c.window.isTicking());
    }
    void spinField_data() {
        columns<QString, bool, QString, QString>("field", "up", "time", "date");
        row("no field", QString(), true, u"09:15:42"_s, u"05/12/2026"_s);
        row("hour up", u"fieldHour"_s, true, u"10:15:42"_s, u"05/12/2026"_s);
        row("year down", u"fieldYear"_s, false, u"09:15:42"_s, u"05/12/2025"_s);
    }
    void spinField() {
        const auto [field, up] = fetch<QString, bool>("field", "up");
        Clock c;
        QVERIFY(c.active);
        c.click("setButton");
        if (!field.isEmpty())
            c.click(field.toLatin1().constData());
        c.spin(up);
        QTEST(c.time(), "time");
        QTEST(c.date(), "date");
    }
    void setTheClock() {
        Clock c;
        QVERIFY(c.active);
        c.click("setButton");
        QVERIFY(c.window.editMode());
        QVERIFY(!c.window.isTicking());
        c.click("fieldHour");
        c.spin(true, 5); // 14 h
        c.click("fieldMinute");
        c.spin(true, 15); // 30 min
        QCOMPARE(c.time(), u"14:30:42"_s);
        c.click("setButton");
        QVERIFY(!c.window.editMode());
        QVERIFY(c.window.isTicking());
        QCOMPARE(c.clock.set, (QList<SystemTime>{{2026, 12, 5, 13, 30, 42, 0}}));
    }
    void reactivationLeavesEditMode() {
        Clock c;
        QVERIFY(c.active);
        c.click("setButton");
        c.click("fieldYear");
        c.spin(true);
        QCOMPARE(c.date(), u"05/12/2027"_s);
        sendActivation(c.window, false);
        sendActivation(c.window, true);
        QVERIFY(!c.window.editMode());
        QVERIFY(c.window.isTicking());
        QCOMPARE(c.date(), u"05/12/2026"_s);
        QVERIFY(c.clock.set.isEmpty());
        QVERIFY(!child<QPushButton>(&c.window, "setButton")->isChecked());
    }
    void calendarPaging() {
        TCalendrier w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto *calendar = child<QCalendarWidget>(&w, "calendar");
        auto *title = child<QLabel>(&w, "titleLabel");
        const QDate today = QDate::currentDate();
        QCOMPARE(calendar->selectedDate(), today);
        QCOMPARE(title->text(), calendarTitle(today.year(), today.month()));
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Sunday);
        calendar->setSelectedDate(QDate(2026, 12, 15));
        calendar->showSelectedDate();
        QCOMPARE(title->text(), u"décembre  2026"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QCOMPARE(title->text(), u"janvier  2027"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
        QCOMPARE(title->text(), u"novembre  2026"_s);
        auto *next = child<QPushButton>(&w, "nextMonth");
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(title->text(), u"décembre  2026"_s);
        next->setFocus();
        QTest::keyClick(next, Qt::Key_PageDown);
        QCOMPARE(title->text(), u"janvier  2027"_s);
        QTest::mouseClick(child<QPushButton>(&w, "previousMonth"), Qt::LeftButton);
        QCOMPARE(title->text(), u"décembre  2026"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(TestTHorloge)
#include "tst_thorloge.moc"
