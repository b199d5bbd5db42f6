#include "utilities/euroconverter.h"

#include <QTest>

using Direction = EuroConverter::Direction;

class TestEuroConverter : public QObject {
    Q_OBJECT

    static void type(EuroConverter &c, const QString &keys) {
        for (QChar k : keys)
            c.key(k);
    }

private Q_SLOTS:
    void convert_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<int>("rateSteps"); // clicks on the spin button, up when positive
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("result");

        QTest::newRow("100 F") << "100" << Direction::FrancsToEuros << 0 << "100"
                               << "15,24";
        QTest::newRow("1 E") << "1" << Direction::EurosToFrancs << 0 << "1"
                             << "6,6";
        QTest::newRow("10 E") << "10" << Direction::EurosToFrancs << 0 << "10"
                              << "65,6";
        QTest::newRow("one euro of francs")
            << "6,55957" << Direction::FrancsToEuros << 0 << "6,55957"
            << "1";
        QTest::newRow("point typed as comma") << "1.5" << Direction::EurosToFrancs << 0 << "1,5"
                                              << "9,8";
        QTest::newRow("other keys ignored") << "1a0-0 " << Direction::FrancsToEuros << 0 << "100"
                                            << "15,24";
        QTest::newRow("million francs") << "1000000" << Direction::FrancsToEuros << 0 << "1000000"
                                        << "152449,02";
        QTest::newRow("million francs, rate up")
            << "1000000" << Direction::FrancsToEuros << 1 << "1000000"
            << "152448,78";
        QTest::newRow("ten thousand euros") << "10000" << Direction::EurosToFrancs << 0 << "10000"
                                            << "65595,7";
        QTest::newRow("ten thousand euros, rate down")
            << "10000" << Direction::EurosToFrancs << -1 << "10000"
            << "65595,6";
        QTest::newRow("empty input") << "" << Direction::FrancsToEuros << 0 << ""
                                     << "";
        QTest::newRow("two commas") << "1,2,3" << Direction::FrancsToEuros << 0 << "1,2,3"
                                    << "";
    }

    void convert() {
        QFETCH(QString, keys);
        QFETCH(Direction, direction);
        QFETCH(int, rateSteps);
        EuroConverter c;
        c.setDirection(direction);
        for (int i = 0; i < qAbs(rateSteps); ++i)
            rateSteps > 0 ? c.rateUp() : c.rateDown();
        type(c, keys);
        c.compute();
        QVERIFY(c.resultShown());
        QFETCH(QString, input);
        QCOMPARE(c.input(), input);
        QFETCH(QString, result);
        QCOMPARE(c.result(), result);
    }

    void keyAfterResultStartsAgain() {
        EuroConverter c;
        type(c, QStringLiteral("100"));
        c.compute();
        c.key(u'5');
        QCOMPARE(c.input(), QStringLiteral("5"));
        QCOMPARE(c.result(), QString());
        QVERIFY(!c.resultShown());
        c.compute();
        QCOMPARE(c.result(), QStringLiteral("0,76"));
    }

    void rate() {
        EuroConverter c;
        QCOMPARE(c.rateText(), QStringLiteral("6,55957"));
        c.rateUp();
        QCOMPARE(c.rateText(), QStringLiteral("6,55958"));
        for (int i = 0; i < EuroConverter::DefaultRate + 10; ++i)
            c.rateDown();
        QCOMPARE(c.rate(), 1);
        QCOMPARE(c.rateText(), QStringLiteral("0,00001"));
        c.reset();
        QCOMPARE(c.rate(), EuroConverter::DefaultRate);
        QCOMPARE(c.direction(), Direction::FrancsToEuros);
    }
};

QTEST_GUILESS_MAIN(TestEuroConverter)
#include "tst_euroconverter.moc"
