#pragma once

#include <QWidget>

class QToolButton;

// A spin button on its own: two small arrows, one above the other.
class UpDownButtons : public QWidget {
    Q_OBJECT

public:
    explicit UpDownButtons(QWidget *parent = nullptr);

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

Q_SIGNALS:
    void up();
    void down();

private:
    QToolButton *m_up;
    QToolButton *m_down;
};
