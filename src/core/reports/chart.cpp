#include "reports/chart.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace Chart {

QList<int> values(const QStringList &texts) {
    const QLocale french(QLocale::French, QLocale::France);
    QList<int> out;
    for (qsizetype i = std::max<qsizetype>(0, texts.size() - MaxBars); i < texts.size(); ++i) {
        bool ok = false;
        const double value = french.toDouble(texts.at(i).trimmed(), &ok);
        // nearbyint rounds in the default mode: to nearest, ties to even.
        out.append(ok && std::abs(value) < 1e9 ? int(std::nearbyint(value)) : 0);
    }
    return out;
}

QList<Bar> bars(const QList<int> &values) {
    int largest = 0;
    for (const int v : values)
        largest = std::max(largest, v);
    QList<Bar> out;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const int height = largest > 0 ? int(qint64(values[i]) * Tallest / largest) : 0;
        out.append({values[i], Top + 15 * int(i), Base - height});
    }
    return out;
}

} // namespace Chart
