#include "followup/todowindow.h"

#include "store/dates.h"

#include <QCheckBox>
#include <QColor>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

TodoWindow::TodoWindow(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TodoWindow"));
    setWindowTitle(QStringLiteral("À faire"));
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("heading"));

    m_list = new QTreeWidget;
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setColumnCount(3);
    m_list->setHeaderLabels(
        {QStringLiteral("Quoi"), QStringLiteral("Date"), QStringLiteral("Libellé")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->header()->setStretchLastSection(true);
    m_list->setColumnWidth(0, 100);
    m_list->setColumnWidth(1, 85);
    m_list->installEventFilter(this);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &TodoWindow::openCurrent);

    auto *empty = new QLabel(QStringLiteral("Rien à faire aujourd'hui : pas d'action en retard, "
                                            "pas de relance en attente."));
    empty->setObjectName(QStringLiteral("empty"));
    empty->setAlignment(Qt::AlignCenter);
    empty->setWordWrap(true);
    m_stack = new QStackedWidget(this);
    m_stack->addWidget(m_list);
    m_stack->addWidget(empty);

    m_atStart = new QCheckBox(QStringLiteral("Afficher au démarrage"), this);
    m_atStart->setObjectName(QStringLiteral("checkDemarrage"));
    connect(m_atStart, &QCheckBox::toggled, this, [this](bool on) {
        m_settings.showAtStart = on;
        Q_EMIT settingsChanged();
    });
    auto *delayLabel =
        new QLabel(QStringLiteral("Relancer une société restée sans réponse après"), this);
    m_delay = new QSpinBox(this);
    m_delay->setObjectName(QStringLiteral("spinDelai"));
    m_delay->setRange(1, 365);
    m_delay->setSuffix(QStringLiteral(" jours"));
    delayLabel->setBuddy(m_delay);
    connect(m_delay, &QSpinBox::valueChanged, this, [this](int days) {
        m_delay->setSuffix(days > 1 ? QStringLiteral(" jours") : QStringLiteral(" jour"));
        m_settings.delay = days;
        refresh();
        Q_EMIT settingsChanged();
    });

    auto *open = new QPushButton(QStringLiteral("Ouvrir"), this);
    open->setObjectName(QStringLiteral("buttonOuvrir"));
    auto *close = new QPushButton(QStringLiteral("Fermer"), this);
    close->setObjectName(QStringLiteral("buttonFermer"));
    // Enter belongs to the list: it opens the line chosen.
    open->setAutoDefault(false);
    close->setAutoDefault(false);
    connect(open, &QPushButton::clicked, this, &TodoWindow::openCurrent);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *delayRow = new QHBoxLayout;
    delayRow->addWidget(delayLabel);
    delayRow->addWidget(m_delay);
    delayRow->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_atStart);
    buttons->addStretch();
    buttons->addWidget(open);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_stack, 1);
    layout->addLayout(delayRow);
    layout->addLayout(buttons);
    resize(560, 360);
}

void TodoWindow::Init(const TodoSettings &settings, Today today, Lines lines) {
    m_today = std::move(today);
    m_lines = std::move(lines);
    m_settings = settings;
    {
        const QSignalBlocker quietBox(m_atStart), quietDelay(m_delay);
        m_atStart->setChecked(settings.showAtStart);
        m_delay->setValue(settings.delay);
        m_delay->setSuffix(settings.delay > 1 ? QStringLiteral(" jours") : QStringLiteral(" jour"));
    }
    refresh();
}

void TodoWindow::refresh() {
    if (!m_lines)
        return;
    const QDate day = m_today();
    const int row = m_list->currentIndex().row();
    // A line is its record: its text may have changed.
    const auto chosen = row >= 0 && row < m_shown.size()
                            ? std::pair(m_shown.at(row).kind, m_shown.at(row).block)
                            : std::pair(Todo::Kind::Overdue, -1);
    m_shown = m_lines(day, m_settings.delay);
    m_heading->setText(QStringLiteral("À faire le ") + Dates::format(day));
    m_list->clear();
    QList<QTreeWidgetItem *> items;
    for (const Todo::Line &line : std::as_const(m_shown)) {
        auto *item = new QTreeWidgetItem(
            QStringList{Todo::word(line.kind), Dates::format(line.date), line.label});
        if (line.kind == Todo::Kind::Overdue)
            for (int column = 0; column < 3; ++column)
                item->setForeground(column, QColor(170, 0, 0));
        items << item;
    }
    m_list->addTopLevelItems(items);
    if (!items.isEmpty()) {
        qsizetype again = 0;
        for (qsizetype i = 0; i < m_shown.size(); ++i)
            if (std::pair(m_shown.at(i).kind, m_shown.at(i).block) == chosen)
                again = i;
        m_list->setCurrentItem(items.at(again));
    }
    m_stack->setCurrentIndex(items.isEmpty() ? 1 : 0);
}

void TodoWindow::openCurrent() {
    const int row = m_list->currentIndex().row();
    if (row < 0 || row >= m_shown.size())
        return;
    const Todo::Line &line = m_shown.at(row);
    Q_EMIT openRequested(Todo::recordKind(line.kind), line.block);
}

bool TodoWindow::event(QEvent *event) {
    // Back from the card, where records may have changed.
    if (event->type() == QEvent::WindowActivate)
        refresh();
    return QDialog::event(event);
}

bool TodoWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openCurrent();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
