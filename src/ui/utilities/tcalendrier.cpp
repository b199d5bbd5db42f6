#include "utilities/tcalendrier.h"

#include "utilities/clockface.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTextCharFormat>
#include <QVBoxLayout>

TCalendrier::TCalendrier(QWidget *parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Calendrier"));
    setObjectName(QStringLiteral("TCalendrier"));

    // The teal panel: the month title between the two "Mois" buttons.
    auto *panel = new QFrame(this);
    panel->setAutoFillBackground(true);
    QPalette teal = panel->palette();
    teal.setColor(QPalette::Window, QColor(0, 128, 128));
    teal.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(teal);
    m_title = new QLabel(panel);
    m_title->setObjectName(QStringLiteral("titleLabel"));
    m_title->setAlignment(Qt::AlignCenter);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(23);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setFixedWidth(372);

    m_previous = new QPushButton(QStringLiteral("Mois"), panel);
    m_previous->setObjectName(QStringLiteral("previousMonth"));
    m_previous->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    m_previous->setToolTip(QStringLiteral("Mois précédent"));
    m_next = new QPushButton(QStringLiteral("Mois"), panel);
    m_next->setObjectName(QStringLiteral("nextMonth"));
    m_next->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    m_next->setLayoutDirection(Qt::RightToLeft); // its glyph on the right
    m_next->setToolTip(QStringLiteral("Mois suivant"));
    m_close = new QPushButton(QStringLiteral("Fermer"), panel);
    m_close->setObjectName(QStringLiteral("closeButton"));
    for (QPushButton *button : {m_previous, m_next, m_close})
        button->setAutoDefault(false);
    connect(m_previous, &QPushButton::clicked, this, &TCalendrier::previousMonth);
    connect(m_next, &QPushButton::clicked, this, &TCalendrier::nextMonth);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    auto *panelLayout = new QHBoxLayout(panel);
    panelLayout->addWidget(m_previous);
    panelLayout->addWidget(m_title, 1);
    panelLayout->addWidget(m_next);
    panelLayout->addSpacing(8);
    panelLayout->addWidget(m_close);

    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("calendar"));
    m_calendar->setLocale(QLocale(QLocale::French, QLocale::France));
    m_calendar->setFirstDayOfWeek(Qt::Sunday);
    m_calendar->setNavigationBarVisible(false);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setHorizontalHeaderFormat(QCalendarWidget::LongDayNames);
    m_calendar->setGridVisible(true);
    m_calendar->setSelectedDate(QDate::currentDate());
    // Week-end days in the same black as the others, on the lime grid.
    QTextCharFormat plain;
    plain.setForeground(Qt::black);
    m_calendar->setWeekdayTextFormat(Qt::Saturday, plain);
    m_calendar->setWeekdayTextFormat(Qt::Sunday, plain);
    m_calendar->setStyleSheet(
        QStringLiteral("QCalendarWidget QAbstractItemView { background-color: #00ff00; "
                       "selection-background-color: #000080; selection-color: white; }"));
    // Days of the months around stay readable on the lime grid.
    if (auto *view = m_calendar->findChild<QAbstractItemView *>()) {
        QPalette colours = view->palette();
        colours.setColor(QPalette::Disabled, QPalette::Text, QColor(0, 96, 0));
        view->setPalette(colours);
    }
    m_calendar->setMinimumSize(560, 260);
    connect(m_calendar, &QCalendarWidget::currentPageChanged, this, &TCalendrier::showTitle);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(m_calendar, 1);

    // PageUp and PageDown page the months wherever the focus is.
    m_calendar->installEventFilter(this);
    for (QWidget *child : m_calendar->findChildren<QWidget *>())
        child->installEventFilter(this);
    for (QPushButton *button : {m_previous, m_next, m_close})
        button->installEventFilter(this);

    showTitle();
    m_calendar->setFocus();
}

void TCalendrier::previousMonth() {
    moveMonths(-1);
}

void TCalendrier::nextMonth() {
    moveMonths(1);
}

void TCalendrier::moveMonths(int months) {
    m_calendar->setSelectedDate(m_calendar->selectedDate().addMonths(months));
    m_calendar->showSelectedDate();
    showTitle();
}

void TCalendrier::showTitle() {
    m_title->setText(calendarTitle(m_calendar->yearShown(), m_calendar->monthShown()));
    m_title->setFixedWidth(372);
}

bool TCalendrier::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            moveMonths(key == Qt::Key_PageUp ? -1 : 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
