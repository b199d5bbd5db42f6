#include "utilities/updownbuttons.h"

#include <QToolButton>
#include <QVBoxLayout>

UpDownButtons::UpDownButtons(QWidget *parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    // Dark windows must not turn the arrows white on the light buttons.
    QPalette arrows = palette();
    arrows.setColor(QPalette::WindowText, Qt::black);
    arrows.setColor(QPalette::ButtonText, Qt::black);
    setPalette(arrows);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton *button : {m_up, m_down}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        button->setFixedSize(22, 16);
        layout->addWidget(button);
    }
    m_up->setArrowType(Qt::UpArrow);
    m_up->setObjectName(QStringLiteral("up"));
    m_down->setArrowType(Qt::DownArrow);
    m_down->setObjectName(QStringLiteral("down"));
    connect(m_up, &QToolButton::clicked, this, &UpDownButtons::up);
    connect(m_down, &QToolButton::clicked, this, &UpDownButtons::down);
}
