#include "find/ttri.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

SortDialog::SortDialog(const QStringList &items, QWidget *parent)
    : SmallDialog(QStringLiteral("Trier"), parent) {
    // "Anuler": the spelling users know, kept on purpose.
    m_cancel->setText(QStringLiteral("Anuler"));
    auto *group = new QGroupBox(QStringLiteral("Trier par"));
    group->setObjectName(QStringLiteral("groupeTrierPar"));
    auto *column = new QVBoxLayout(group);
    for (const QString &item : items) {
        auto *radio = new QRadioButton(item);
        radio->setObjectName(QStringLiteral("radio%1").arg(m_items.size()));
        column->addWidget(radio);
        m_items.append(radio);
    }
    m_items.first()->setChecked(true);
    group->setMinimumWidth(180);
    auto *content = new QVBoxLayout;
    content->addWidget(group);
    finish(content);
}

int SortDialog::Result() const {
    if (!isAccepted())
        return -1;
    for (int i = 0; i < m_items.size(); ++i)
        if (m_items.at(i)->isChecked())
            return i;
    return -1;
}

TTri::TTri(QWidget *parent)
    : SortDialog({QStringLiteral("Société"), QStringLiteral("Code postal"), QStringLiteral("Ville"),
                  QStringLiteral("Code"), QStringLiteral("Date")},
                 parent) {}

TTri2::TTri2(QWidget *parent)
    : SortDialog({QStringLiteral("Code"), QStringLiteral("Date")}, parent) {}
