#include "print/tmpage.h"

#include "print/pagesetup.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

TMPage::TMPage(QWidget *parent) : SmallDialog(QStringLiteral("Mise en page"), parent) {
    setObjectName(QStringLiteral("TMPage"));
    auto *group = new QGroupBox(QStringLiteral("Orientation enveloppe"));
    group->setObjectName(QStringLiteral("groupOrientation"));
    m_portrait = new QRadioButton(QStringLiteral("Portrait"));
    m_portrait->setObjectName(QStringLiteral("radioPortrait"));
    m_portrait->setChecked(true);
    m_landscape = new QRadioButton(QStringLiteral("Paysage"));
    m_landscape->setObjectName(QStringLiteral("radioPaysage"));
    auto *radios = new QVBoxLayout(group);
    radios->addWidget(m_portrait);
    radios->addWidget(m_landscape);
    m_guide = new QCheckBox(QStringLiteral("Guide enveloppe à droite"));
    m_guide->setObjectName(QStringLiteral("checkGuide"));
    auto *content = new QVBoxLayout;
    content->addWidget(group);
    content->addWidget(m_guide);
    finish(content);
}

void TMPage::Init(int reserved, int orientation, bool guideRight) {
    if (!PageSetup::seeds(reserved, orientation))
        return;
    (orientation == 1 ? m_landscape : m_portrait)->setChecked(true);
    m_guide->setChecked(guideRight);
}

void TMPage::Result(int &, int &orientation, bool &guideRight) const {
    orientation = -1;
    if (!isAccepted())
        return;
    orientation = m_landscape->isChecked() ? 1 : 0;
    guideRight = m_guide->isChecked();
}
