#include "bench/spawn.h"
#include "bench/procinfo.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char **environ;

namespace bench {

Spawned spawnAndRead(const QStringList &argv, const QString &folder, int timeoutMs)
{
    Spawned result;
    int out[2];
    if (pipe(out) != 0)
        return result;
    std::vector<QByteArray> args;
    for (const QString &a : argv)
        args.push_back(a.toLocal8Bit());
    std::vector<char *> cargs;
    for (QByteArray &a : args)
        cargs.push_back(a.data());
    cargs.push_back(nullptr);
    const QByteArray dir = folder.toLocal8Bit();

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    // A probe's messages are the platform's notes; a failed run is counted.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, dir.constData());
    pid_t pid = 0;
    result.spawnedAt = monotonicNs();
    const int failed = posix_spawn(&pid, cargs[0], &actions, nullptr, cargs.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (failed) {
        close(out[0]);
        return result;
    }

    const std::int64_t deadline = result.spawnedAt + std::int64_t(timeoutMs) * 1000000;
    bool timedOut = false;
    char buffer[4096];
    for (;;) {
        const std::int64_t left = (deadline - monotonicNs()) / 1000000;
        if (left <= 0) {
            timedOut = true;
            break;
        }
        pollfd p{out[0], POLLIN, 0};
        if (poll(&p, 1, int(left)) <= 0)
            continue;
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        result.output.append(buffer, n);
    }
    close(out[0]);
    if (timedOut)
        kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    result.ok = !timedOut && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}

} // namespace bench

namespace bench {

QList<double> reportedFigures(const Spawned &run, const char *keyword, int count)
{
    const QStringList fields = QString::fromLatin1(run.output).trimmed().split(u' ');
    if (!run.ok || fields.size() != count + 1 || fields.at(0) != QLatin1String(keyword))
        return {};
    QList<double> out;
    for (int i = 1; i <= count; ++i)
        out.append(fields.at(i).toDouble());
    return out;
}

} // namespace bench
