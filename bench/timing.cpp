#include "timing.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstddef>
#include <vector>

// Reading this much memory pushes the data of the previous run out of the
// processor caches, so that every size is timed from memory, not from a cache
// that only the smaller data sets fit in.
void evictCaches() {
    static std::vector<char> buffer(std::size_t(256) << 20, 1);
    volatile char sum = 0;
    for (std::size_t i = 0; i < buffer.size(); i += 64)
        sum = sum + buffer[i];
}

// Best of `runs` timings, in milliseconds; prepare runs untimed before each.
double best(int runs, const std::function<void()> &prepare, const std::function<void()> &work) {
    double fastest = 1e300;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        evictCaches();
        QElapsedTimer timer;
        timer.start();
        work();
        fastest = std::min(fastest, timer.nsecsElapsed() / 1e6);
    }
    return fastest;
}
