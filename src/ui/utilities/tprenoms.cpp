#include "utilities/tprenoms.h"

#include "utilities/referencelists.h"

#include <QKeyEvent>
#include <QListWidget>

namespace {} // namespace

TPrenoms::TPrenoms(QWidget *parent)
    : ReferenceListWindow(QStringLiteral("Liste des prénoms"), prenomLines(), 17, parent),
      m_lines(prenomLines()) {
    setObjectName(QStringLiteral("TPrenoms"));
    m_list->installEventFilter(this);
    resize(360, 480);
}

bool TPrenoms::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->text().size() == 1) {
            // Only capitals count, so a letter never lands on "tatiana";
            // other keys are left to the list's own type-ahead.
            const int row = prenomRow(m_lines, key->text().at(0));
            if (row >= 0) {
                m_list->setCurrentRow(row);
                m_list->scrollToItem(m_list->item(row));
                return true;
            }
        }
    }
    return ReferenceListWindow::eventFilter(watched, event);
}
