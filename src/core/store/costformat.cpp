#include "store/costformat.h"

namespace Cost {

QChar filterKey(QChar key) {
    if (key == u'.')
        return u',';
    if (key == u'\b' || key == u',' || (key >= u'0' && key <= u'9'))
        return key;
    return {};
}

bool acceptsText(const QString &text) {
    qsizetype commas = 0;
    for (const QChar c : text) {
        if (c == u',')
            ++commas;
        else if (c != u' ' && (c < u'0' || c > u'9'))
            return false;
    }
    return commas <= 1;
}

QString FormatCout(const QString &text) {
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        return text + QLatin1String(",00");
    if (comma == 0)
        return FormatCout(u'0' + text);
    QString decimals = text.mid(comma + 1, 2);
    while (decimals.size() < 2)
        decimals += u'0';
    return text.left(comma + 1) + decimals;
}

QString Rset(const QString &text, int width, const QFontMetrics &metrics) {
    QString s = text.trimmed();
    if (s.isEmpty())
        return s;
    // One space at a time, as long as the text still fits in width - 10; the
    // bound only guards against a font whose space has no width.
    for (int i = 0; i < width && metrics.horizontalAdvance(s) <= width - 10; ++i)
        s.prepend(u' ');
    return s;
}

QString leaveField(const QString &text, const QFontMetrics &metrics) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return text;
    return Rset(FormatCout(trimmed), 100, metrics);
}

} // namespace Cost
