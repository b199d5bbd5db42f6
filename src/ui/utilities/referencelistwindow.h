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
    // The lines are columns of text: a fixed-pitch font lines them up.
    ReferenceListWindow(const QString &caption, const QStringList &lines, int pixelSize,
                        QWidget *parent);

    QListWidget *m_list;
    QPushButton *m_close;
};
