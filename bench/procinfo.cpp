#include "bench/procinfo.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace bench {

std::int64_t monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

long statusKiB(const char *key)
{
    FILE *f = std::fopen("/proc/self/status", "r");
    if (!f)
        return -1;
    char line[256];
    long value = -1;
    const std::size_t n = std::strlen(key);
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, key, n) == 0 && line[n] == ':') {
            value = std::strtol(line + n + 1, nullptr, 10);
            break;
        }
    std::fclose(f);
    return value;
}

} // namespace bench
