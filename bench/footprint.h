#pragma once
// The memory a player costs: in a fresh process, the resident size and the
// heap in use of an empty shown window, and again once a roster is open in
// it. Freed memory is given back before each reading (malloc_trim), so the
// resident size counts what is live.
#include <QString>

#include <optional>

namespace bench {

struct Reading {
    double rssKiB = 0;   // VmRSS
    double heapBytes = 0; // mallinfo2: bytes in use
};
struct Footprint {
    Reading before, after;
};

// The child's side: program is "pellmore" or "anchor"; prints the figures.
int footprintMode(const QString &program, int players);
// Runs this executable again as a child that measures.
std::optional<Footprint> measureFootprint(const QString &program, int players);

} // namespace bench
