#pragma once
#include <QString>
#include <QVector>
#include <array>

// Position ratings, line-up totals and the checker's verdicts.
namespace lineup {

// Line-up positions in column order of the totals grid.
enum Assigned { GK = 0, SW, DF, MF, WG, FW, AssignedCount };

const QStringList &assignedCodes(); // "GK", "SW", "DF", "MF", "WG", "FW"
const QStringList &naturalCodes();  // "GK", "SW", "SD", "DF", "DM", "MF", "MA", "WG", "FW", "UT"

// fit[assigned][natural], each the nearest double to the decimal of the table.
double fit(int assigned, int natural);

struct Modifiers {
    double passive = 0.75;
    double normal = 1.0;
    double aggressive = 1.15;
};

// The rating of a starter: ceiling(SL x fit), then ceiling(r x style factor).
// Index -1 for a natural code outside the ten rates 0.
int rating(int skill, int assigned, int natural, const QString &style, const Modifiers &m);

// One player row's marks as the grid holds them.
struct Marks {
    QString skill; // "SL" cell
    QString pos;
    QString play;
    QString style;
    QString subs;
};

struct Totals {
    std::array<int, AssignedCount> count{};
    std::array<int, AssignedCount> sum{};
    int starters = 0;
    int substitutes = 0;
    std::array<bool, 5> slot{}; // S1 .. S5 present
};

// The recomputing pass over the player rows. Throws the conversion error for
// a starter whose SL is not a whole number.
Totals computeTotals(const QVector<Marks> &rows, const Modifiers &m);

// The nine checker lights.
enum class Lamp { Off, Red, Green, Purple };
struct Lights {
    Lamp gk = Lamp::Off, sw = Lamp::Off, df = Lamp::Off, mf = Lamp::Off, fw = Lamp::Off;
    Lamp starting11 = Lamp::Off, subs = Lamp::Off, mf21 = Lamp::Off, fw21 = Lamp::Off;
    bool operator==(const Lights &) const = default;
};
Lights checkLineup(const Totals &t, const QString &startStrategy);

// The default position of a new substitute without one, from his roster code.
QString defaultSubPosition(const QString &rosterPos);

} // namespace lineup
