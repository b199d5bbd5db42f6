#include "utilities/pocketcalculator.h"

#include <QTest>

// Keys as the keyboard gives them: digits, "," or ".", the four operators,
// "=", "c" (C), "s" (sqr), "x" (1/x).
static QString press(PocketCalculator &calc, const QString &keys) {
    QString message;
    for (QChar k : keys) {
        QString error;
        if (k.isDigit())
            calc.digit(k.digitValue());
        else if (k == u',' || k == u'.')
            calc.comma();
        else if (k == u'=')
            error = calc.equals();
        else if (k == u'+')
            error = calc.apply(PocketCalculator::Operator::Add);
        else if (k == u'-')
            error = calc.apply(PocketCalculator::Operator::Subtract);
        else if (k == u'*')
            error = calc.apply(PocketCalculator::Operator::Multiply);
        else if (k == u'/')
            error = calc.apply(PocketCalculator::Operator::Divide);
        else if (k == u'c')
            calc.clear();
        else if (k == u's')
            error = calc.squareRoot();
        else if (k == u'x')
            error = calc.reciprocal();
        if (!error.isEmpty())
            message = error;
    }
    return message;
}

class TestPocketCalculator : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sequences_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("message");

        const QString none;
        QTest::newRow("sum") << "2+3="
                             << "5" << none;
        QTest::newRow("equals repeats") << "2+3=="
                                        << "10" << none;
        QTest::newRow("equals repeats twice") << "2+3==="
                                              << "20" << none;
        QTest::newRow("left to right") << "2+3*4="
                                       << "20" << none;
        QTest::newRow("operator shows running total") << "2+3*"
                                                      << "5" << none;
        QTest::newRow("chain after a result") << "2+3=4*2="
                                              << "18" << none;
        QTest::newRow("digit after a result") << "2+3=7"
                                              << "7" << none;
        QTest::newRow("subtraction below zero") << "3-5="
                                                << "-2" << none;
        QTest::newRow("leading minus") << "-5="
                                       << "-5" << none;
        QTest::newRow("division") << "10/4="
                                  << "2,5" << none;
        QTest::newRow("decimal comma") << "1,5+1="
                                       << "2,5" << none;
        QTest::newRow("point as comma") << "1.5+1="
                                        << "2,5" << none;
        QTest::newRow("square root") << "9s"
                                     << "3" << none;
        QTest::newRow("reciprocal") << "4x"
                                    << "0,25" << none;
        QTest::newRow("root of two") << "2s"
                                     << "1,4142135623731" << none;
        QTest::newRow("third cut to 15 characters") << "1/3="
                                                    << "0,3333333333333" << none;
        QTest::newRow("two thirds rounded") << "2/3="
                                            << "0,6666666666667" << none;
        QTest::newRow("no binary noise") << "0,1+0,2="
                                         << "0,3" << none;
        QTest::newRow("large product") << "99999999*99999999="
                                       << "9,9999998E15" << none;
        QTest::newRow("reciprocal feeds the accumulator") << "4x+1="
                                                          << "1,25" << none;
        QTest::newRow("C forgets operator and accumulator") << "2+3c5=="
                                                            << "5" << none;
        QTest::newRow("C empties the display") << "2+3c"
                                               << "" << none;
        QTest::newRow("unreadable first number emptied") << "1,,2+"
                                                         << "" << none;
        QTest::newRow("then counts as zero") << "1,,2+3="
                                             << "3" << none;

        QTest::newRow("division by zero") << "5/0="
                                          << "0" << PocketCalculator::divisionByZeroMessage();
        QTest::newRow("zero by zero") << "0/0="
                                      << "0" << PocketCalculator::divisionByZeroMessage();
        QTest::newRow("reciprocal of zero") << "0x"
                                            << "0" << PocketCalculator::divisionByZeroMessage();
        QTest::newRow("root of a negative") << "0-4=s"
                                            << "-4" << PocketCalculator::invalidOperationMessage();
        QTest::newRow("bad operand") << "2+1,,2="
                                     << "1,,2"
                                     << "'1,,2' n'est pas une valeur flottante correcte";
        QTest::newRow("bad number for sqr") << "s"
                                            << ""
                                            << "'' n'est pas une valeur flottante correcte";
    }

    void sequences() {
        QFETCH(QString, keys);
        PocketCalculator calc;
        QFETCH(QString, display);
        QFETCH(QString, message);
        QCOMPARE(press(calc, keys), message);
        QCOMPARE(calc.display(), display);
    }

    void failureKeepsState() {
        PocketCalculator calc;
        QCOMPARE(press(calc, QStringLiteral("8/0=")), PocketCalculator::divisionByZeroMessage());
        // The failed "=" changed nothing: a new divisor continues the calculation.
        press(calc, QStringLiteral("c"));
        QCOMPARE(press(calc, QStringLiteral("8/0/")), PocketCalculator::divisionByZeroMessage());
        QCOMPARE(calc.pendingOperator(), PocketCalculator::Operator::Divide);
        QCOMPARE(double(calc.accumulator()), 8.0);
        press(calc, QStringLiteral("2="));
        QCOMPARE(calc.display(), QStringLiteral("4"));
    }

    void overflow() {
        PocketCalculator calc;
        calc.digit(9);
        press(calc, QStringLiteral("*"));
        // Squaring again and again leaves the range of the calculator.
        QString message;
        for (int i = 0; i < 20 && message.isEmpty(); ++i)
            message = press(calc, QStringLiteral("="));
        QCOMPARE(message, PocketCalculator::overflowMessage());
        QVERIFY(calc.display().contains(u'E'));
    }
};

QTEST_GUILESS_MAIN(TestPocketCalculator)
#include "tst_pocketcalculator.moc"
