#include "utilities/numberformat.h"

#include <QTest>

class TestNumberFormat : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void general_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("integer") << 20.0 << "20";
        QTest::newRow("cents") << 1524 * 0.01 << "15,24";
        QTest::newRow("no trailing zeros") << 2.50 << "2,5";
        QTest::newRow("negative") << -0.25 << "-0,25";
        QTest::newRow("binary noise rounded away") << 0.1 + 0.2 << "0,3";
        QTest::newRow("fifteen digits") << 1.0 / 3 << "0,333333333333333";
        QTest::newRow("fifteen integer digits") << 999999999999999.0 << "999999999999999";
        QTest::newRow("sixteen integer digits") << 1e15 << "1E15";
        QTest::newRow("large mantissa") << 1.5e20 << "1,5E20";
        QTest::newRow("smallest fixed") << 0.00001 << "0,00001";
        QTest::newRow("below fixed") << 0.000001 << "1E-6";
        QTest::newRow("small mantissa") << -2.5e-7 << "-2,5E-7";
        QTest::newRow("rate") << 655957 * 0.00001 << "6,55957";
    }

    void general() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(formatGeneral(value), text);
    }

    void generalPrecision() {
        QCOMPARE(formatGeneral(2.0L / 3, 13), QStringLiteral("0,6666666666667"));
        QCOMPARE(formatGeneral(123456.0L, 3), QStringLiteral("1,23E5"));
    }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("integer") << "42" << true << 42.0;
        QTest::newRow("comma") << "1,5" << true << 1.5;
        QTest::newRow("leading comma") << ",5" << true << 0.5;
        QTest::newRow("trailing comma") << "5," << true << 5.0;
        QTest::newRow("negative") << "-2,25" << true << -2.25;
        QTest::newRow("plus sign") << "+3" << true << 3.0;
        QTest::newRow("exponent") << "1,5E20" << true << 1.5e20;
        QTest::newRow("negative exponent") << "1E-6" << true << 1e-6;
        QTest::newRow("spaces") << " 7 " << true << 7.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("comma alone") << "," << false << 0.0;
        QTest::newRow("two commas") << "1,2,3" << false << 0.0;
        QTest::newRow("point") << "1.5" << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("overflow") << "1E99999" << false << 0.0;
    }

    void parse() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        const std::optional<long double> read = parseDecimal(text);
        QCOMPARE(read.has_value(), valid);
        if (valid)
            QCOMPARE(double(*read), value);
    }
};

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
