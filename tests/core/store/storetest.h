#pragma once

#include "store/bloclist.h"

#include <QStringList>

// A block of the company (width 5) or other (width 4) lists, built by hand.
inline QStringList blockLines(int width, int number, const QStringList &content) {
    const QString n = QString::number(number).rightJustified(width, u'0');
    return QStringList{"<BLOC" + n + ">"} + content + QStringList{"</BLOC" + n + ">"};
}

// Block numbers of the opening tags, in list order.
inline QList<int> tagOrder(const BlocList &list) {
    QList<int> out;
    for (const int n : list.tagNumbers())
        out << n;
    return out;
}
