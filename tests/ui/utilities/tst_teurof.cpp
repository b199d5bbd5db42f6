#include "ui/widgettesting.h"
#include "utilities/teurof.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

class TestTEurof : public QObject {
    Q_OBJECT

    // Shown and active, as the keys need it.
    struct Window : TEurof {
        bool active;
        Window() {
            show();
            activateWindow();
            active = QTest::qWaitForWindowActive(this);
        }
        QString line(const char *name) const { return child<QLabel>(this, name)->text(); }
    };

private Q_SLOTS:
    void enterConvertsAndEscapeCloses() {
        Window w;
        QVERIFY(w.active);
        QTest::mouseClick(child<QRadioButton>(&w, "toFrancs"), Qt::LeftButton);
        QTest::keyClicks(QApplication::focusWidget(), "1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(w.line("inputLine"), u"1"_s);
        QCOMPARE(w.line("resultLine"), u"6,6"_s);
        QVERIFY(w.isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
    void keyAfterResult() {
        Window w;
        QVERIFY(w.active);
        QPushButton *equals = child<QPushButton>(&w, "equalsButton");
        QCOMPARE(QApplication::focusWidget(), equals);
        // The keypad never takes the focus away from "=".
        for (const char *key : {"key1", "key0", "key0"})
            QTest::mouseClick(child<QPushButton>(&w, key), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), equals);
        QTest::keyClick(equals, Qt::Key_Enter);
        QCOMPARE(w.line("resultLine"), u"15,24"_s);
        QTest::keyClick(equals, Qt::Key_5);
        QCOMPARE(w.line("inputLine"), u"5"_s);
        QCOMPARE(w.line("resultLine"), QString());
    }
    void rateSpin() {
        TEurof w;
        w.show();
        QLineEdit *rate = child<QLineEdit>(&w, "rateEdit");
        QCOMPARE(rate->text(), u"6,55957"_s);
        QWidget *spin = child(&w, "rateSpin");
        QTest::mouseClick(child<QToolButton>(spin, "up"), Qt::LeftButton);
        QCOMPARE(rate->text(), u"6,55958"_s);
        for (int i = 0; i < 2; ++i)
            QTest::mouseClick(child<QToolButton>(spin, "down"), Qt::LeftButton);
        QCOMPARE(rate->text(), u"6,55956"_s);
    }
};

QTEST_MAIN(TestTEurof)
#include "tst_teurof.moc"
