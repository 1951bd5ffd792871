#include "bench/startup.h"
#include "bench/rosters.h"
#include "bench/session.h"
#include "bench/spawn.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace bench {

namespace {

void probeOnce(Startup &into, const QStringList &argv, const QString &folder)
{
    const Spawned run = spawnAndRead(argv, folder);
    const QList<double> f = reportedFigures(run, "firstpaint", 4); // loaded, paint start, paint done, VmHWM
    if (f.isEmpty()) {
        ++into.failures;
        return;
    }
    into.fromSpawn.append((f.at(2) - double(run.spawnedAt)) / 1e6);
    into.fromMain.append((f.at(2) - f.at(0)) / 1e6);
    into.peakKiB.append(f.at(3));
}

} // namespace

std::pair<Startup, Startup> runStartup(int runs, const QByteArray &ini)
{
    std::pair<Startup, Startup> out;
    QTemporaryDir dir;
    const QString here = QCoreApplication::applicationDirPath();
    const QString pellmore = dir.filePath(QStringLiteral("pellmore"));
    if (!QFile::copy(here + QStringLiteral("/pellmore_probe"), pellmore)) {
        out.first.failures = out.second.failures = runs;
        return out;
    }
    writeFile(dir.filePath(QStringLiteral("pellmore.INI")), ini);
    // The anchor's table: Pellmore's empty grid is 18 rows by 9 columns.
    const QString roster = dir.filePath(QStringLiteral("BEN.ros"));
    writeFile(roster, generateSquad(17, TeamLine, SquadSeed).bytes);
    const QString anchor = here + QStringLiteral("/anchor_probe");
    for (int i = 0; i <= runs; ++i) {
        Startup warmP, warmA;
        probeOnce(i ? out.first : warmP, {pellmore}, dir.path());
        probeOnce(i ? out.second : warmA, {anchor, roster}, dir.path());
    }
    return out;
}

} // namespace bench
