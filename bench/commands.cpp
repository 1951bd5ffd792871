#include "bench/commands.h"
#include "bench/anchor.h"
#include "bench/drive.h"
#include "bench/procinfo.h"
#include "bench/session.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include <functional>
#include <memory>

namespace bench {

Reps repsFor(int players, int override)
{
    if (override > 0)
        return {override, override};
    if (players <= 100)
        return {101, 31};
    if (players <= 5000)
        return {31, 15};
    return {15, 7};
}

namespace {

// Runs setup, then the timed action and what it posted, then the untimed
// check, reps + 1 times; the first run only warms up.
Measured measure(int reps, const std::function<void()> &setup, const std::function<void()> &action,
                 const std::function<bool()> &check)
{
    Measured m;
    for (int i = 0; i <= reps; ++i) {
        setup();
        const std::int64_t t0 = monotonicNs();
        action();
        settle();
        const std::int64_t t1 = monotonicNs();
        if (!check())
            m.failed = true;
        if (i > 0)
            m.ms.append(double(t1 - t0) / 1e6);
    }
    return m;
}

} // namespace

SizeResults runSize(int players, int repsOverride, const QByteArray &ini)
{
    const Reps reps = repsFor(players, repsOverride);
    SizeResults out;
    Session s(players, ini);
    auto none = [] {};

    out[OpenFresh] = measure(reps.fresh, [&] { s.freshWindow(); }, [&] { s.openRoster(); },
                             [&] { return s.rosterOpen(); });
    out[OpenAgain] = measure(reps.same, [&] { s.clearQueues(); }, [&] { s.openRoster(); },
                             [&] { return s.rosterOpen(); });
    {
        std::unique_ptr<AnchorWindow> anchor;
        out[AnchorFill] = measure(
            reps.fresh,
            [&] {
                anchor = std::make_unique<AnchorWindow>();
                showAndSettle(anchor.get());
            },
            [&] { anchor->fill(s.roster); }, [&] { return anchor->table->rowCount() == players + 1; });
    }

    s.findRows();
    s.buildLineup();
    if (!s.lineupMarked())
        out[MarkingClick].failed = true;

    // The last starter, a forward, changes his style at each click.
    const int forward = s.rows.at(10);
    int click = 0;
    auto styleNow = [&] { return s.cell(forward, QStringLiteral("Style")); };
    Measured marking = measure(
        reps.same, none,
        [&] { s.mark(forward, QStringLiteral("FW"), ++click % 2 ? QStringLiteral("[n]ormal") : QStringLiteral("[a]ggressive")); },
        [&] { return styleNow() == (click % 2 ? QLatin1String("n") : QLatin1String("a")); });
    marking.failed |= out[MarkingClick].failed;
    out[MarkingClick] = marking;

    if (QAction *undo = menuEntryStartingWith(&s.window(), QStringLiteral("Undo"))) {
        QString before;
        out[UndoMark] = measure(
            reps.same,
            [&] {
                before = styleNow();
                s.mark(forward, QStringLiteral("FW"), before == QLatin1String("n") ? QStringLiteral("[a]ggressive")
                                                                               : QStringLiteral("[n]ormal"));
                settle();
            },
            [&] { undo->trigger(); }, [&] { return styleNow() == before; });
    } else {
        out[UndoMark].absent = true;
    }

    auto answerReplace = [&] {
        s.clearQueues();
        if (QFile::exists(s.lineup))
            s.prompts().answers.enqueue(Prompts::Yes);
    };
    qsizetype boxes = 0;
    auto markBoxes = [&](const std::function<void()> &then) {
        return [&, then] {
            then();
            boxes = s.prompts().boxes.size();
        };
    };
    out[SaveLineup] = measure(reps.same, markBoxes(answerReplace), [&] { s.trigger(QStringLiteral("&Save Lineup")); },
                              [&] { return s.boxesFine(boxes, QStringLiteral(" has been created")); });

    QTabWidget *sheets = s.window().findChild<QTabWidget *>(QStringLiteral("MainPageControl"));
    out[SaveView] = measure(
        reps.same,
        markBoxes([&] {
            sheets->setCurrentIndex(0);
            settle();
            answerReplace();
        }),
        [&] { s.trigger(QStringLiteral("Save && &View")); },
        [&] {
            return s.boxesFine(boxes, QStringLiteral(" has been created"))
                   && sheets->tabText(sheets->currentIndex()) == QLatin1String("Lineup Viewer");
        });
    sheets->setCurrentIndex(0);
    settle();

    out[OpenLineupOpen] = measure(reps.same, markBoxes([&] { s.clearQueues(); }), [&] { s.openLineup(); },
                                  [&] { return s.boxesFine(boxes) && s.lineupMarked(); });

    out[CoachFilter] = measure(
        reps.same,
        markBoxes([&] {
            s.clearQueues();
            s.prompts().dialogs.enqueue([](QDialog *dialog) {
                for (QPushButton *b : dialog->findChildren<QPushButton *>())
                    if (b->text() == QLatin1String("Done")) {
                        b->click();
                        return;
                    }
                dialog->accept();
            });
        }),
        [&] { s.trigger(QStringLiteral("Coaching Filter")); },
        [&] { return s.boxesFine(boxes) && s.box("CPBox")->count() > 2; });

    QPushButton *opponentButton = s.window().findChild<QPushButton *>(QStringLiteral("ChooseOppButton"));
    out[OpponentRow] = measure(
        reps.same,
        markBoxes([&] {
            s.clearQueues();
            s.prompts().files.enqueue(s.opponent);
        }),
        [&] { opponentButton->click(); },
        [&] { return s.boxesFine(boxes) && opponentButton->text() == QLatin1String("OPP"); });

    out[NewLineup] = measure(
        reps.same,
        [&] {
            s.clearQueues();
            s.openLineup();
            settle();
        },
        [&] { s.trigger(QStringLiteral("&New Lineup")); },
        [&] { return s.cell(s.rows.at(0), QStringLiteral("Play")).isEmpty(); });

    if (QAction *suggest = menuEntryStartingWith(&s.window(), QStringLiteral("Suggest"))) {
        out[Suggest] = measure(reps.same, markBoxes([&] { s.clearQueues(); }), [&] { suggest->trigger(); },
                               [&] { return s.boxesFine(boxes); });
    } else {
        out[Suggest].absent = true;
    }

    out[OpenLineupNone] = measure(
        reps.fresh, markBoxes([&] { s.freshWindow(); }), [&] { s.openLineup(); },
        [&] { return s.boxesFine(boxes) && s.rosterOpen() && s.lineupMarked(); });
    return out;
}

} // namespace bench
