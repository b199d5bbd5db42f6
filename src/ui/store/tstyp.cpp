#include "store/tstyp.h"

#include <QComboBox>
#include <QFormLayout>

// The double space in the title is kept on purpose.
TStyp::TStyp(QWidget *parent)
    : SmallDialog(QStringLiteral("Sélectionner type  d'opération"), parent) {
    m_combo = new QComboBox;
    m_combo->setObjectName(QStringLiteral("comboType"));
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setMinimumWidth(220);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Type"), m_combo);
    finish(form);
}

void TStyp::Init(const QStringList &types) {
    m_combo->clear();
    m_combo->addItems(types);
    m_combo->setCurrentIndex(types.isEmpty() ? -1 : 0);
    m_combo->setFocus();
}

QString TStyp::Result() const {
    return isAccepted() ? m_combo->currentText() : QString();
}
