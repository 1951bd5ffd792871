// The speed benchmark: start-up of Pellmore and of a bare Qt anchor, each in
// fresh processes; every command at three roster sizes; the memory a player
// costs. Prints one table.
#include "bench/commands.h"
#include "bench/footprint.h"
#include "bench/session.h"
#include "bench/startup.h"
#include "bench/table.h"

#include <QApplication>
#include <QFile>
#include <QThread>

#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace bench;

namespace {

struct Options {
    QList<int> sizes{25, 2000, 20000};
    int reps = 0; // 0: by size
    int startupRuns = 15;
    bool startup = true;
    bool memory = true;
};

Options parse(const QStringList &args)
{
    Options o;
    for (int i = 1; i < args.size(); ++i) {
        const QString &a = args.at(i);
        const QString next = i + 1 < args.size() ? args.at(i + 1) : QString();
        if (a == QLatin1String("--sizes")) {
            o.sizes.clear();
            for (const QString &n : next.split(u','))
                o.sizes.append(n.toInt());
            ++i;
        } else if (a == QLatin1String("--reps")) {
            o.reps = next.toInt();
            ++i;
        } else if (a == QLatin1String("--startup-runs")) {
            o.startupRuns = next.toInt();
            ++i;
        } else if (a == QLatin1String("--no-startup")) {
            o.startup = false;
        } else if (a == QLatin1String("--no-memory")) {
            o.memory = false;
        } else {
            std::fprintf(stderr, "usage: pellmore_bench [--sizes 25,2000,20000] [--reps N] [--startup-runs N]"
                                 " [--no-startup] [--no-memory]\n");
            std::exit(2);
        }
    }
    return o;
}

QString readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
}

QString machine()
{
    QString cpu;
    for (const QString &line : readText(QStringLiteral("/proc/cpuinfo")).split(u'\n'))
        if (line.startsWith(QLatin1String("model name"))) {
            cpu = line.section(u':', 1).trimmed();
            break;
        }
    return QStringLiteral("%1, %2 cores").arg(cpu).arg(QThread::idealThreadCount());
}

QString loadAverage()
{
    return readText(QStringLiteral("/proc/loadavg")).section(u' ', 0, 2);
}

QString whole(double value)
{
    return std::isnan(value) ? QStringLiteral("failed") : thousands(std::llround(value));
}

void printStartup(const Options &options, const QByteArray &ini)
{
    const auto [pel, anc] = runStartup(options.startupRuns, ini);
    Table t;
    t.add({QStringLiteral("Start-up, fresh process each (%1 runs, median)").arg(options.startupRuns),
           QStringLiteral("Pellmore"), QStringLiteral("anchor"), QStringLiteral("ratio")});
    auto row = [&](const char *name, const QList<double> &p, const QList<double> &a, bool isMs) {
        const double mp = median(p), ma = median(a);
        t.add({QString::fromLatin1(name), isMs ? ms(mp) : whole(mp), isMs ? ms(ma) : whole(ma), ratio(mp / ma)});
    };
    row("  spawn to first paint done, ms", pel.fromSpawn, anc.fromSpawn, true);
    row("  main to first paint done, ms", pel.fromMain, anc.fromMain, true);
    row("  peak memory (VmHWM), KiB", pel.peakKiB, anc.peakKiB, false);
    std::printf("%s", qPrintable(t.text()));
    if (pel.failures || anc.failures)
        std::printf("  (runs that failed: Pellmore %d, anchor %d)\n", pel.failures, anc.failures);
    std::printf("\n");
}

QString figure(const Measured &m)
{
    if (m.absent)
        return QStringLiteral("n/a");
    return m.failed ? ms(median(m.ms)) + QStringLiteral(" FAILED") : ms(median(m.ms));
}

void printCommands(const Options &options, const QByteArray &ini)
{
    QMap<int, SizeResults> results;
    for (int players : options.sizes)
        results[players] = runSize(players, options.reps, ini);

    Table t;
    QStringList head{QStringLiteral("Command, median ms (repetitions)")};
    for (int players : options.sizes) {
        const Reps r = repsFor(players, options.reps);
        head.append(QStringLiteral("%1 pl. (%2/%3)").arg(thousands(players)).arg(r.same).arg(r.fresh));
    }
    const bool growth = options.sizes.contains(2000) && options.sizes.contains(20000);
    if (growth)
        head.append(QStringLiteral("20,000 / 2,000"));
    t.add(head);
    for (const char *name : CommandRows) {
        QStringList cells{QStringLiteral("  ") + QString::fromLatin1(name)};
        const bool isRatio = QLatin1String(name) == QLatin1String(OpenRatio);
        for (int players : options.sizes)
            cells.append(isRatio ? ratio(median(results[players][OpenFresh].ms) / median(results[players][AnchorFill].ms))
                                 : figure(results[players][name]));
        if (growth && !isRatio && !results[2000][name].absent)
            cells.append(ratio(median(results[20000][name].ms) / median(results[2000][name].ms)));
        t.add(cells);
    }
    std::printf("%s", qPrintable(t.text()));
    std::printf("  (repetitions: same window / fresh window each; one more run first warms up)\n\n");
}

void printMemory()
{
    const int players = 20000;
    Table t;
    t.add({QStringLiteral("Memory above an empty window, %1 players, fresh process").arg(thousands(players)),
           QStringLiteral("Pellmore"), QStringLiteral("anchor"), QStringLiteral("ratio")});
    const std::optional<Footprint> p = measureFootprint(QStringLiteral("pellmore"), players);
    const std::optional<Footprint> a = measureFootprint(QStringLiteral("anchor"), players);
    auto perPlayer = [&](const std::optional<Footprint> &f, bool rss) -> double {
        if (!f)
            return NAN;
        return rss ? (f->after.rssKiB - f->before.rssKiB) * 1024 / players
                   : (f->after.heapBytes - f->before.heapBytes) / players;
    };
    for (bool rss : {true, false}) {
        const double bp = perPlayer(p, rss), ba = perPlayer(a, rss);
        t.add({rss ? QStringLiteral("  VmRSS after malloc_trim, bytes per player")
                   : QStringLiteral("  heap in use (mallinfo2), bytes per player"),
               whole(bp), whole(ba), ratio(bp / ba)});
    }
    std::printf("%s\n", qPrintable(t.text()));
}

// The offscreen platform says at every shaped window that it cannot shape
// it, and Qt that a headless session has no runtime folder; the rest of Qt's
// messages stay on stderr.
QtMessageHandler standardHandler = nullptr;
void quietPlatformNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support"))
        && !message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        standardHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    standardHandler = qInstallMessageHandler(quietPlatformNotes);
    // Every process of the run, probes included, uses one platform.
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("BENCH_PLATFORM") ? QByteArray("offscreen")
                                                                           : qgetenv("BENCH_PLATFORM"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pellmore"));
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("--memory"))
        return footprintMode(args.at(2), args.at(3).toInt());
    const Options options = parse(args);
    const QByteArray ini = defaultSettings();

    std::printf("Pellmore speed benchmark: Qt %s, platform %s, g++ %s, %s\n", qVersion(),
                qPrintable(QGuiApplication::platformName()), __VERSION__, BENCH_CXX_FLAGS);
    std::printf("Machine: %s; load average %s at the start\n\n", qPrintable(machine()), qPrintable(loadAverage()));
    std::fflush(stdout);
    if (options.startup)
        printStartup(options, ini);
    std::fflush(stdout);
    printCommands(options, ini);
    std::fflush(stdout);
    if (options.memory)
        printMemory();
    std::printf("Load average %s at the end\n", qPrintable(loadAverage()));
    return 0;
}
