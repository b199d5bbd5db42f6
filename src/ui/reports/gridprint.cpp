#include "reports/gridprint.h"

#include "print/printjob.h"
#include "reports/impgrille.h"
#include "store/dates.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>

namespace {

PrintedGrid printed(const QTableWidget *grid, int rowCount) {
    PrintedGrid out;
    QStringList heading;
    for (int c = 0; c < grid->columnCount(); ++c) {
        const QTableWidgetItem *item = grid->horizontalHeaderItem(c);
        heading << (item ? item->text() : QString());
        out.columnWidths << grid->columnWidth(c);
    }
    out.rows << heading;
    for (int r = 0; r < rowCount && r < grid->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->columnCount(); ++c) {
            const QTableWidgetItem *item = grid->item(r, c);
            cells << (item ? item->text() : QString());
        }
        out.rows << cells;
    }
    out.width = grid->width();
    const QFont font = grid->font();
    out.font.name = font.family();
    out.font.size = font.pointSizeF() > 0 ? font.pointSizeF() : 8;
    out.font.style = PrintSurface::Plain;
    if (font.bold())
        out.font.style |= PrintSurface::Bold;
    if (font.italic())
        out.font.style |= PrintSurface::Italic;
    return out;
}

} // namespace

void printGrid(QWidget *parent, const QTableWidget *grid, int rowCount) {
    const QString title =
        QStringLiteral("Statistiques employés au ") + Dates::format(QDate::currentDate());
    const PrintJob printout = [table = printed(grid, rowCount), title,
                               rowCount](PainterSurface &surface) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const bool done = ImpGrille(surface, table, title, {}, rowCount, QDate::currentDate());
        QApplication::restoreOverrideCursor();
        return done;
    };
    if (askRunPrinter(parent, printout))
        printOnRunPrinter(parent, printout);
}

QTableWidget *reportGrid(QWidget *parent, const char *name, const QList<int> &widths,
                         const QStringList &headers) {
    auto *grid = new QTableWidget(0, int(widths.size()), parent);
    grid->setObjectName(QLatin1String(name));
    grid->setHorizontalHeaderLabels(headers);
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    int width = 0;
    for (qsizetype c = 0; c < widths.size(); ++c) {
        grid->setColumnWidth(int(c), widths[c]);
        width += widths[c];
    }
    grid->setMinimumWidth(width + 24);
    return grid;
}

// Empties every cell, keeping the rows.
void clearCells(QTableWidget *grid) {
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
            if (QTableWidgetItem *item = grid->item(r, c))
                item->setText(QString());
}

void setCell(QTableWidget *grid, int row, int column, const QString &text) {
    if (QTableWidgetItem *item = grid->item(row, column))
        item->setText(text);
    else
        grid->setItem(row, column, new QTableWidgetItem(text));
}
