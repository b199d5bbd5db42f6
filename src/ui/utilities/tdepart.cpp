#include "utilities/tdepart.h"

#include "utilities/referencelists.h"

#include <QKeyEvent>
#include <QListWidget>

namespace {

bool closesTheWindow(const QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

} // namespace

TDepart::TDepart(QWidget *parent)
    : ReferenceListWindow(QStringLiteral("Départements"), departementLines(), 17, parent) {
    setObjectName(QStringLiteral("TDepart"));
    m_list->installEventFilter(this);
    resize(340, 460);
}

bool TDepart::eventFilter(QObject *watched, QEvent *event) {
    if (closesTheWindow(event)) {
        accept();
        return true;
    }
    return ReferenceListWindow::eventFilter(watched, event);
}

void TDepart::keyPressEvent(QKeyEvent *event) {
    if (closesTheWindow(event)) {
        accept();
        return;
    }
    ReferenceListWindow::keyPressEvent(event);
}
