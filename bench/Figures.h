// What the benchmarks share: one clock for every process, a summary of a
// series of samples, and the memory figures the kernel keeps for a process.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

#include <time.h>

namespace bench {

// CLOCK_MONOTONIC is the same clock in a parent and its children, so a time
// taken before fork can be compared with one taken in the exec'ed child.
inline int64_t monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

struct Summary {
    size_t count = 0;
    double min = 0, mean = 0, median = 0, max = 0;
};

inline Summary summarise(std::vector<double> samples)
{
    Summary s;
    s.count = samples.size();
    if (samples.empty())
        return s;
    std::sort(samples.begin(), samples.end());
    s.min = samples.front();
    s.max = samples.back();
    s.mean = std::accumulate(samples.begin(), samples.end(), 0.0) / double(samples.size());
    const size_t mid = samples.size() / 2;
    s.median = samples.size() % 2 ? samples[mid] : (samples[mid - 1] + samples[mid]) / 2;
    return s;
}

// A "VmHWM:" style line of /proc/<pid>/status, in KiB; -1 if it is missing.
inline long statusKiB(const std::string &pid, const std::string &field)
{
    std::ifstream status("/proc/" + pid + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    }
    return -1;
}

} // namespace bench
