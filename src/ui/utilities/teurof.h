#pragma once

#include "utilities/euroconverter.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Euro convertisseur": converts francs to euros and back on a keypad.
class TEurof : public QDialog {
    Q_OBJECT

public:
    explicit TEurof(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void keypad(QChar key);
    void compute();
    void showState();

    EuroConverter m_converter;
    QLabel *m_input;
    QLabel *m_result;
    QPushButton *m_equals;
    QRadioButton *m_toEuros;
    QRadioButton *m_toFrancs;
    QLineEdit *m_rate;
};
