#include "reports/reportfields.h"

namespace ReportFields {

QString dateKey(const QString &date) {
    return date.mid(6, 4) + date.mid(3, 2) + date.mid(0, 2);
}

QString keyToDate(const QString &key) {
    return key.mid(6, 2) + u'/' + key.mid(4, 2) + u'/' + key.mid(0, 4);
}

QString flat(QString text) {
    for (QChar &c : text)
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    return text;
}

} // namespace ReportFields
