#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace bench {

// Runs a program in a fresh process (posix_spawn, which costs the same
// whatever the size of this process) in folder, and collects what it prints.
struct Spawned {
    std::int64_t spawnedAt = 0; // CLOCK_MONOTONIC just before the spawn
    QByteArray output;
    bool ok = false; // started, and ended by itself with status 0 in time
};
Spawned spawnAndRead(const QStringList &argv, const QString &folder, int timeoutMs = 60000);

} // namespace bench

namespace bench {

// The numbers of a run's one output line "keyword n1 n2 ...", or an empty
// list when the run failed or printed something else.
QList<double> reportedFigures(const Spawned &run, const char *keyword, int count);

} // namespace bench
