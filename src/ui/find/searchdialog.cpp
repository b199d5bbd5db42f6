#include "find/searchdialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

SearchDialog::SearchDialog(const QString &caption, const QString &label, bool digitsOnly,
                           QWidget *parent)
    : SmallDialog(caption, parent), m_digitsOnly(digitsOnly) {
    auto *text = new QLabel(label);
    m_edit = new QLineEdit;
    m_edit->setObjectName(QStringLiteral("editRecherche"));
    m_edit->setFixedWidth(220);
    // Nothing but typed digits reaches a digits-only input: no menu to paste, no drop.
    m_edit->setContextMenuPolicy(digitsOnly ? Qt::NoContextMenu : Qt::DefaultContextMenu);
    m_edit->setAcceptDrops(!digitsOnly);
    m_edit->installEventFilter(this);
    text->setBuddy(m_edit);
    auto *content = new QVBoxLayout;
    content->addWidget(text);
    content->addWidget(m_edit);
    finish(content);
}

QString SearchDialog::Result() const {
    return isAccepted() ? m_edit->text() : QString();
}

void SearchDialog::showEvent(QShowEvent *event) {
    SmallDialog::showEvent(event);
    m_edit->clear();
    m_edit->setFocus();
}

bool SearchDialog::eventFilter(QObject *watched, QEvent *event) {
    if (watched != m_edit || event->type() != QEvent::KeyPress)
        return SmallDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        return true;
    case Qt::Key_Escape: // the dialog's own: Annuler
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        break;
    }
    if (!m_digitsOnly)
        return false;
    // Digits only: every other key, shortcuts included, is discarded.
    const QString text = key->text();
    const bool digit = text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9' &&
                       !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    return !digit;
}
