#include "lineup/ratings.h"
#include "app/pelerror.h"

#include <cmath>

namespace lineup {

const QStringList &assignedCodes()
{
    static const QStringList codes{"GK", "SW", "DF", "MF", "WG", "FW"};
    return codes;
}

const QStringList &naturalCodes()
{
    static const QStringList codes{"GK", "SW", "SD", "DF", "DM", "MF", "MA", "WG", "FW", "UT"};
    return codes;
}

double fit(int assigned, int natural)
{
    //                                    GK   SW   SD   DF   DM   MF   MA   WG   FW   UT
    static const double table[AssignedCount][10] = {
        /* GK */ {1.0, 0.5, 0.5, 0.3, 0.3, 0.1, 0.1, 0.0, 0.0, 0.3},
        /* SW */ {0.5, 1.0, 1.0, 0.8, 0.8, 0.6, 0.6, 0.4, 0.4, 0.8},
        /* DF */ {0.3, 0.8, 1.0, 1.0, 1.0, 0.8, 0.8, 0.6, 0.6, 1.0},
        /* MF */ {0.1, 0.6, 0.8, 0.8, 1.0, 1.0, 1.0, 0.8, 0.8, 1.0},
        /* WG */ {0.0, 0.4, 0.6, 0.6, 0.8, 0.8, 0.8, 1.0, 0.8, 0.8},
        /* FW */ {0.0, 0.4, 0.6, 0.6, 0.8, 0.8, 1.0, 0.8, 1.0, 1.0},
    };
    return table[assigned][natural];
}

namespace {

// The product is stored before the ceiling, so it is rounded to a double
// first (the build forbids contracting it into a fused multiply-add).
int ceilOfProduct(double a, double b)
{
    volatile double product = a * b;
    return static_cast<int>(std::ceil(product));
}

} // namespace

int rating(int skill, int assigned, int natural, const QString &style, const Modifiers &m)
{
    if (natural < 0)
        return 0;
    int r = ceilOfProduct(skill, fit(assigned, natural));
    if (style == QLatin1String("n"))
        r = ceilOfProduct(r, m.normal);
    else if (style == QLatin1String("a"))
        r = ceilOfProduct(r, m.aggressive);
    else if (style == QLatin1String("p"))
        r = ceilOfProduct(r, m.passive);
    return r;
}

Totals computeTotals(const QVector<Marks> &rows, const Modifiers &m)
{
    static const QStringList slotMarks{"S1", "S2", "S3", "S4", "S5"};
    Totals t;
    for (const Marks &row : rows) {
        if (row.play.isEmpty())
            continue;
        if (!row.subs.isEmpty()) {
            ++t.substitutes;
            const qsizetype slot = slotMarks.indexOf(row.subs);
            if (slot >= 0)
                t.slot[slot] = true;
            continue;
        }
        const qsizetype a = assignedCodes().indexOf(row.play);
        if (a < 0)
            continue;
        const int r = rating(toWholeNumber(row.skill), int(a), int(naturalCodes().indexOf(row.pos)),
                             row.style, m);
        ++t.count[a];
        t.sum[a] += r;
    }
    for (int c : t.count)
        t.starters += c;
    return t;
}

Lights checkLineup(const Totals &t, const QString &startStrategy)
{
    auto lit = [](bool on, Lamp colour) { return on ? colour : Lamp::Off; };
    const auto &c = t.count;
    const auto &s = t.sum;
    Lights l;
    l.gk = lit(c[GK] == 1, Lamp::Red);
    l.sw = lit(c[SW] < 2, Lamp::Red);
    l.df = lit(c[DF] >= 2 && c[DF] <= 5, Lamp::Red);
    l.mf = lit(c[MF] >= 2 && c[MF] <= 5, Lamp::Red);
    l.fw = lit(c[FW] >= 1 && c[FW] <= 4, Lamp::Red);
    l.starting11 = lit(t.starters == 11, Lamp::Purple);
    bool allSlots = true;
    for (bool b : t.slot)
        allSlots = allSlots && b;
    l.subs = lit(allSlots && t.substitutes == 5, Lamp::Purple);
    l.mf21 = lit(s[MF] < 2 * s[DF] && s[DF] > 0 && s[MF] > 0, Lamp::Red);
    if (s[FW] < 2 * s[MF] && s[MF] > 0 && s[FW] != 0)
        l.fw21 = Lamp::Red;
    else if (startStrategy == QLatin1String("L") || startStrategy == QLatin1String("E"))
        l.fw21 = Lamp::Green;
    else
        l.fw21 = Lamp::Off;
    return l;
}

QString defaultSubPosition(const QString &rosterPos)
{
    if (rosterPos == QLatin1String("UT"))
        return QStringLiteral("FW");
    if (rosterPos == QLatin1String("SD"))
        return QStringLiteral("SW");
    if (rosterPos == QLatin1String("DM"))
        return QStringLiteral("DF");
    if (rosterPos == QLatin1String("MA"))
        return QStringLiteral("MF");
    return rosterPos;
}

} // namespace lineup
