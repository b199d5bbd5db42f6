#pragma once

#include "store/cardpage.h"
#include "store/dataset.h"

class QPushButton;
class QTimeEdit;

// The day-action page of the record card.
class DayActionPage : public CardPage {
    Q_OBJECT
public:
    explicit DayActionPage(QWidget *parent = nullptr);

    void display(const DayAction &action);
    void collect(DayAction &action) const;

    QWidget *firstField() const override;

Q_SIGNALS:
    void pickRequested();
    void validateRequested();

private:
    QLineEdit *m_code, *m_action, *m_companyCode, *m_companyName, *m_result;
    QDateEdit *m_date;
    QTimeEdit *m_time;
    QPushButton *m_pick, *m_validate;
    QPlainTextEdit *m_comment;
    QLineEdit *m_group[6];
};
