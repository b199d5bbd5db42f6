#pragma once

#include "store/cardpage.h"
#include "store/dataset.h"

class CostEdit;
class FollowUpGrid;
class QCheckBox;
class QPushButton;

// The operation page of the record card.
class OperationPage : public CardPage {
    Q_OBJECT
public:
    explicit OperationPage(QWidget *parent = nullptr);

    void display(const Operation &operation, const FollowUpInput &input);
    void collect(Operation &operation, FollowUpInput &input) const;

    void setTypes(const QStringList &items);
    QStringList types() const;

    QWidget *firstField() const override;

Q_SIGNALS:
    void followUpRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_code, *m_summary;
    QComboBox *m_type;
    CostEdit *m_fixedCost, *m_unitCost;
    QDateEdit *m_start, *m_end;
    QCheckBox *m_urgent;
    QPlainTextEdit *m_description, *m_highlights;
    QDateEdit *m_inputDate;
    QLineEdit *m_inputLabel, *m_inputText;
    QPushButton *m_inputOk;
    FollowUpGrid *m_grid;
};
