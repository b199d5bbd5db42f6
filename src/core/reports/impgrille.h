#pragma once

#include "print/printsurface.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// A grid as it is printed: its cells (row 0 the heading row), the on-screen
// widths of its columns and of the grid itself, and its font.
struct PrintedGrid {
    QList<QStringList> rows;
    QList<int> columnWidths; // pixels
    int width = 0;           // pixels
    PrintSurface::Font font;

    QString cell(int row, int column) const {
        return row < rows.size() && column < rows.at(row).size() ? rows.at(row).at(column)
                                                                 : QString();
    }
};

// Prints rows 0 to rowCount of the grid as a ruled table: a silver band under
// the heading row, the heading and "Imprimé le " + today on every page, a new
// page whenever a page is full and rows remain. False when the document could
// not be begun (errorString() of the surface says why).
bool ImpGrille(PrintSurface &surface, const PrintedGrid &grid, const QString &title,
               const QString &heading, int rowCount, const QDate &today);
