#include "utilities/euroconverter.h"

#include "utilities/numberformat.h"

#include <cmath>

QString EuroConverter::rateText() const {
    return formatGeneral(m_rate * 0.00001L);
}

void EuroConverter::rateUp() {
    ++m_rate;
}

void EuroConverter::rateDown() {
    if (--m_rate < 1)
        m_rate = 1;
}

void EuroConverter::key(QChar c) {
    if (m_resultShown) {
        m_input.clear();
        m_result.clear();
    }
    m_resultShown = false;
    if (c == u'.')
        c = u',';
    if (c == u',' || (c >= u'0' && c <= u'9'))
        m_input += c;
}

void EuroConverter::compute() {
    m_resultShown = true;
    const std::optional<long double> x = parseDecimal(m_input);
    if (!x)
        return;
    // Halves go to the even neighbour (the default rounding mode).
    if (m_direction == Direction::FrancsToEuros) {
        const long double euros = *x * 100000 / m_rate;
        m_result = formatGeneral(std::nearbyint(euros * 100) * 0.01L);
    } else {
        // The rate times 1e-6 gives tens of francs, so n counts tenths of a franc.
        const long double francs = *x * m_rate * 0.000001L;
        m_result = formatGeneral(std::nearbyint(francs * 100) * 0.1L);
    }
}

void EuroConverter::reset() {
    *this = EuroConverter();
}
