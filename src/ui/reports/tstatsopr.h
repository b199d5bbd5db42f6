#pragma once

#include "reports/operationstats.h"

#include <QDialog>

class QTableWidget;

// The answers brought by each operation, as a table that can be printed and
// drawn as a chart.
class TStatsOpr : public QDialog {
    Q_OBJECT
public:
    explicit TStatsOpr(QWidget *parent = nullptr);
    // Sorts the entries and fills the grid; suffix ends the caption.
    void Init(QList<OperationStats::Entry> entries, const QString &suffix);

private:
    void printTable();
    void showChart();

    QTableWidget *m_grid;
    int m_count = 0;
};
