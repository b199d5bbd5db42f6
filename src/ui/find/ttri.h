#pragma once

#include "common/smalldialog.h"

#include <QList>

class QRadioButton;

// The sort dialogs: a radio group "Trier par", the first item chosen,
// "Anuler" (also Escape) and "OK".
class SortDialog : public SmallDialog {
    Q_OBJECT
public:
    SortDialog(const QStringList &items, QWidget *parent);

    // The index of the chosen item when OK closed the dialog, else -1.
    int Result() const;

private:
    QList<QRadioButton *> m_items;
};

// Companies: "Société", "Code postal", "Ville", "Code", "Date".
class TTri : public SortDialog {
    Q_OBJECT
public:
    explicit TTri(QWidget *parent = nullptr);
};

// Operations and day actions: "Code", "Date".
class TTri2 : public SortDialog {
    Q_OBJECT
public:
    explicit TTri2(QWidget *parent = nullptr);
};
