#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The bar chart of the answers: at most the 32 last values, one bar each,
// on a 559 x 321 surface with the axes meeting at (20, 300).
namespace Chart {

constexpr int Width = 559;
constexpr int Height = 321;
constexpr int Base = 300;    // the x axis
constexpr int Top = 20;      // the end of the y axis
constexpr int Tallest = 280; // Base - Top
constexpr int MaxBars = 32;
constexpr int BarWidth = 10;

struct Bar {
    int value = 0;
    int x = 0; // the bar spans x to x + BarWidth
    int y = 0; // and y to Base

    bool operator==(const Bar &) const = default;
};

// The last 32 texts, each trimmed, read with "," as the decimal separator and
// rounded half to even; a text that is not a number counts 0.
QList<int> values(const QStringList &texts);

// One bar per value: height value * 280 div the largest value, x = 20 + 15 i.
// When the largest value is 0 (or below) every bar stays flat on the axis.
QList<Bar> bars(const QList<int> &values);

} // namespace Chart
