#pragma once

#include <QString>

// The four-function calculator (TPocket). Operators apply from left to right
// as they are entered; "=" repeats the pending operator with the number on
// the display. Every computation reads the display text back as a number.
class PocketCalculator {
public:
    enum class Operator { None, Add, Subtract, Multiply, Divide };

    // The display text, as typed or as the last result.
    QString display() const { return m_display; }

    void digit(int d); // 0 to 9
    void comma();

    // These return the runtime's French message when the operation fails,
    // an empty text otherwise; a failed operation leaves the display alone.
    QString equals();
    QString apply(Operator op); // "+", "-", "*", "/"
    QString reciprocal();       // "1/x"
    QString squareRoot();       // "sqr"

    void clear(); // "C": keeps the new-entry flag

    Operator pendingOperator() const { return m_operator; }
    long double accumulator() const { return m_accumulator; }

    // A result as the display shows it: the general form, cut to 15
    // characters when it has a decimal comma.
    static QString displayText(long double value);

    static QString badNumberMessage(const QString &text);
    static QString divisionByZeroMessage();
    static QString invalidOperationMessage();
    static QString overflowMessage();

private:
    QString showResult(long double value);

    QString m_display;
    long double m_accumulator = 0;
    long double m_operand = 0;
    Operator m_operator = Operator::None;
    bool m_accumulatorSet = false;
    bool m_newEntry = false;
};
