#include "utilities/teurof.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

class TestTEurof : public QObject {
    Q_OBJECT

    template <typename T> static T *child(QWidget &w, const char *name) {
        T *found = w.findChild<T *>(QString::fromLatin1(name));
        Q_ASSERT(found);
        return found;
    }

private Q_SLOTS:
    void convert_data() {
        QTest::addColumn<bool>("toFrancs");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("result");
        QTest::newRow("1 E") << true << "1"
                             << "1"
                             << "6,6";
    }

    void convert() {
        QFETCH(bool, toFrancs);
        QFETCH(QString, keys);
        TEurof w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        if (toFrancs)
            QTest::mouseClick(child<QRadioButton>(w, "toFrancs"), Qt::LeftButton);
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClicks(focus, keys);
        QTest::keyClick(focus, Qt::Key_Return);
        QTEST(child<QLabel>(w, "inputLine")->text(), "input");
        QTEST(child<QLabel>(w, "resultLine")->text(), "result");
        QVERIFY(w.isVisible());
    }

    void keyAfterResult() {
        TEurof w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QPushButton *equals = child<QPushButton>(w, "equalsButton");
        QCOMPARE(QApplication::focusWidget(), equals);
        // The keypad never takes the focus away from "=".
        for (const char *key : {"key1", "key0", "key0"})
            QTest::mouseClick(child<QPushButton>(w, key), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), equals);
        QTest::keyClick(equals, Qt::Key_Enter);
        QCOMPARE(child<QLabel>(w, "resultLine")->text(), QStringLiteral("15,24"));
        QTest::keyClick(equals, Qt::Key_5);
        QCOMPARE(child<QLabel>(w, "inputLine")->text(), QStringLiteral("5"));
        QCOMPARE(child<QLabel>(w, "resultLine")->text(), QString());
    }

    void rateSpin() {
        TEurof w;
        w.show();
        QLineEdit *rate = child<QLineEdit>(w, "rateEdit");
        QCOMPARE(rate->text(), QStringLiteral("6,55957"));
        QWidget *spin = child<QWidget>(w, "rateSpin");
        QTest::mouseClick(spin->findChild<QToolButton *>(QStringLiteral("up")), Qt::LeftButton);
        QCOMPARE(rate->text(), QStringLiteral("6,55958"));
        QTest::mouseClick(spin->findChild<QToolButton *>(QStringLiteral("down")), Qt::LeftButton);
        QTest::mouseClick(spin->findChild<QToolButton *>(QStringLiteral("down")), Qt::LeftButton);
        QCOMPARE(rate->text(), QStringLiteral("6,55956"));
    }

    void escapeCloses() {
        TEurof w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(TestTEurof)
#include "tst_teurof.moc"
