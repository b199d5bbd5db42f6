#pragma once

#include "reports/chart.h"

#include <QDialog>
#include <QWidget>

// The drawing surface of the chart: white ground, black axes, blue bars.
class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget *parent = nullptr);
    void setBars(const QList<Chart::Bar> &bars) {
        m_bars = bars;
        update();
    }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void DrawChart(QPainter &painter) const;
    QList<Chart::Bar> m_bars;
};

// The bar chart of the answers, "Graphique".
class TGraph : public QDialog {
    Q_OBJECT
public:
    explicit TGraph(QWidget *parent = nullptr);
    // The "Réponses" texts of the table, in grid order.
    void Init(const QStringList &texts);

private:
    ChartView *m_view;
};
