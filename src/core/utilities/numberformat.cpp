#include "utilities/numberformat.h"

#include <QRegularExpression>

#include <charconv>
#include <cmath>

// Number texts never depend on the C locale, which a Qt program sets from the
// environment: std::to_chars and std::from_chars always use a point.

QString formatGeneral(long double value, int precision) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");

    // Significant digits and decimal exponent, rounded to the precision.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, precision - 1);
    const QString scientific = QString::fromLatin1(buffer, written.ptr - buffer);
    const qsizetype e = scientific.indexOf(u'e');
    const int exponent = scientific.mid(e + 1).toInt();
    const bool negative = scientific.startsWith(u'-');
    QString digits = scientific.left(e);
    digits.remove(u'-');
    digits.remove(u'.');
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    QString result;
    if (exponent >= precision || std::fabs(value) < 0.00001L) {
        result = digits.left(1);
        if (digits.size() > 1)
            result += u',' + digits.mid(1);
        result += u'E' + QString::number(exponent);
    } else if (exponent < 0) {
        result = QStringLiteral("0,") + QString(-exponent - 1, u'0') + digits;
    } else {
        const int intDigits = exponent + 1;
        if (digits.size() <= intDigits) {
            result = digits + QString(intDigits - digits.size(), u'0');
        } else {
            result = digits.left(intDigits) + u',' + digits.mid(intDigits);
        }
    }
    return negative ? u'-' + result : result;
}

std::optional<long double> parseDecimal(const QString &text) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*([+-]?(?:\\d+,?\\d*|,\\d+)(?:[eE][+-]?\\d+)?)\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QByteArray number = match.captured(1).replace(u',', u'.').toLatin1();
    const char *first = number.constData();
    const char *last = first + number.size();
    if (*first == '+')
        ++first; // from_chars takes no plus sign
    long double value = 0;
    const auto read = std::from_chars(first, last, value);
    if (read.ec != std::errc() || read.ptr != last)
        return std::nullopt;
    return value;
}
