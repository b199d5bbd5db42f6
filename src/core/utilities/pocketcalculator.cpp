#include "utilities/pocketcalculator.h"

#include "utilities/numberformat.h"

#include <cmath>
#include <optional>

QString PocketCalculator::badNumberMessage(const QString &text) {
    return QStringLiteral("'%1' n'est pas une valeur flottante correcte").arg(text);
}

QString PocketCalculator::divisionByZeroMessage() {
    return QStringLiteral("Division flottante par zéro");
}

QString PocketCalculator::invalidOperationMessage() {
    return QStringLiteral("Opération flottante incorrecte");
}

QString PocketCalculator::overflowMessage() {
    return QStringLiteral("Débordement de virgule flottante");
}

QString PocketCalculator::displayText(long double value) {
    QString text = formatGeneral(value);
    // A long fraction is rounded to fewer digits until it fits the display.
    for (int precision = 14; text.contains(u',') && text.size() > 15 && precision > 0; --precision)
        text = formatGeneral(value, precision);
    return text;
}

void PocketCalculator::digit(int d) {
    if (m_newEntry)
        m_display.clear();
    m_display += QChar(u'0' + d);
    m_newEntry = false;
}

void PocketCalculator::comma() {
    // The new-entry flag is left as it is: a digit typed after a result still
    // starts a new number.
    m_display += u',';
}

QString PocketCalculator::equals() {
    if (!m_accumulatorSet) {
        // The first number of a calculation: an unreadable display is simply emptied.
        const std::optional<long double> x = parseDecimal(m_display);
        if (x)
            m_accumulator = *x;
        else
            m_display.clear();
        m_accumulatorSet = true;
        m_newEntry = true;
        return {};
    }
    const std::optional<long double> x = parseDecimal(m_display);
    if (!x)
        return badNumberMessage(m_display);
    long double value = m_accumulator;
    switch (m_operator) {
    case Operator::None:
        break;
    case Operator::Add:
        value += *x;
        break;
    case Operator::Subtract:
        value -= *x;
        break;
    case Operator::Multiply:
        value *= *x;
        break;
    case Operator::Divide:
        if (*x == 0)
            return divisionByZeroMessage();
        value /= *x;
        break;
    }
    if (std::isinf(value))
        return overflowMessage();
    m_operand = *x;
    m_accumulator = value;
    m_display = displayText(value);
    m_newEntry = true;
    return {};
}

QString PocketCalculator::apply(Operator op) {
    const QString error = equals();
    if (error.isEmpty())
        m_operator = op;
    return error;
}

QString PocketCalculator::showResult(long double value) {
    m_accumulator = value;
    m_display = displayText(value);
    m_accumulatorSet = true;
    m_newEntry = true;
    return {};
}

QString PocketCalculator::reciprocal() {
    const std::optional<long double> x = parseDecimal(m_display);
    if (!x)
        return badNumberMessage(m_display);
    if (*x == 0)
        return divisionByZeroMessage();
    return showResult(1 / *x);
}

QString PocketCalculator::squareRoot() {
    const std::optional<long double> x = parseDecimal(m_display);
    if (!x)
        return badNumberMessage(m_display);
    if (*x < 0)
        return invalidOperationMessage();
    return showResult(std::sqrt(*x));
}

void PocketCalculator::clear() {
    m_display.clear();
    m_accumulator = 0;
    m_operand = 0;
    m_operator = Operator::None;
    m_accumulatorSet = false;
}
