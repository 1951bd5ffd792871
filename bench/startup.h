#pragma once
// Start-up to the first paint, each run a fresh process: Pellmore's own
// start-up (app/main.cpp with a first-paint reporter linked in, run as
// "pellmore" beside a settings file in a temporary folder) and the anchor's.
#include <QByteArray>
#include <QList>

#include <utility>

namespace bench {

struct Startup {
    QList<double> fromSpawn, fromMain; // ms to the end of the first paint
    QList<double> peakKiB;             // VmHWM then
    int failures = 0;
};

// Pellmore's figures, then the anchor's. The two run in turn, so that the
// machine's changing load falls on both alike; one run of each warms up.
std::pair<Startup, Startup> runStartup(int runs, const QByteArray &ini);

} // namespace bench
