#include "bench/footprint.h"
#include "bench/anchor.h"
#include "bench/drive.h"
#include "bench/procinfo.h"
#include "bench/session.h"
#include "bench/spawn.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <malloc.h>

namespace bench {

namespace {

Reading readNow()
{
    settle();
    malloc_trim(0);
    return {double(statusKiB("VmRSS")), double(mallinfo2().uordblks)};
}

} // namespace

int footprintMode(const QString &program, int players)
{
    Footprint f;
    if (program == QLatin1String("anchor")) {
        QTemporaryDir dir;
        const QString roster = dir.filePath(QStringLiteral("BEN.ros"));
        writeFile(roster, generateSquad(players, TeamLine, SquadSeed).bytes);
        AnchorWindow window;
        showAndSettle(&window);
        f.before = readNow();
        window.fill(roster);
        f.after = readNow();
    } else {
        Session s(players, defaultSettings());
        s.freshWindow();
        f.before = readNow();
        s.openRoster();
        f.after = readNow();
        if (!s.rosterOpen())
            return 1;
    }
    std::printf("memory %.0f %.0f %.0f %.0f\n", f.before.rssKiB, f.after.rssKiB, f.before.heapBytes,
                f.after.heapBytes);
    return 0;
}

std::optional<Footprint> measureFootprint(const QString &program, int players)
{
    const Spawned run = spawnAndRead({QCoreApplication::applicationFilePath(), QStringLiteral("--memory"), program,
                                      QString::number(players)},
                                     QDir::tempPath());
    const QList<double> f = reportedFigures(run, "memory", 4);
    if (f.isEmpty())
        return std::nullopt;
    return Footprint{{f.at(0), f.at(2)}, {f.at(1), f.at(3)}};
}

} // namespace bench
