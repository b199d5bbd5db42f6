#include "store/dates.h"

#include <QStringList>

namespace {

// Splits "a<sep>b<sep>c" into numbers of at most maxDigits digits each.
bool numbers(const QString &text, QChar sep, int parts, int out[3]) {
    const QStringList items = text.trimmed().split(sep);
    if (items.size() != parts && !(parts == 3 && sep == u':' && items.size() == 2))
        return false;
    for (int i = 0; i < 3; ++i)
        out[i] = 0;
    for (int i = 0; i < items.size(); ++i) {
        const QString &item = items.at(i);
        if (item.isEmpty() || item.size() > 4)
            return false;
        for (const QChar c : item)
            if (c < u'0' || c > u'9')
                return false;
        out[i] = item.toInt();
    }
    return true;
}

} // namespace

namespace Dates {

QString format(const QDate &date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QString formatTime(const QTime &time) {
    return time.toString(QStringLiteral("HH:mm:ss"));
}

QDate parse(const QString &text) {
    int v[3];
    if (!numbers(text, u'/', 3, v))
        return {};
    const QStringList items = text.trimmed().split(u'/');
    if (items[0].size() > 2 || items[1].size() > 2 || items[2].size() == 3)
        return {};
    int year = v[2];
    if (items[2].size() <= 2)
        year += 2000;
    return QDate(year, v[1], v[0]);
}

QTime parseTime(const QString &text) {
    int v[3];
    if (!numbers(text, u':', 3, v))
        return {};
    for (const QString &item : text.trimmed().split(u':'))
        if (item.size() > 2)
            return {};
    return QTime(v[0], v[1], v[2]);
}

} // namespace Dates
