#pragma once

#include <QDialog>

class QLabel;
class QRadioButton;
class QSpinBox;

// "Pèse-Lettres": adds up the weight of a mailing and shows its postage.
class TPLettre : public QDialog {
    Q_OBJECT

public:
    explicit TPLettre(QWidget *parent = nullptr);

private:
    void Calcule();

    QList<QSpinBox *> m_quantities;
    QSpinBox *m_extra;
    QRadioButton *m_rapide;
    QRadioButton *m_ecopli;
    QRadioButton *m_europe;
    QLabel *m_weight;
    QLabel *m_francs;
    QLabel *m_euros;
};
