#include "reports/tgraph.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

ChartView::ChartView(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chart"));
    setFixedSize(Chart::Width, Chart::Height);
}

void ChartView::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    DrawChart(painter);
}

void ChartView::DrawChart(QPainter &painter) const {
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(0, 0, Chart::Width - 1, Chart::Height - 1);
    painter.drawLine(Chart::Top, Chart::Base, 550, Chart::Base);
    painter.drawLine(Chart::Top, Chart::Base, Chart::Top, Chart::Top);
    painter.setBrush(Qt::blue);
    for (const Chart::Bar &bar : m_bars) {
        // A rectangle from (x, y) to (x + 10, 300), its outline inside.
        if (bar.y < Chart::Base)
            painter.drawRect(bar.x, bar.y, Chart::BarWidth - 1, Chart::Base - bar.y - 1);
        else
            painter.drawLine(bar.x, Chart::Base, bar.x + Chart::BarWidth - 1, Chart::Base);
    }
}

TGraph::TGraph(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TGraph"));
    setWindowTitle(QStringLiteral("Graphique"));
    auto *close = new QPushButton(QStringLiteral("Fermer"), this);
    close->setObjectName(QStringLiteral("buttonFermer"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto *panel = new QHBoxLayout;
    panel->addWidget(close);
    panel->addStretch();
    m_view = new ChartView(this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(panel);
    layout->addWidget(m_view);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TGraph::Init(const QStringList &texts) {
    m_view->setBars(Chart::bars(Chart::values(texts)));
}
