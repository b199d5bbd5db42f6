#include "store/tfcp.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>

TFcp::TFcp(QWidget *parent) : SmallDialog(QStringLiteral("Code postal"), parent) {
    m_edit = new QLineEdit;
    m_edit->setObjectName(QStringLiteral("editCodePostal"));
    m_edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_edit));
    m_edit->setFixedWidth(120);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Code postal"), m_edit);
    finish(form);
}

void TFcp::Init(const QString &postalCode) {
    m_edit->setText(postalCode);
    m_edit->selectAll();
    m_edit->setFocus();
}

QString TFcp::Result() const {
    return isAccepted() ? m_edit->text() : QString();
}
