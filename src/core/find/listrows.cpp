#include "find/listrows.h"

#include "store/blockfield.h"
#include "store/recordlines.h"

namespace ListRows {

const QList<Column> &columns(Kind kind) {
    static const QList<Column> companies = {
        {QStringLiteral("Date"), CompanyLine::Date, 86},
        {QStringLiteral("Société"), CompanyLine::Name, 198},
        {QStringLiteral("Adresse1"), CompanyLine::Address1, 198},
        {QStringLiteral("Adresse2"), CompanyLine::Address2, 150},
        {QStringLiteral("C.P."), CompanyLine::PostalCode, 52},
        {QStringLiteral("Ville"), CompanyLine::Town, 64},
        {QStringLiteral("Téléphone"), CompanyLine::Phone, 64}};
    static const QList<Column> operations = {
        {QStringLiteral("Type"), OperationLine::Type, 150},
        {QStringLiteral("Résumé"), OperationLine::Summary, 189},
        {QStringLiteral("Coût fixe"), OperationLine::FixedCost, 101},
        {QStringLiteral("Coût unitaire"), OperationLine::UnitCost, 103},
        {QStringLiteral("Date début"), OperationLine::Start, 85},
        {QStringLiteral("Date fin"), OperationLine::End, 82}};
    static const QList<Column> dayActions = {
        {QStringLiteral("Date"), DayActionLine::Date, 86},
        {QStringLiteral("Heure"), DayActionLine::Time, 63},
        {QStringLiteral("Action"), DayActionLine::Action, 150},
        {QStringLiteral("Société"), DayActionLine::CompanyName, 150},
        {QStringLiteral("Adresse"), DayActionLine::GroupAddress1, 153},
        {QStringLiteral("Cp"), DayActionLine::GroupPostalCode, 56},
        {QStringLiteral("Ville"), DayActionLine::GroupTown, 113}};
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

Table::Table(const BlocList &list, Kind kind) : m_list(list), m_kind(kind) {
    const std::size_t count = list.index().opens.size();
    m_tags.reserve(count);
    m_nextTags.reserve(count);
    BlockField::Cursor cursor(list);
    for (std::size_t k = 0; k < count; ++k) {
        cursor.seek(k);
        m_tags.push_back(cursor.tag());
        m_nextTags.push_back(cursor.nextTag());
    }
}

int Table::columnCount() const {
    return 2 + int(columns(m_kind).size());
}

QString Table::cell(int row, int column) const {
    const qsizetype tag = m_tags[std::size_t(row)];
    if (column == 0)
        return m_list.at(tag).mid(5, m_list.width());
    if (column == 1)
        return QString::number(row + 1);
    return BlockField::atBefore(m_list, tag, m_nextTags[std::size_t(row)],
                                columns(m_kind).at(column - 2).offset);
}

QStringList Table::row(int row) const {
    QStringList cells;
    cells.reserve(columnCount());
    for (int c = 0; c < columnCount(); ++c)
        cells.append(cell(row, c));
    return cells;
}

QList<QStringList> rows(const BlocList &list, Kind kind) {
    const Table table(list, kind);
    QList<QStringList> out;
    out.reserve(table.rowCount());
    for (int r = 0; r < table.rowCount(); ++r)
        out.append(table.row(r));
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
