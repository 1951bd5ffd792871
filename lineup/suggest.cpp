#include "lineup/suggest.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>
#include <optional>
#include <unordered_map>
#include <vector>

// How the best line-up is found, and why it is the best.
//
// Call a line-up better than another when its sum is higher, or the sums are
// equal and it comes first in roster order (the rule in the header). That is
// a total order, and the suggestion is its maximum B over the line-ups that
// light every light.
//
// 1. Candidates. Only the ticked, unmarked players with a roster position
//    (the pool) are chosen; K = 11 - marked starters of them start.
//    - At GK, SW, DF and WG every starter of B at position p is among the
//      first K of the pool ranked by rating at p, ties by row. Else K players
//      rank above him, at most K - 1 of them start, and one who does not
//      could take his place: the sum does not drop, and when it stays equal
//      that player's earlier row makes the line-up better. No light gets
//      worse: GK, SW and WG count in no 2:1 rule, and a higher DF sum only
//      helps "MF below twice DF".
//    - At MF and FW a higher sum can break a 2:1 rule, so a weaker player may
//      have to play there, and any rating value may be needed. But a starter
//      of rating v at MF could always give his place to a non-starter of the
//      same rating at MF from an earlier row: every sum stays, the line-up
//      gets better. So every pool player with that rating in an earlier row
//      starts too. Those outside the first K at GK, SW, DF or WG start at MF
//      or FW, and MF and FW hold at most eight starters together (11 less
//      one GK and two DF). So for each rating value at MF the first min(K, 8)
//      such players by row suffice; likewise at FW.
//    B lies within these candidates ("full"), and every line-up of them is
//    one of the pool, so the best line-up of the candidates is B.
//    The first K of the pool at each of the six positions ("firstK") hold
//    the best line-up U without the 2:1 rules (the same exchange). When B's
//    sum is U's, B lies within them too: a starter of B outside the first K
//    at MF or FW could give his place to a non-starter among them who rates
//    exactly the same there (more would beat U), and B would not be the
//    best. So the search runs on firstK for line-ups of sum U, and only when
//    there is none, on full for lower sums.
//
// 2. Search. A depth-first search takes the candidates in roster order and
//    tries each at GK, SW, DF, MF, WG, FW and then leaves him out: it meets
//    the line-ups exactly in the order of the tie rule, so the first line-up
//    found with the highest sum is B. A branch is cut
//    - when an upper bound of its sums is below the best found so far plus
//      one (an equal sum found later loses), or below the floor of the run.
//      The bound is exact without the 2:1 rules: a table, built backwards
//      over the candidates, of the best sum the candidates still to come can
//      add to each vector of counts so that the counts keep the rules;
//    - when its 2:1 rules can no longer be kept: the lowest MF sum within
//      reach is not below twice the highest DF sum within reach, or FW
//      likewise with MF (reach: the best and worst ratings still to come);
//    - when it gives a position to a candidate after leaving out an earlier
//      one who rates as high there (exactly as high at MF and FW): taking the
//      earlier one instead keeps every rule and makes the line-up better.
//    A run with floor f finds B whenever B's sum is f or more, and nothing
//    else. The runs on full start at U - 1 and lower the floor in growing
//    steps until a line-up is found or the floor is the lowest possible sum.
namespace lineup {

namespace {

constexpr int Lines = AssignedCount;
constexpr int Eleven = 11;
constexpr int Slots = 5;
constexpr std::array<int, Lines> MinCount{1, 0, 2, 2, 0, 1};
constexpr std::array<int, Lines> MaxCount{1, 1, 5, 5, 5, 4}; // WG: the other minimums add to six
constexpr int MostPerLine = 5; // no position takes more
constexpr int MostAtMidfieldAndAttack = Eleven - 1 - 2;
constexpr qint64 NoBound = std::numeric_limits<qint64>::min();

const QStringList &slotMarks()
{
    static const QStringList marks{"S1", "S2", "S3", "S4", "S5"};
    return marks;
}

struct Rule {
    Lamp Lights::*light;
    const char *text;
};

const Rule Rules[] = {
    {&Lights::gk, "GK: exactly one goalkeeper must start"},
    {&Lights::sw, "SW: at most one sweeper may start"},
    {&Lights::df, "DF: two to five defenders must start"},
    {&Lights::mf, "MF: two to five midfielders must start"},
    {&Lights::fw, "FW: one to four forwards must start"},
    {&Lights::starting11, "Starting 11: eleven players must start"},
    {&Lights::subs, "Five Subs: S1 to S5 must each hold one substitute"},
    {&Lights::mf21, "2:1 rule MF: the midfield sum must be above 0 and below twice the defence sum, "
                    "which must be above 0"},
    {&Lights::fw21, "2:1 rule FW: the forward sum must not be 0 and must be below twice the midfield sum, "
                    "which must be above 0, unless the starting strategy is L or E"},
};

// The count light of each position; wingers have none.
Lamp Lights::*const CountLight[Lines] = {&Lights::gk, &Lights::sw, &Lights::df, &Lights::mf, nullptr, &Lights::fw};

struct Candidate {
    int player; // index into the input's players
    std::array<int, Lines> rating;
};

struct Which {
    bool mf21 = true, fw21 = true; // the 2:1 rules the line-up must keep
};

// The count vectors of line-ups, one number each: GK and SW 0-1, DF, MF and
// WG 0-5, FW 0-4.
constexpr std::array<int, Lines> Stride{2160, 1080, 180, 30, 5, 1};
constexpr int CountVectors = 4320;
// Entries of the best-completion table kept at most; beyond, it keeps every
// few candidates' row and bounds from the nearest earlier one.
constexpr size_t TableLimit = 4'000'000;

// The count vectors from which a line-up can still reach counts that keep
// the rules, numbered in a row; for each, the vector one more starter at
// each position leads to (-1 when it is none of them).
struct CountVectorTable {
    std::array<int, CountVectors> index;
    std::vector<std::array<int, Lines>> counts, next;
    std::vector<char> complete; // eleven starters, every count kept
};

const CountVectorTable &countVectorTable()
{
    static const CountVectorTable table = [] {
        CountVectorTable t;
        t.index.fill(-1);
        for (int v = 0; v < CountVectors; ++v) {
            std::array<int, Lines> c;
            int total = 0, needed = 0;
            for (int p = 0, rest = v; p < Lines; ++p) {
                c[p] = rest / Stride[p];
                rest %= Stride[p];
                total += c[p];
                needed += std::max(0, MinCount[p] - c[p]);
            }
            if (total + needed > Eleven)
                continue;
            t.index[v] = int(t.counts.size());
            t.counts.push_back(c);
            t.complete.push_back(total == Eleven);
        }
        for (const auto &c : t.counts) {
            int v = 0;
            for (int p = 0; p < Lines; ++p)
                v += c[p] * Stride[p];
            std::array<int, Lines> to;
            for (int p = 0; p < Lines; ++p)
                to[p] = c[p] < MaxCount[p] ? t.index[v + Stride[p]] : -1;
            t.next.push_back(to);
        }
        return t;
    }();
    return table;
}

// The starters chosen from the candidates: the marked ones are fixed in
// count and sum; the search places the rest.
class Search {
public:
    Search(const std::vector<Candidate> &candidates, const Totals &marked, int newStarters, Which which)
        : cands(candidates), want(newStarters), rules(which), at(candidates.size(), -1)
    {
        for (int p = 0; p < Lines; ++p) {
            count[p] = marked.count[p];
            sum[p] = marked.sum[p];
            vector += count[p] * Stride[p];
        }
        buildSuffixes();
        buildCompletions();
        buildLeftOut();
    }

    // The best line-up with a sum of at least floor; false when none has.
    // firstOnly: any line-up that keeps the rules will do.
    bool run(qint64 floor, bool firstOnly)
    {
        this->floor = floor;
        this->firstOnly = firstOnly;
        found = done = false;
        visit(0);
        return found;
    }

    qint64 rootBound() const { return bound(0); }
    qint64 lowestSum() const
    {
        int least = 0;
        if (!cands.empty()) {
            least = std::numeric_limits<int>::max();
            for (const Candidate &c : cands)
                least = std::min(least, *std::min_element(c.rating.begin(), c.rating.end()));
        }
        return currentSum() + qint64(want) * least;
    }
    const std::vector<int> &best() const { return bestAt; } // per candidate: its position, or -1

private:
    struct Suffix {
        std::array<std::array<int, MostPerLine>, Lines> top{}; // descending
        std::array<int, Lines> least{};
        int size = 0; // entries filled in each top list: min(5, candidates left)
    };

    void buildSuffixes()
    {
        suffix.assign(cands.size() + 1, Suffix());
        for (int i = int(cands.size()) - 1; i >= 0; --i) {
            Suffix s = suffix[i + 1];
            const int filled = s.size;
            s.size = std::min(filled + 1, MostPerLine);
            for (int p = 0; p < Lines; ++p) {
                const int r = cands[i].rating[p];
                s.least[p] = filled == 0 ? r : std::min(s.least[p], r);
                auto &top = s.top[p];
                int k = std::min(filled, MostPerLine - 1);
                if (filled == MostPerLine && r <= top[k])
                    continue;
                for (; k > 0 && top[k - 1] < r; --k)
                    top[k] = top[k - 1];
                top[k] = r;
            }
            suffix[i] = s;
        }
    }

    // completion[i][v]: the highest sum the candidates from i on can add to
    // a line-up of count vector v so that its counts keep the rules, the
    // 2:1 rules aside; NoBound when none can.
    void buildCompletions()
    {
        const CountVectorTable &t = countVectorTable();
        std::vector<int> active; // the vectors of line-ups that hold the marked starters
        for (int k = 0; k < int(t.counts.size()); ++k) {
            bool holds = true;
            for (int p = 0; p < Lines; ++p)
                holds = holds && t.counts[k][p] >= count[p];
            if (holds)
                active.push_back(k);
        }
        const size_t n = cands.size(), width = t.counts.size();
        every = 1 + (n + 1) * width / TableLimit;
        completion.assign((n / every + 1) * width, NoBound);
        std::vector<qint64> next(width, NoBound), here(width, NoBound);
        for (int k : active)
            if (t.complete[k])
                next[k] = 0;
        for (size_t i = n + 1; i-- > 0;) {
            if (i < n) {
                for (int k : active) {
                    qint64 best = next[k];
                    for (int p = 0; p < Lines; ++p)
                        if (const int to = t.next[k][p]; to >= 0 && next[to] != NoBound)
                            best = std::max(best, cands[i].rating[p] + next[to]);
                    here[k] = best;
                }
                next.swap(here);
            }
            if (i % every == 0)
                std::copy(next.begin(), next.end(), completion.begin() + (i / every) * width);
        }
    }

    qint64 currentSum() const { return std::accumulate(sum.begin(), sum.end(), qint64(0)); }

    // An upper bound of the sums of the line-ups completed from candidate i
    // on, or NoBound when none of them can keep the counts and 2:1 rules.
    qint64 bound(size_t i) const
    {
        const int left = want - placed;
        if (qsizetype(cands.size() - i) < left)
            return NoBound;
        const CountVectorTable &t = countVectorTable();
        const int k = t.index[vector];
        if (k < 0)
            return NoBound;
        const qint64 completed = completion[(i / every) * t.counts.size() + k];
        if (completed == NoBound)
            return NoBound;

        const Suffix &s = suffix[i];
        std::array<int, Lines> need{}, most{};
        int needed = 0;
        for (int p = 0; p < Lines; ++p) {
            need[p] = std::max(0, MinCount[p] - count[p]);
            most[p] = std::min({MaxCount[p] - count[p], left, s.size});
            needed += need[p];
        }
        // The lowest and highest final sum of a position within reach.
        auto reach = [&](int p, qint64 &lo, qint64 &hi) {
            const int room = std::max(need[p], std::min(most[p], left - (needed - need[p])));
            qint64 add = 0;
            for (int k = 0; k < need[p]; ++k)
                add += s.top[p][k];
            qint64 highest = add;
            for (int k = need[p]; k < room; ++k)
                highest = std::max(highest, add += s.top[p][k]);
            hi = sum[p] + highest;
            lo = sum[p] + qint64(s.least[p] >= 0 ? need[p] : room) * s.least[p];
        };
        qint64 loDF, hiDF, loMF, hiMF, loFW, hiFW;
        reach(DF, loDF, hiDF);
        reach(MF, loMF, hiMF);
        reach(FW, loFW, hiFW);
        if (rules.mf21 && (hiDF <= 0 || hiMF <= 0 || loMF >= 2 * hiDF))
            return NoBound;
        if (rules.fw21 && (hiMF <= 0 || loFW >= 2 * hiMF || (loFW == 0 && hiFW == 0)))
            return NoBound;
        return currentSum() + completed;
    }

    bool keepsRules() const
    {
        for (int p = 0; p < Lines; ++p)
            if (count[p] < MinCount[p])
                return false;
        if (rules.mf21 && !(sum[MF] < 2 * sum[DF] && sum[DF] > 0 && sum[MF] > 0))
            return false;
        if (rules.fw21 && !(sum[FW] < 2 * sum[MF] && sum[MF] > 0 && sum[FW] != 0))
            return false;
        return true;
    }

    // Candidate i at p loses to an earlier candidate left out who would
    // give p as much (the same exactly at MF and FW, where more can break a
    // 2:1 rule): taking him instead, no sum drops and the line-up comes
    // earlier in roster order.
    bool outdone(size_t i, int p) const
    {
        if (p == MF || p == FW)
            return leftOutWith[p][valueIndex[i][p]] > 0;
        return cands[i].rating[p] <= bestLeftOut[p];
    }

    void leaveOut(size_t i, bool out)
    {
        for (int p = 0; p < Lines; ++p) {
            if (p == MF || p == FW) {
                leftOutWith[p][valueIndex[i][p]] += out ? 1 : -1;
            } else if (out) {
                savedBest[i][p] = bestLeftOut[p];
                bestLeftOut[p] = std::max(bestLeftOut[p], cands[i].rating[p]);
            } else {
                bestLeftOut[p] = savedBest[i][p];
            }
        }
    }

    void buildLeftOut()
    {
        bestLeftOut.fill(std::numeric_limits<int>::min());
        savedBest.resize(cands.size());
        valueIndex.resize(cands.size());
        for (int p : {MF, FW}) {
            std::vector<int> values;
            for (const Candidate &c : cands)
                values.push_back(c.rating[p]);
            std::sort(values.begin(), values.end());
            values.erase(std::unique(values.begin(), values.end()), values.end());
            for (size_t i = 0; i < cands.size(); ++i)
                valueIndex[i][p] = int(std::lower_bound(values.begin(), values.end(), cands[i].rating[p]) - values.begin());
            leftOutWith[p].assign(values.size(), 0);
        }
    }

    // Candidates from i on; leaving a candidate out is the loop's next turn.
    void visit(size_t i)
    {
        const size_t from = i;
        struct Restore {
            Search &s;
            size_t from;
            size_t &to;
            ~Restore()
            {
                for (size_t k = to; k-- > from;)
                    s.leaveOut(k, false);
            }
        } restore{*this, from, i};
        for (;; ++i) {
            if (placed == want) {
                const qint64 total = currentSum();
                if (total >= floor && keepsRules()) {
                    found = true;
                    bestAt = at;
                    floor = total + 1;
                    done = firstOnly;
                }
                return;
            }
            if (bound(i) < floor)
                return;
            for (int p = 0; p < Lines; ++p) {
                if (count[p] >= MaxCount[p] || outdone(i, p))
                    continue;
                at[i] = p;
                ++count[p];
                vector += Stride[p];
                sum[p] += cands[i].rating[p];
                ++placed;
                visit(i + 1);
                --placed;
                sum[p] -= cands[i].rating[p];
                vector -= Stride[p];
                --count[p];
                at[i] = -1;
                if (done)
                    return;
            }
            leaveOut(i, true);
        }
    }

    const std::vector<Candidate> &cands;
    const int want;
    const Which rules;
    std::vector<Suffix> suffix;
    std::vector<qint64> completion;
    size_t every = 1;

    std::array<int, Lines> count{};
    std::array<qint64, Lines> sum{};
    int vector = 0; // the count vector's number
    int placed = 0;
    std::vector<int> at;

    // The candidates left out so far: the best of them at GK, SW, DF and WG,
    // how many with each rating at MF and FW.
    std::array<int, Lines> bestLeftOut{};
    std::vector<std::array<int, Lines>> savedBest;
    std::array<std::vector<int>, Lines> leftOutWith;
    std::vector<std::array<int, Lines>> valueIndex;

    qint64 floor = 0;
    bool firstOnly = false, found = false, done = false;
    std::vector<int> bestAt;
};

// The pool players who may start in the best line-up (see the top of the
// file): the first K at each position, and all who may be needed when a 2:1
// rule binds.
struct CandidateSets {
    std::vector<Candidate> firstK, full;
};

CandidateSets candidatesOf(const SuggestInput &in, const std::vector<int> &pool, int newStarters)
{
    std::vector<std::array<int, Lines>> r(pool.size());
    for (size_t j = 0; j < pool.size(); ++j) {
        const SuggestPlayer &pl = in.players.at(pool[j]);
        const int natural = int(naturalCodes().indexOf(pl.pos));
        for (int p = 0; p < Lines; ++p)
            r[j][p] = rating(pl.skill, p, natural, QStringLiteral("n"), in.modifiers);
    }

    enum : char { FirstKAnywhere = 1, FirstKAtMFOrFW = 2, SameRatingAtMFOrFW = 4 };
    std::vector<char> kind(pool.size(), 0);
    std::vector<int> order(pool.size());
    const int first = std::min<int>(newStarters, int(pool.size()));
    for (int p = 0; p < Lines; ++p) {
        std::iota(order.begin(), order.end(), 0);
        std::partial_sort(order.begin(), order.begin() + first, order.end(), [&](int a, int b) {
            return r[a][p] != r[b][p] ? r[a][p] > r[b][p] : a < b;
        });
        for (int k = 0; k < first; ++k)
            kind[order[k]] |= p == MF || p == FW ? FirstKAtMFOrFW : FirstKAnywhere;
    }
    const int perValue = std::min(newStarters, MostAtMidfieldAndAttack);
    for (int p : {MF, FW}) {
        std::unordered_map<int, int> seen;
        for (size_t j = 0; j < pool.size(); ++j)
            if (!(kind[j] & FirstKAnywhere) && seen[r[j][p]]++ < perValue)
                kind[j] |= SameRatingAtMFOrFW;
    }

    CandidateSets sets;
    for (size_t j = 0; j < pool.size(); ++j) {
        if (kind[j] & (FirstKAnywhere | FirstKAtMFOrFW))
            sets.firstK.push_back({pool[j], r[j]});
        if (kind[j] & (FirstKAnywhere | SameRatingAtMFOrFW))
            sets.full.push_back({pool[j], r[j]});
    }
    return sets;
}

// Which 2:1 rule no line-up of the candidates can keep.
QString twoToOneProblem(const std::vector<Candidate> &cands, const Totals &marked, int newStarters, bool fw21)
{
    const QString mf = lightRule(&Lights::mf21), fw = lightRule(&Lights::fw21);
    if (!fw21)
        return mf;
    auto feasible = [&](Which which) {
        Search s(cands, marked, newStarters, which);
        return s.run(s.lowestSum(), true);
    };
    const bool withoutMF = feasible({false, true});
    const bool withoutFW = feasible({true, false});
    if (withoutMF && !withoutFW)
        return mf;
    if (withoutFW && !withoutMF)
        return fw;
    if (withoutMF && withoutFW)
        return QStringLiteral("the two 2:1 rules cannot be kept together: ") + mf + QStringLiteral("; ") + fw;
    return mf + QStringLiteral("; ") + fw;
}

// The best of the players left by SL, ties to the earlier row.
int bestLeft(const SuggestInput &in, const std::vector<int> &byStrength, std::vector<char> &used, bool keeperOnly)
{
    for (int j : byStrength) {
        if (used[j] || (keeperOnly && in.players.at(j).pos != QLatin1String("GK")))
            continue;
        used[j] = 1;
        return j;
    }
    return -1;
}

Suggestion failed(const QString &problem)
{
    Suggestion s;
    s.problem = problem;
    return s;
}

} // namespace

QString formationText(const Totals &totals)
{
    QStringList parts;
    for (int p = 0; p < Lines; ++p)
        parts << QStringLiteral("%1 %2").arg(totals.count[p]).arg(assignedCodes().at(p));
    return parts.join(QStringLiteral(", "));
}

QString lightRule(Lamp Lights::*light)
{
    for (const Rule &r : Rules)
        if (r.light == light)
            return QString::fromLatin1(r.text);
    return QString();
}

QStringList unlitRules(const Lights &lights)
{
    QStringList out;
    for (const Rule &r : Rules)
        if (lights.*(r.light) == Lamp::Off)
            out << QString::fromLatin1(r.text);
    return out;
}

Suggestion suggestLineup(const SuggestInput &in)
{
    const qsizetype n = in.players.size();
    QVector<SuggestRow> rows(n);
    Totals marked;
    std::array<bool, Slots> held{};
    std::vector<int> pool;

    for (qsizetype j = 0; j < n; ++j) {
        const SuggestPlayer &pl = in.players.at(j);
        SuggestRow &row = rows[j];
        row = {pl.play, pl.style, pl.subs};
        if (!pl.subs.isEmpty()) {
            const qsizetype slot = slotMarks().indexOf(pl.subs);
            if (slot >= 0 && row.play.isEmpty() && !defaultSubPosition(pl.pos).isEmpty())
                row = {defaultSubPosition(pl.pos), QStringLiteral("n"), pl.subs};
            if (row.play.isEmpty())
                continue; // counted nowhere, holds nothing
            const QString rule = lightRule(&Lights::subs);
            if (slot < 0)
                return failed(rule + QStringLiteral("; %1 is marked \"%2\"").arg(pl.name, pl.subs));
            if (held[slot])
                return failed(rule + QStringLiteral("; %1 is marked twice").arg(pl.subs));
            held[slot] = true;
        } else if (!pl.play.isEmpty()) {
            const qsizetype a = assignedCodes().indexOf(pl.play);
            if (a < 0)
                return failed(lightRule(&Lights::starting11)
                              + QStringLiteral("; %1 is marked \"%2\", which is not a line-up position")
                                    .arg(pl.name, pl.play));
            ++marked.count[a];
            marked.sum[a] += rating(pl.skill, int(a), int(naturalCodes().indexOf(pl.pos)), pl.style, in.modifiers);
            ++marked.starters;
        } else if (pl.available && !pl.pos.isEmpty()) {
            pool.push_back(int(j));
        }
    }

    if (marked.starters > Eleven)
        return failed(lightRule(&Lights::starting11)
                      + QStringLiteral("; %1 players are marked as starters").arg(marked.starters));
    const int newStarters = Eleven - marked.starters;
    int needed = 0;
    for (int p = 0; p < Lines; ++p) {
        if (CountLight[p] && marked.count[p] > MaxCount[p])
            return failed(lightRule(CountLight[p]) + QStringLiteral("; %1 are marked").arg(marked.count[p]));
        needed += std::max(0, MinCount[p] - marked.count[p]);
    }
    if (needed > newStarters) {
        for (int p = 0; p < Lines; ++p)
            if (marked.count[p] < MinCount[p])
                return failed(lightRule(CountLight[p]) + QStringLiteral("; the marked starters leave too few places"));
    }
    const int freeSlots = int(std::count(held.begin(), held.end(), false));
    if (qsizetype(pool.size()) < newStarters + freeSlots)
        return failed(QStringLiteral("fewer than 16 available players"));

    // Starters: first among the first K at each position, which hold the
    // best line-up when no 2:1 rule binds; else among all candidates.
    const bool fw21 = in.strategy != QLatin1String("L") && in.strategy != QLatin1String("E");
    const CandidateSets sets = candidatesOf(in, pool, newStarters);
    const std::vector<Candidate> *cands = &sets.firstK;
    Search amongFirstK(sets.firstK, marked, newStarters, {true, fw21});
    const qint64 highest = amongFirstK.rootBound();
    const Search *search = &amongFirstK;
    std::optional<Search> amongAll;
    if (highest == NoBound || !amongFirstK.run(highest, false)) {
        cands = &sets.full;
        amongAll.emplace(sets.full, marked, newStarters, Which{true, fw21});
        search = &*amongAll;
        qint64 top = amongAll->rootBound();
        if (highest != NoBound)
            top = std::min(top, highest - 1);
        const qint64 lowest = amongAll->lowestSum();
        bool found = false;
        for (qint64 step = 0; top != NoBound && !found; step = step ? 2 * step : 1) {
            const qint64 floor = std::max(top - step, lowest);
            found = amongAll->run(floor, false);
            if (floor == lowest)
                break;
        }
        if (!found)
            return failed(twoToOneProblem(sets.full, marked, newStarters, fw21));
    }

    std::vector<char> used(n, 0);
    for (size_t c = 0; c < cands->size(); ++c) {
        if (const int p = search->best()[c]; p >= 0) {
            rows[(*cands)[c].player] = {assignedCodes().at(p), QStringLiteral("n"), QString()};
            used[(*cands)[c].player] = 1;
        }
    }

    // Substitutes.
    std::vector<int> byStrength;
    for (int j : pool)
        if (!used[j])
            byStrength.push_back(j);
    std::stable_sort(byStrength.begin(), byStrength.end(),
                     [&](int a, int b) { return in.players.at(a).skill > in.players.at(b).skill; });
    for (int slot = 0; slot < Slots; ++slot) {
        if (held[slot])
            continue;
        int j = slot == 0 ? bestLeft(in, byStrength, used, true) : -1;
        if (j < 0)
            j = bestLeft(in, byStrength, used, false);
        Q_ASSERT(j >= 0); // the pool holds enough players for every free slot
        rows[j] = {defaultSubPosition(in.players.at(j).pos), QStringLiteral("n"), slotMarks().at(slot)};
    }

    Suggestion s;
    s.rows = rows;
    QVector<Marks> marks;
    marks.reserve(n);
    for (qsizetype j = 0; j < n; ++j)
        marks.append({QString::number(in.players.at(j).skill), in.players.at(j).pos, rows[j].play, rows[j].style,
                      rows[j].subs});
    s.totals = computeTotals(marks, in.modifiers);
    s.lights = checkLineup(s.totals, in.strategy);
    s.sum = std::accumulate(s.totals.sum.begin(), s.totals.sum.end(), 0);
    s.formation = formationText(s.totals);
    Q_ASSERT(unlitRules(s.lights).isEmpty());
    return s;
}

} // namespace lineup
