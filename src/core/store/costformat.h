#pragma once

#include <QFontMetrics>
#include <QString>

// The amounts of the operation card's cost fields.
namespace Cost {

// The cost field's key filter: "." becomes ",", Backspace passes, anything
// but a digit or "," is refused (a null QChar).
QChar filterKey(QChar key);

// What a cost field may hold, typed or pasted: digits, at most one ",", and
// the spaces of its padding.
bool acceptsText(const QString &text);

// ",5" -> "0,50", "12,567" -> "12,56", "12,5" -> "12,50", "12," -> "12,00", "7" -> "7,00".
QString FormatCout(const QString &text);

// Right-aligns text in a column `width` pixels wide by putting spaces in front
// until it is wider than width - 10; empty when text is blank.
QString Rset(const QString &text, int width, const QFontMetrics &metrics);

// What leaving a cost field puts into it; the text itself when blank.
QString leaveField(const QString &text, const QFontMetrics &metrics);

} // namespace Cost
