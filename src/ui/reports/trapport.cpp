#include "reports/trapport.h"

#include "reports/gridprint.h"
#include "reports/reportfields.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString Caption = QStringLiteral("Rapport d'activité");

QPushButton *button(QWidget *parent, const char *name, const QString &text,
                    const QString &hint = {}) {
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

QLineEdit *dateField(QWidget *parent, const char *name) {
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    // Day and month digits optional, year digits required, slashes fixed.
    edit->setInputMask(QStringLiteral("00/00/9999;_"));
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 12);
    return edit;
}

} // namespace

TRapport::TRapport(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TRapport"));
    setWindowTitle(Caption);
    QPushButton *print =
        button(this, "buttonImprimer", QStringLiteral("Imprimer"), QStringLiteral("Imprimer"));
    m_from = dateField(this, "editDu");
    m_to = dateField(this, "editAu");
    QPushButton *ok = button(this, "buttonOK", QStringLiteral("OK"));
    QPushButton *close =
        button(this, "buttonFermer", QStringLiteral("Fermer"), QStringLiteral("Fermer"));
    connect(print, &QPushButton::clicked, this, &TRapport::printTable);
    connect(ok, &QPushButton::clicked, this, &TRapport::Remplit);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto *panel = new QHBoxLayout;
    panel->addWidget(print);
    panel->addWidget(new QLabel(QStringLiteral("Du"), this));
    panel->addWidget(m_from);
    panel->addWidget(new QLabel(QStringLiteral("au"), this));
    panel->addWidget(m_to);
    panel->addWidget(ok);
    panel->addWidget(close);
    panel->addStretch();
    m_grid = reportGrid(this, "grid", {64, 83, 209, 212},
                        {QString(), QStringLiteral("Date"), QStringLiteral("Action"),
                         QStringLiteral("Description")});
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(panel);
    layout->addWidget(m_grid);
    resize(m_grid->minimumWidth() + 24, 420);
    setFixedSize(size());
}

void TRapport::Init(QList<ActivityReport::Entry> entries, const QString &suffix,
                    const QDate &today) {
    ActivityReport::sort(entries);
    m_entries = std::move(entries);
    m_from->setText(today.toString(QStringLiteral("01/01/yyyy")));
    m_to->setText(today.toString(QStringLiteral("31/12/yyyy")));
    setWindowTitle(Caption + suffix);
    Remplit();
}

void TRapport::Remplit() {
    const QList<ActivityReport::Entry> shown =
        ActivityReport::inPeriod(m_entries, m_from->displayText(), m_to->displayText());
    m_count = 0;
    clearCells(m_grid);
    m_grid->setRowCount(std::max(m_grid->rowCount(), int(shown.size())));
    for (const ActivityReport::Entry &entry : shown) {
        const int row = m_count++;
        setCell(m_grid, row, 0, QString::number(m_count));
        setCell(m_grid, row, 1, ReportFields::keyToDate(entry.key));
        setCell(m_grid, row, 2, entry.action);
        setCell(m_grid, row, 3, entry.description);
    }
}

void TRapport::printTable() {
    printGrid(this, m_grid, m_count);
}
