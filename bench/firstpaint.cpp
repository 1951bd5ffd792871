// Linked into a start-up probe: when the program's main window has finished
// its first paint, prints one line and ends the process at once.
//
//   firstpaint <loaded ns> <paint start ns> <paint done ns> <VmHWM KiB>
//
// "loaded" is taken while the executable's own statics are initialised, that
// is after the dynamic loader has mapped and linked every library and before
// main runs. The times are CLOCK_MONOTONIC, shared with the process that
// spawned the probe. The paint is done when a zero timer started at the
// window's first Paint (or UpdateRequest) fires: the whole frame, children
// included, has been painted and flushed by then.
#include "bench/procinfo.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

const std::int64_t loadedAt = bench::monotonicNs();

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (paintAt == 0 && (event->type() == QEvent::Paint || event->type() == QEvent::UpdateRequest)
            && qobject_cast<QMainWindow *>(watched)) {
            paintAt = bench::monotonicNs();
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

private:
    void report()
    {
        const std::int64_t doneAt = bench::monotonicNs();
        std::printf("firstpaint %lld %lld %lld %ld\n", static_cast<long long>(loadedAt),
                    static_cast<long long>(paintAt), static_cast<long long>(doneAt), bench::statusKiB("VmHWM"));
        std::fflush(stdout);
        _exit(0);
    }
    std::int64_t paintAt = 0;
};

void installFirstPaint()
{
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new FirstPaint);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installFirstPaint)
