#pragma once

#include "reports/activityreport.h"

#include <QDate>
#include <QDialog>

class QLineEdit;
class QTableWidget;

// The activity report, "Rapport d'activité": what was done between two dates.
class TRapport : public QDialog {
    Q_OBJECT
public:
    explicit TRapport(QWidget *parent = nullptr);
    // Keeps a sorted copy of the entries, shows this year and fills the grid.
    void Init(QList<ActivityReport::Entry> entries, const QString &suffix,
              const QDate &today = QDate::currentDate());
    // Fills the grid for the period shown; the rows beyond stay, emptied.
    void Remplit();

private:
    void printTable();

    QList<ActivityReport::Entry> m_entries;
    QLineEdit *m_from;
    QLineEdit *m_to;
    QTableWidget *m_grid;
    qint32 m_count = 0;
};
