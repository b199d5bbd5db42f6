#include "store/tville.h"

#include <QFormLayout>
#include <QLineEdit>

TVille::TVille(QWidget *parent) : SmallDialog(QStringLiteral("Ville"), parent) {
    m_edit = new QLineEdit;
    m_edit->setObjectName(QStringLiteral("editVille"));
    m_edit->setFixedWidth(220);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Ville"), m_edit);
    finish(form);
}

void TVille::Init(const QString &town) {
    m_edit->setText(town);
    m_edit->selectAll();
    m_edit->setFocus();
}

QString TVille::Result() const {
    return isAccepted() ? m_edit->text() : QString();
}
