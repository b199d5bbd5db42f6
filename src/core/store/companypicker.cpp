#include "store/companypicker.h"

namespace CompanyPicker {

QStringList items(const BlocList &companies) {
    QStringList out;
    const QStringList &lines = companies.lines();
    // A block too near the end to have its name line gets no item.
    for (const qsizetype i : companies.index().opens)
        if (i + 3 < lines.size())
            out.append(lines.at(i + 1) + u' ' + lines.at(i + 3));
    return out;
}

QString code(const QString &item) {
    const qsizetype space = item.indexOf(u' ');
    return space < 0 ? item : item.left(space);
}

} // namespace CompanyPicker
