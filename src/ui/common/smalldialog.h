#pragma once

#include <QDialog>

class QHBoxLayout;
class QPushButton;

// The frame of the small program dialogs: a fixed-size window with
// "Annuler" (also Escape) and "OK" (the default button) at the bottom right.
// Accepted means OK was pressed; closing any other way counts as Annuler.
class SmallDialog : public QDialog {
    Q_OBJECT
public:
    SmallDialog(const QString &caption, QWidget *parent);

    bool isAccepted() const { return result() == QDialog::Accepted; }

protected:
    // Adds the button row under the content and fixes the size.
    void finish(QLayout *content);

    QPushButton *m_ok;
    QPushButton *m_cancel;
};
