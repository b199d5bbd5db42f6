#pragma once

#include "reports/planning.h"

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QTableWidget;

// The follow-up planning: the day actions of the day picked on a calendar,
// in time order; double-clicking one chooses its company.
class TPlanning : public QDialog {
    Q_OBJECT
public:
    explicit TPlanning(QWidget *parent = nullptr);
    // Builds the planning list and shows today.
    void Init(const BlocList &companies, const BlocList &dayActions,
              const QDate &today = QDate::currentDate());
    // Fills the grid for a day given as "dd/mm/yyyy".
    void LitJour(const QString &day);
    // The chosen company's record number, or -1.
    int Result() const { return m_chosen ? m_number : -1; }

private:
    void dayChanged();
    void rowDoubleClicked(int row);

    Planning m_planning;
    QCalendarWidget *m_calendar;
    QTableWidget *m_grid;
    bool m_chosen = false;
    int m_number = -1;
};
