#include "utilities/clockface.h"
#include "utilities/tcalendrier.h"
#include "utilities/thorloge.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

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
        QString label(const char *name) const {
            return window.findChild<QLabel *>(QString::fromLatin1(name))->text();
        }
        void click(const char *name) {
            QTest::mouseClick(window.findChild<QAbstractButton *>(QString::fromLatin1(name)),
                              Qt::LeftButton);
        }
        void spin(bool up) {
            QWidget *spin = window.findChild<QWidget *>(QStringLiteral("spin"));
            QTest::mouseClick(
                spin->findChild<QToolButton *>(up ? QStringLiteral("up") : QStringLiteral("down")),
                Qt::LeftButton);
        }
    };

private Q_SLOTS:
    void ticks() {
        Clock c;
        QVERIFY(c.active);
        QCOMPARE(c.time(), QStringLiteral("09:15:42"));
        QCOMPARE(c.date(), QStringLiteral("05/12/2026"));
        QVERIFY(c.window.isTicking());
        c.clock.now = c.clock.now.addSecs(1);
        QTRY_COMPARE_WITH_TIMEOUT(c.time(), QStringLiteral("09:15:43"), 3000);
        sendActivation(c.window, false);
        QVERIFY(!c.window.isTicking());
    }

    void spinField_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("date");
        QTest::newRow("no field") << "" << true << "09:15:42"
                                  << "05/12/2026";
        QTest::newRow("hour up") << "fieldHour" << true << "10:15:42"
                                 << "05/12/2026";
        QTest::newRow("year down") << "fieldYear" << false << "09:15:42"
                                   << "05/12/2025";
    }

    void spinField() {
        QFETCH(QString, field);
        QFETCH(bool, up);
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
        for (int i = 0; i < 5; ++i)
            c.spin(true); // 14 h
        c.click("fieldMinute");
        for (int i = 0; i < 15; ++i)
            c.spin(true); // 30 min
        QCOMPARE(c.time(), QStringLiteral("14:30:42"));
        c.click("setButton");
        QVERIFY(!c.window.editMode());
        QVERIFY(c.window.isTicking());
        QCOMPARE(c.clock.set, (QList<SystemTime>{{2026, 12, 5, 13, 30, 42, 0}}));
    }

    void enterSetsNothing() {
        Clock c;
        QVERIFY(c.active);
        c.click("fieldDay");
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused);
        for (int i = 0; i < 2; ++i)
            QTest::keyClick(focused, Qt::Key_Return);
        QVERIFY(!c.window.editMode());
        QVERIFY(c.clock.set.isEmpty());
        QVERIFY(c.window.isVisible());
    }

    void reactivationLeavesEditMode() {
        Clock c;
        QVERIFY(c.active);
        c.click("setButton");
        c.click("fieldYear");
        c.spin(true);
        QCOMPARE(c.date(), QStringLiteral("05/12/2027"));
        sendActivation(c.window, false);
        sendActivation(c.window, true);
        QVERIFY(!c.window.editMode());
        QVERIFY(c.window.isTicking());
        QCOMPARE(c.date(), QStringLiteral("05/12/2026"));
        QVERIFY(c.clock.set.isEmpty());
        QVERIFY(!c.window.findChild<QPushButton *>(QStringLiteral("setButton"))->isChecked());
    }

    void calendarPaging() {
        TCalendrier w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto *calendar = w.findChild<QCalendarWidget *>(QStringLiteral("calendar"));
        auto *title = w.findChild<QLabel *>(QStringLiteral("titleLabel"));
        const QDate today = QDate::currentDate();
        QCOMPARE(calendar->selectedDate(), today);
        QCOMPARE(title->text(), calendarTitle(today.year(), today.month()));
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Sunday);

        calendar->setSelectedDate(QDate(2026, 12, 15));
        calendar->showSelectedDate();
        QCOMPARE(title->text(), QStringLiteral("décembre  2026"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QCOMPARE(title->text(), QStringLiteral("janvier  2027"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
        QCOMPARE(title->text(), QStringLiteral("novembre  2026"));

        auto *next = w.findChild<QPushButton *>(QStringLiteral("nextMonth"));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(title->text(), QStringLiteral("décembre  2026"));
        next->setFocus();
        QTest::keyClick(next, Qt::Key_PageDown);
        QCOMPARE(title->text(), QStringLiteral("janvier  2027"));
        QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("previousMonth")),
                          Qt::LeftButton);
        QCOMPARE(title->text(), QStringLiteral("décembre  2026"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(TestTHorloge)
#include "tst_thorloge.moc"
