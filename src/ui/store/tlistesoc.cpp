#include "store/tlistesoc.h"

#include "store/companypicker.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TListeSoc::TListeSoc(QWidget *parent) : SmallDialog(QStringLiteral("Liste des sociétés"), parent) {
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("listSocietes"));
    m_list->setFixedSize(324, 265);
    auto *content = new QVBoxLayout;
    content->addWidget(m_list);
    finish(content);
    // The picker keeps its fixed client area of 344 x 314.
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    layout()->setContentsMargins(10, 10, 10, 10);
    layout()->setSpacing(0);
    setFixedSize(344, 314);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

void TListeSoc::Init(const BlocList &companies) {
    m_list->clear();
    m_list->addItems(CompanyPicker::items(companies));
    m_list->setCurrentRow(-1);
    m_list->setFocus();
}

QString TListeSoc::Result() const {
    const QListWidgetItem *item = m_list->currentItem();
    if (!isAccepted() || !item || !item->isSelected())
        return {};
    return CompanyPicker::code(item->text());
}
