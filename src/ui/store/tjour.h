#pragma once

#include "common/smalldialog.h"

class QDateEdit;

// Asks for the day of the day-action selection.
class TJour : public SmallDialog {
    Q_OBJECT
public:
    explicit TJour(QWidget *parent = nullptr);

    // day as "dd/mm/yyyy"; an empty or unreadable day leaves today.
    void Init(const QString &day, const QDate &today);
    // The picked day as "dd/mm/yyyy" when OK was pressed, else empty.
    QString Result() const;

private:
    QDateEdit *m_date;
};
