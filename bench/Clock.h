#pragma once
// One clock for every process (CLOCK_MONOTONIC), so the runner can subtract
// its own start time from the moment a program stamps.
#include <ctime>

namespace bench {

inline long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

} // namespace bench
