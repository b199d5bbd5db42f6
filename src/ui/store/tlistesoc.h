#pragma once

#include "store/smalldialog.h"

class BlocList;
class QListWidget;

// The company picker of the day-action card: "code name" items in list order.
class TListeSoc : public SmallDialog {
    Q_OBJECT
public:
    explicit TListeSoc(QWidget *parent = nullptr);

    void Init(const BlocList &companies);
    // The chosen company's record code; empty when cancelled or nothing chosen.
    QString Result() const;

private:
    QListWidget *m_list;
};
