#include "reports/tplanning.h"

#include "reports/gridprint.h"
#include "store/dates.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TPlanning::TPlanning(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TPlanning"));
    setWindowTitle(QStringLiteral("Planning"));
    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("calendar"));
    m_calendar->setFirstDayOfWeek(Qt::Sunday);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_grid = reportGrid(this, "grid", {35, 82, 80, 219},
                        {QString(), QStringLiteral("Date"), QStringLiteral("Heure"),
                         QStringLiteral("Nom/Société")});
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setRowCount(10);
    auto *close = new QPushButton(QStringLiteral("Fermer"), this);
    close->setObjectName(QStringLiteral("buttonFermer"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, [this] {
        m_chosen = false;
        reject();
    });
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, &TPlanning::dayChanged);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { rowDoubleClicked(row); });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_calendar);
    layout->addWidget(m_grid);
    layout->addLayout(buttons);
}

void TPlanning::Init(const BlocList &companies, const BlocList &dayActions, const QDate &today) {
    m_chosen = false;
    m_planning.Init(companies, dayActions);
    {
        const QSignalBlocker quiet(m_calendar);
        m_calendar->setSelectedDate(today);
    }
    LitJour(Dates::format(today));
}

void TPlanning::LitJour(const QString &day) {
    clearCells(m_grid);
    int row = 1; // counted as the rows under the header
    for (const Planning::Row &r : m_planning.LitJour(day)) {
        setCell(m_grid, row - 1, 0, r.company);
        setCell(m_grid, row - 1, 1, r.date);
        setCell(m_grid, row - 1, 2, r.time);
        setCell(m_grid, row - 1, 3, r.name);
        ++row;
        // The grid, header row included, keeps ten rows to spare.
        if (m_grid->rowCount() + 1 <= row)
            m_grid->setRowCount(row + 10 - 1);
    }
}

void TPlanning::dayChanged() {
    LitJour(Dates::format(m_calendar->selectedDate()));
}

void TPlanning::rowDoubleClicked(int row) {
    const QTableWidgetItem *item = m_grid->item(row, 0);
    if (!item || item->text().isEmpty())
        return;
    bool ok = false;
    const int number = item->text().toInt(&ok);
    if (!ok)
        return;
    m_chosen = true;
    m_number = number;
    accept();
}
