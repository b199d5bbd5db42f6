#pragma once

#include "utilities/referencelistwindow.h"

// "Départements": the French départements by code; Enter or Escape closes.
class TDepart : public ReferenceListWindow {
    Q_OBJECT

public:
    explicit TDepart(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
