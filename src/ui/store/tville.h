#pragma once

#include "common/smalldialog.h"

class QLineEdit;

// Asks for the town of the company selection.
class TVille : public SmallDialog {
    Q_OBJECT
public:
    explicit TVille(QWidget *parent = nullptr);

    void Init(const QString &town);
    QString Result() const;

private:
    QLineEdit *m_edit;
};
