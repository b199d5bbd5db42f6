#pragma once

#include "common/smalldialog.h"
#include "store/companypicker.h"

class BlocList;
class QLineEdit;
class QListWidget;

// The company picker of the day-action card: "code name" items in list order,
// under a field that keeps only the names holding the text typed into it.
// Up and down in that field move through the items kept; Enter picks the
// current one.
class TListeSoc : public SmallDialog {
    Q_OBJECT
public:
    explicit TListeSoc(QWidget *parent = nullptr);

    void Init(const BlocList &companies);
    // The chosen company's record code; empty when cancelled or nothing chosen.
    QString Result() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void filter(const QString &typed);

    QLineEdit *m_filter;
    QListWidget *m_list;
    CompanyPicker::Filter m_names;
};
