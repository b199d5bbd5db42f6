#include "reports/tstatsopr.h"

#include "common/dialogs.h"
#include "reports/gridprint.h"
#include "reports/tgraph.h"
#include "store/costformat.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QPushButton *button(QWidget *parent, const char *name, const QString &text) {
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(text);
    b->setAutoDefault(false);
    return b;
}

const QString StatsCaption = QStringLiteral("Statistiques sur les opérations");

} // namespace

TStatsOpr::TStatsOpr(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TStatsOpr"));
    setWindowTitle(StatsCaption);
    QPushButton *print = button(this, "buttonImprimer", QStringLiteral("Imprimer"));
    QPushButton *chart = button(this, "buttonGraphique", QStringLiteral("Graphique"));
    QPushButton *close = button(this, "buttonFermer", QStringLiteral("Fermer"));
    connect(print, &QPushButton::clicked, this, &TStatsOpr::printTable);
    connect(chart, &QPushButton::clicked, this, &TStatsOpr::showChart);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto *panel = new QHBoxLayout;
    panel->addWidget(print);
    panel->addWidget(chart);
    panel->addStretch();
    panel->addWidget(close);
    m_grid = reportGrid(
        this, "grid", {64, 83, 276, 85},
        {QString(), QStringLiteral("Date"), QStringLiteral("Nom"), QStringLiteral("Réponses")});
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(panel);
    layout->addWidget(m_grid);
    resize(m_grid->minimumWidth() + 24, 420);
}

void TStatsOpr::Init(QList<OperationStats::Entry> entries, const QString &suffix) {
    OperationStats::sort(entries);
    setWindowTitle(StatsCaption + suffix);
    m_count = 0;
    m_grid->setRowCount(std::max(m_grid->rowCount(), int(entries.size())));
    const QFontMetrics metrics = m_grid->fontMetrics();
    for (const OperationStats::Entry &entry : entries) {
        const int row = m_count++;
        setCell(m_grid, row, 0, QString::number(m_count));
        setCell(m_grid, row, 1, entry.date);
        setCell(m_grid, row, 2, entry.summary);
        setCell(m_grid, row, 3, Cost::Rset(QString::number(entry.answers), 80, metrics));
    }
}

void TStatsOpr::printTable() {
    printGrid(this, m_grid, m_count);
}

void TStatsOpr::showChart() {
    QStringList answers;
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        const QTableWidgetItem *item = m_grid->item(r, 3);
        if (!item || item->text().isEmpty())
            break;
        answers << item->text();
    }
    TGraph graph(this);
    graph.Init(answers);
    Dialogs::instance().exec(&graph);
}
