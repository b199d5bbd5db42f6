#include "store/tlistesoc.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TListeSoc::TListeSoc(QWidget *parent) : SmallDialog(QStringLiteral("Liste des sociétés"), parent) {
    m_filter = new QLineEdit;
    m_filter->setObjectName(QStringLiteral("editFiltre"));
    m_filter->setPlaceholderText(QStringLiteral("Filtrer par nom"));
    m_filter->setClearButtonEnabled(true);
    m_filter->installEventFilter(this);
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("listSocietes"));
    m_list->setFixedSize(324, 265);
    auto *content = new QVBoxLayout;
    content->addWidget(m_filter);
    content->addSpacing(6);
    content->addWidget(m_list);
    finish(content);
    // The picker keeps the list box of 324 x 265 in a client area of 344 x 314,
    // grown by the filter field above it.
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    layout()->setContentsMargins(10, 10, 10, 10);
    layout()->setSpacing(0);
    setFixedSize(344, 314 + m_filter->sizeHint().height() + 6);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_filter, &QLineEdit::textChanged, this, &TListeSoc::filter);
}

void TListeSoc::Init(const BlocList &companies) {
    const QStringList items = CompanyPicker::items(companies);
    m_names = CompanyPicker::Filter(items);
    m_filter->clear();
    m_list->clear();
    m_list->addItems(items);
    m_list->setCurrentRow(-1);
    m_filter->setFocus();
}

void TListeSoc::filter(const QString &typed) {
    const QList<bool> kept = m_names.kept(typed);
    QListWidgetItem *first = nullptr;
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        item->setHidden(!kept.at(row));
        if (!first && kept.at(row))
            first = item;
    }
    // Enter picks what the user sees chosen: the current item while it is
    // kept, else the first one kept; nothing when no name holds the text.
    QListWidgetItem *current = m_list->currentItem();
    if (typed.isEmpty() || (current && !current->isHidden()))
        return;
    if (first) {
        m_list->setCurrentItem(first);
        m_list->scrollToItem(first);
    } else {
        m_list->setCurrentRow(-1);
        m_list->clearSelection();
    }
}

bool TListeSoc::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(m_list, event);
            return true;
        default:
            break;
        }
    }
    return SmallDialog::eventFilter(watched, event);
}

QString TListeSoc::Result() const {
    const QListWidgetItem *item = m_list->currentItem();
    if (!isAccepted() || !item || !item->isSelected() || item->isHidden())
        return {};
    return CompanyPicker::code(item->text());
}
