#pragma once

#include <QLineEdit>

// A cost field of the operation card: only digits and "," can be typed ("."
// becomes ","), and leaving the field formats the amount right-aligned.
class CostEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CostEdit(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
