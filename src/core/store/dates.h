#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// The program's short date "dd/mm/yyyy" and long time "hh:mm:ss".
namespace Dates {

QString format(const QDate &date);
QString formatTime(const QTime &time);
// Lenient like the short-date conversion of the original input rules: one or
// two digits for day and month, two or four for the year; invalid on failure.
QDate parse(const QString &text);
QTime parseTime(const QString &text);

} // namespace Dates
