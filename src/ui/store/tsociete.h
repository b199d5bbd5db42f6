#pragma once

#include "common/smalldialog.h"

#include <QStringList>

class QLineEdit;

// Edits the first five identity lines, the heading of the user's letters.
class TSociete : public SmallDialog {
    Q_OBJECT
public:
    explicit TSociete(QWidget *parent = nullptr);

    void Init(const QStringList &lines);
    // The five lines when OK was pressed, else an empty list.
    QStringList Result() const;

private:
    QLineEdit *m_edits[5];
};
