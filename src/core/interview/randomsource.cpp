#include "interview/randomsource.h"

#include <QDateTime>

ClockRandom::ClockRandom() : m_generator(quint32(QDateTime::currentMSecsSinceEpoch())) {}

int ClockRandom::bounded(int range) {
    return int(m_generator.bounded(quint32(range)));
}

int ScriptedRandom::bounded(int range) {
    if (m_next >= m_draws.size())
        return 0;
    const int r = m_draws.at(m_next++) % range;
    return r < 0 ? r + range : r;
}
