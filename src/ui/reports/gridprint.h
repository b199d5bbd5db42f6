#pragma once

#include <QList>
#include <QStringList>

class QTableWidget;
class QWidget;

// Prints the heading row and the first rowCount rows of a report grid as a
// ruled table, after the print dialog on the run's printer (see
// printOnRunPrinter); a printer that cannot be opened is reported.
void printGrid(QWidget *parent, const QTableWidget *grid, int rowCount);

// A grid of the report windows: columns of the given widths, the header row
// as the table's header, whole cells read-only.
QTableWidget *reportGrid(QWidget *parent, const char *name, const QList<int> &widths,
                         const QStringList &headers);

// Empties every cell, keeping the rows.
void clearCells(QTableWidget *grid);
void setCell(QTableWidget *grid, int row, int column, const QString &text);
