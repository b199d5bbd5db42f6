#pragma once

#include "utilities/referencelistwindow.h"

// "Liste des prénoms": first names with their saint's day. A letter typed in
// the list selects the first name that starts with it.
class TPrenoms : public ReferenceListWindow {
    Q_OBJECT

public:
    explicit TPrenoms(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QStringList m_lines;
};
