#pragma once

// How tavrin-bench times an operation: the best of several runs, each started
// with the processor caches emptied.
#include <functional>

// Reading this much memory pushes the data of the previous run out of the
// processor caches, so that every size is timed from memory, not from a cache
// that only the smaller data sets fit in.
void evictCaches();

// Best of `runs` timings, in milliseconds; prepare runs untimed before each.
double best(int runs, const std::function<void()> &prepare, const std::function<void()> &work);
