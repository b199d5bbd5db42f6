#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// A read-only list with a "Fermer" button: the common frame of the
// départements, first-name and APE code windows.
class ReferenceListWindow : public QDialog {
    Q_OBJECT

public:
    QListWidget *list() const { return m_list; }

protected:
    ReferenceListWindow(const QString &caption, const QStringList &lines, const QFont &font,
                        QWidget *parent);

    QListWidget *m_list;
    QPushButton *m_close;
};
