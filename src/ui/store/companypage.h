#pragma once

#include "store/cardpage.h"
#include "store/dataset.h"

class DocumentList;
class FollowUpGrid;
class QPushButton;
class QToolButton;

// The company page of the record card.
class CompanyPage : public CardPage {
    Q_OBJECT
public:
    explicit CompanyPage(QWidget *parent = nullptr);

    void display(const Company &company, const FollowUpInput &input);
    // Copies the fields into the card value; the grid is only shown, its rows
    // change in the record store.
    void collect(Company &company, FollowUpInput &input) const;

    void setActivities(const QStringList &items);
    QStringList activities() const;

    QWidget *firstField() const override;
    // The documents sent to the company shown; the card tells it which.
    DocumentList *documents() const { return m_documents; }

Q_SIGNALS:
    void followUpRequested();

private:
    QLineEdit *m_code, *m_name, *m_address1, *m_address2, *m_postalCode, *m_town, *m_phone, *m_fax,
        *m_email, *m_contact, *m_web;
    QDateEdit *m_date;
    QComboBox *m_activity;
    QPlainTextEdit *m_notice, *m_observations;
    QDateEdit *m_inputDate;
    QLineEdit *m_inputAction, *m_inputText;
    QPushButton *m_inputOk;
    FollowUpGrid *m_grid;
    DocumentList *m_documents;
    QToolButton *m_mail, *m_site;
};
