#pragma once
// The commands at one roster size, each timed through the controls a manager
// uses, repeated, in a fresh window where the command needs one.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

namespace bench {

// Repetitions at a roster size: commands on one window, and commands that
// need a fresh window each time.
struct Reps {
    int same;
    int fresh;
};
// override > 0 sets both.
Reps repsFor(int players, int override);

struct Measured {
    QList<double> ms;
    bool failed = false; // a run did not leave the command's result
    bool absent = false; // the program has no such command
};

// The rows of the commands table, in order.
inline constexpr const char *OpenFresh = "Open Roster (into a fresh window)";
inline constexpr const char *OpenAgain = "Open Roster (again, same size)";
inline constexpr const char *AnchorFill = "anchor: fill a fresh QTableWidget";
inline constexpr const char *OpenRatio = "Open Roster / anchor fill";
inline constexpr const char *MarkingClick = "Marking click (click + pick)";
inline constexpr const char *UndoMark = "Undo (of a marking click)";
inline constexpr const char *SaveLineup = "Save Lineup (replace: Yes)";
inline constexpr const char *OpenLineupOpen = "Open Lineup (roster open)";
inline constexpr const char *OpenLineupNone = "Open Lineup (no roster open)";
inline constexpr const char *SaveView = "Save & View";
inline constexpr const char *CoachFilter = "Coaching Filter refill (Done)";
inline constexpr const char *OpponentRow = "Opponent (roster of same size)";
inline constexpr const char *NewLineup = "New Lineup";
inline constexpr const char *Suggest = "Suggest Lineup";
inline constexpr const char *CommandRows[] = {OpenFresh,  OpenAgain,      AnchorFill,     OpenRatio, MarkingClick,
                                              UndoMark,   SaveLineup,     OpenLineupOpen, OpenLineupNone,
                                              SaveView,   CoachFilter,    OpponentRow,    NewLineup, Suggest};

// Figures by row name (OpenRatio is computed from two others).
using SizeResults = QMap<QString, Measured>;
SizeResults runSize(int players, int repsOverride, const QByteArray &ini);

} // namespace bench
