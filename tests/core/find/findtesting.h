#pragma once

// Record lists and data sets for the search, sort and list tests.

#include "store/dataset.h"
#include "store/textfile.h"

#include <QTemporaryDir>

// A block of the list's width: tag, content lines, closing tag.
inline QStringList block(int width, int number, const QStringList &content) {
    const QString n = QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
    return QStringList{QStringLiteral("<BLOC") + n + u'>'} + content +
           QStringList{QStringLiteral("</BLOC") + n + u'>'};
}

// A company: code, date, name, two address lines, postal code, town,
// telephone, fax, e-mail, contact, web, activity.
inline QStringList company(int number, const QString &code, const QString &name,
                           const QString &phone = {}, const QString &contact = {},
                           const QString &date = QStringLiteral("01/02/2024")) {
    return block(5, number,
                 {code, date, name, QStringLiteral("1 rue Haute"), QString(),
                  QStringLiteral("75001"), QStringLiteral("Paris"), phone, QString(), QString(),
                  contact, QString(), QStringLiteral("Informatique")});
}

// An operation: code, type, summary, costs, start and end dates, urgency.
inline QStringList operation(int number, const QString &code, const QString &summary,
                             const QString &start = QStringLiteral("01/03/2024")) {
    return block(4, number,
                 {code, QStringLiteral("Salon"), summary, QStringLiteral("12,50"),
                  QStringLiteral("1,00"), start, QStringLiteral("15/03/2024"),
                  QStringLiteral("N")});
}

// A day action: code, date, time, action, then the company's lines.
inline QStringList dayAction(int number, const QString &code, const QString &action,
                             const QString &date = QStringLiteral("05/03/2024")) {
    return block(4, number,
                 {code, date, QStringLiteral("09:30:00"), action, QStringLiteral("10001"),
                  QStringLiteral("Dupont SA"), QString(), QStringLiteral("N"),
                  QStringLiteral("Dupont SA"), QStringLiteral("3 rue Basse"), QString(),
                  QStringLiteral("69001"), QStringLiteral("Lyon"), QString()});
}

inline BlocList listOf(int width, const QStringList &lines) {
    BlocList list(width);
    list.setLines(lines);
    return list;
}

// A data set opened from files written in a temporary folder.
struct OpenDataSet {
    QTemporaryDir dir;
    DataSet data;
    QStringList messages;

    explicit OpenDataSet(const QStringList &companies, const QStringList &operations = {},
                         const QStringList &dayActions = {}) {
        TextFile::write(dir.filePath("t.tvr"), companies);
        TextFile::write(dir.filePath("t.opr"), operations);
        TextFile::write(dir.filePath("t.jnr"), dayActions);
        data.setMessageHandler([this](const QString &text) { messages << text; });
        data.Charge(dir.filePath("t.tvr"));
    }
};
