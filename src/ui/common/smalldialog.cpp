#include "common/smalldialog.h"

#include "common/fixedframe.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

SmallDialog::SmallDialog(const QString &caption, QWidget *parent) : QDialog(parent) {
    setWindowTitle(caption);
    setFixedFrame(this);
    m_cancel = new QPushButton(QStringLiteral("Annuler"));
    m_cancel->setObjectName(QStringLiteral("buttonAnnuler"));
    m_cancel->setAutoDefault(false);
    m_ok = new QPushButton(QStringLiteral("OK"));
    m_ok->setObjectName(QStringLiteral("buttonOk"));
    m_ok->setDefault(true);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void SmallDialog::finish(QLayout *content) {
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
