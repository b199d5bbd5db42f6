#pragma once

#include "common/smalldialog.h"

class QComboBox;

// Asks for the operation type of the operation selection.
class TStyp : public SmallDialog {
    Q_OBJECT
public:
    explicit TStyp(QWidget *parent = nullptr);

    void Init(const QStringList &types);
    QString Result() const;

private:
    QComboBox *m_combo;
};
