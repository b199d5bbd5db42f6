#include "find/listrows.h"

#include "store/blockfield.h"

namespace ListRows {

const QList<Column> &columns(Kind kind) {
    static const QList<Column> companies = {
        {QStringLiteral("Date"), 2, 86},      {QStringLiteral("Société"), 3, 198},
        {QStringLiteral("Adresse1"), 4, 198}, {QStringLiteral("Adresse2"), 5, 150},
        {QStringLiteral("C.P."), 6, 52},      {QStringLiteral("Ville"), 7, 64},
        {QStringLiteral("Téléphone"), 8, 64}};
    static const QList<Column> operations = {
        {QStringLiteral("Type"), 2, 150},      {QStringLiteral("Résumé"), 3, 189},
        {QStringLiteral("Coût fixe"), 4, 101}, {QStringLiteral("Coût unitaire"), 5, 103},
        {QStringLiteral("Date début"), 6, 85}, {QStringLiteral("Date fin"), 7, 82}};
    static const QList<Column> dayActions = {
        {QStringLiteral("Date"), 2, 86},      {QStringLiteral("Heure"), 3, 63},
        {QStringLiteral("Action"), 4, 150},   {QStringLiteral("Société"), 6, 150},
        {QStringLiteral("Adresse"), 10, 153}, {QStringLiteral("Cp"), 12, 56},
        {QStringLiteral("Ville"), 13, 113}};
    switch (kind) {
    case Kind::Company:
        return companies;
    case Kind::Operation:
        return operations;
    case Kind::DayAction:
        break;
    }
    return dayActions;
}

QString caption(Kind kind) {
    switch (kind) {
    case Kind::Company:
        return QStringLiteral("Liste des sociétés");
    case Kind::Operation:
        return QStringLiteral("Liste des actions");
    case Kind::DayAction:
        break;
    }
    return QStringLiteral("Liste des rendez-vous");
}

QStringList headings(Kind kind) {
    QStringList row{QString(), QString()};
    for (const Column &column : columns(kind))
        row.append(column.heading);
    return row;
}

QList<QStringList> rows(const BlocList &list, Kind kind) {
    const QList<Column> &cols = columns(kind);
    const std::size_t count = list.index().opens.size();
    QList<QStringList> out;
    out.reserve(qsizetype(count));
    BlockField::Cursor cursor(list);
    for (std::size_t k = 0; k < count; ++k) {
        cursor.seek(k);
        QStringList row;
        row.reserve(2 + cols.size());
        row.append(list.lines().at(cursor.tag()).mid(5, list.width()));
        row.append(QString::number(k + 1));
        for (const Column &column : cols)
            row.append(cursor.at(column.offset));
        out.append(std::move(row));
    }
    return out;
}

int blockNumber(const QString &cell) {
    if (cell.isEmpty() || cell.size() > 9)
        return -1;
    int n = 0;
    for (const QChar c : cell) {
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

} // namespace ListRows
