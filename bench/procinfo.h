#pragma once
// What the benchmark reads about a process: a clock that every process on the
// machine shares, and the memory figures of /proc/self/status.
#include <cstdint>

namespace bench {

// CLOCK_MONOTONIC in nanoseconds; the same clock in every process.
std::int64_t monotonicNs();

// A "kB" line of /proc/self/status ("VmHWM", "VmRSS"), in KiB; -1 when absent.
long statusKiB(const char *key);

} // namespace bench
