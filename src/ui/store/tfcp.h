#pragma once

#include "common/smalldialog.h"

class QLineEdit;

// Asks for the postal code of the company selection; digits only.
class TFcp : public SmallDialog {
    Q_OBJECT
public:
    explicit TFcp(QWidget *parent = nullptr);

    void Init(const QString &postalCode);
    // The typed code when OK was pressed, else empty.
    QString Result() const;

private:
    QLineEdit *m_edit;
};
