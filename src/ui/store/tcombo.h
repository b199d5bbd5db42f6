#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

// Edits the items of a combo box list: validate the edit to append it or to
// replace the selected item, Delete removes the selected item. There is no
// cancel: the list as left is the result.
class TCombo : public QDialog {
    Q_OBJECT
public:
    TCombo(const QString &caption, const QString &label, QWidget *parent = nullptr);

    void Init(const QStringList &items);
    QStringList Result() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void validate();
    void removeSelected();

    QLineEdit *m_edit;
    QListWidget *m_list;
};
