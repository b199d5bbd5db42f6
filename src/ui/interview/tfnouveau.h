#pragma once

#include "common/smalldialog.h"

class QComboBox;
class QLineEdit;

// "Nouveau dialogue": who the candidate of the next interview is.
class TFNouveau : public SmallDialog {
    Q_OBJECT
public:
    explicit TFNouveau(QWidget *parent = nullptr);

    // After OK each value is its field trimmed; otherwise name is emptied and
    // the other two are left as they were.
    void Result(QString &name, QString &firstName, QString &title) const;

    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_name;
    QLineEdit *m_firstName;
    QComboBox *m_title;
};
