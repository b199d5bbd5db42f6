#include "store/followupgrid.h"

#include <QHeaderView>

FollowUpGrid::FollowUpGrid(const QString &actionHeader, int dateWidth, int actionWidth,
                           int textWidth, QWidget *parent)
    : QTableWidget(FollowUp::GridRows, 3, parent) {
    setHorizontalHeaderLabels({QStringLiteral("Date"), actionHeader, QStringLiteral("Suivi")});
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    setColumnWidth(0, dateWidth);
    setColumnWidth(1, actionWidth);
    setColumnWidth(2, textWidth);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setFocusPolicy(Qt::ClickFocus);
    setWordWrap(false);
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < 3; ++c)
            setItem(r, c, new QTableWidgetItem);
}

void FollowUpGrid::setRows(const QList<FollowUpRow> &rows) {
    clearSelection(); // a row chosen on the last record means nothing on this one
    for (int r = 0; r < rowCount(); ++r) {
        const FollowUpRow row = r < rows.size() ? rows.at(r) : FollowUpRow{};
        item(r, 0)->setText(row.date);
        item(r, 1)->setText(row.action);
        item(r, 2)->setText(row.text);
    }
}

FollowUpRow FollowUpGrid::row(int index) const {
    return {item(index, 0)->text(), item(index, 1)->text(), item(index, 2)->text()};
}
