#include "store/costformat.h"

#include <QGuiApplication>
#include <QtTest>

class TestCostFormat : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formatCout_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("no comma") << "7"
                                  << "7,00";
        QTest::newRow("cut, not rounded") << "12,567"
                                          << "12,56";
        QTest::newRow("one decimal") << "12,5"
                                     << "12,50";
        QTest::newRow("ending comma") << "12,"
                                      << "12,00";
        QTest::newRow("leading comma") << ",5"
                                       << "0,50";
    }
    void formatCout() {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(Cost::FormatCout(in), out);
    }

    void fieldText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("padded amount") << "     12,50" << true;
        QTest::newRow("second comma") << "1,2,3" << false;
        QTest::newRow("letter") << "1a" << false;
        QTest::newRow("empty") << "" << true;
    }
    void fieldText() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QCOMPARE(Cost::acceptsText(text), accepted);
    }

    void keyFilter_data() {
        QTest::addColumn<QChar>("key");
        QTest::addColumn<QChar>("result");
        QTest::newRow("dot becomes comma") << QChar('.') << QChar(',');
        QTest::newRow("digit") << QChar('5') << QChar('5');
        QTest::newRow("comma") << QChar(',') << QChar(',');
        QTest::newRow("backspace") << QChar('\b') << QChar('\b');
        QTest::newRow("letter") << QChar('a') << QChar();
        QTest::newRow("space") << QChar(' ') << QChar();
        QTest::newRow("enter") << QChar('\r') << QChar();
        QTest::newRow("minus") << QChar('-') << QChar();
    }
    void keyFilter() {
        QFETCH(QChar, key);
        QFETCH(QChar, result);
        QCOMPARE(Cost::filterKey(key), result);
    }

    void rsetPadsUntilWiderThanTheColumn() {
        const QFontMetrics metrics(QFont("Liberation Sans", 8));
        const QString padded = Cost::Rset(" 1,50 ", 100, metrics);
        QVERIFY(padded.endsWith("1,50"));
        QVERIFY(padded.startsWith(' '));
        QVERIFY(metrics.horizontalAdvance(padded) > 90);
        QVERIFY(metrics.horizontalAdvance(padded.mid(1)) <= 90);
        QVERIFY(Cost::Rset("   ", 100, metrics).isEmpty());
        // A text already wider than the column is left as it is.
        const QString wide(40, u'9');
        QCOMPARE(Cost::Rset(wide, 100, metrics), wide);
    }

    void leavingACostField() {
        const QFontMetrics metrics(QFont("Liberation Sans", 8));
        QCOMPARE(Cost::leaveField("   ", metrics), QStringLiteral("   "));
        const QString shown = Cost::leaveField("1,5", metrics);
        QCOMPARE(shown.trimmed(), QStringLiteral("1,50"));
        QCOMPARE(Cost::leaveField(shown, metrics), shown); // leaving again changes nothing
    }
};

QTEST_MAIN(TestCostFormat)
#include "tst_costformat.moc"
