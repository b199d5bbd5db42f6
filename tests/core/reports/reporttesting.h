#pragma once

// Record lists for the report tests: blocks written by hand, field by field.

#include "core/coretest.h"

namespace ReportTesting {

using ::block;
using ::listOf;

// An operation: code, type, summary, two costs, start, end, urgency, then
// its follow-up rows as "DATA" lines.
inline QStringList operation(int number, const QString &type, const QString &summary,
                             const QString &start, const QString &end, const QStringList &data = {},
                             bool closed = true) {
    QStringList content{
        QString::number(10001 + number), type, summary, "1,00", "0,00", start, end, "N"};
    for (const QString &row : data)
        content += QStringLiteral("DATA") + row;
    return block(4, number, content, closed);
}

// A company: code, date, name, then the rest of its fixed lines.
inline QStringList company(int number, const QString &code, const QString &name) {
    return block(5, number,
                 {code, "01/01/2024", name, QString(), QString(), "75001", "Paris", QString(),
                  QString(), QString(), QString(), QString(), QString()});
}

// A day action: code, date, time, action, company code, company name,
// outcome, validated flag and the company's copied lines.
inline QStringList dayAction(int number, const QString &date, const QString &time,
                             const QString &action, const QString &companyCode, const QString &name,
                             bool validated = false) {
    return block(4, number,
                 {QString::number(10001 + number), date, time, action, companyCode, name, QString(),
                  validated ? QStringLiteral("Y") : "N", name, QString(), QString(), QString(),
                  QString(), QString()});
}

} // namespace ReportTesting
