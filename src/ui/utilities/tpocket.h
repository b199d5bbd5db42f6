#pragma once

#include "utilities/pocketcalculator.h"

#include <QDialog>
#include <QHash>

class QGridLayout;
class QLabel;
class QPushButton;

// "Calculatrice": a pocket calculator driven by its buttons or the keyboard.
class TPocket : public QDialog {
    Q_OBJECT

public:
    explicit TPocket(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPushButton *addButton(const QString &text, const QString &name, int row, int column);
    void run(const QString &error);

    PocketCalculator m_calc;
    QGridLayout *m_grid;
    QLabel *m_display;
    QPushButton *m_equals;
    QHash<QChar, QPushButton *> m_keys; // keyboard character to the button it clicks
};
