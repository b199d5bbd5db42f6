#pragma once

#include <QString>

#include <optional>

// Number texts of the desk utilities: a decimal comma, never a point.

// Shortest general form: at most `precision` significant digits, no trailing
// zeros, the exponent form ("1,5E20", "1E-6") only for more than `precision`
// integer digits or a magnitude below 0,00001.
QString formatGeneral(long double value, int precision = 15);

// Reads a decimal number written with a comma: optional sign, digits with at
// most one comma, an optional exponent ("E-6"); spaces around are allowed.
std::optional<long double> parseDecimal(const QString &text);
