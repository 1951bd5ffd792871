#include "bench/rosters.h"

#include <QSet>

namespace bench {

namespace {

// A small fixed generator, so that every build and library makes the same files.
class Lcg {
public:
    explicit Lcg(unsigned seed) : state(seed * 2654435761u + 1) {}
    unsigned next(unsigned bound)
    {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return unsigned((state >> 33) % bound);
    }

private:
    unsigned long long state;
};

const char *const surnames[] = {
    "Abbott",  "Baker",   "Barnes",   "Bell",     "Brown",    "Carter",   "Clarke",  "Collins",
    "Cooper",  "Davies",  "Dixon",    "Edwards",  "Evans",    "Fisher",   "Fletcher", "Foster",
    "Graham",  "Green",   "Griffiths", "Hall",    "Harris",   "Hughes",   "Hunt",    "Jackson",
    "James",   "Johnson", "Jones",    "Kelly",    "King",     "Knight",   "Lewis",   "Marshall",
    "Mason",   "Matthews", "Mills",   "Moore",    "Morgan",   "Morris",   "Murphy",  "O'Brien",
    "Owen",    "Palmer",  "Parker",   "Phillips", "Powell",   "Price",    "Reid",    "Richards",
    "Roberts", "Robinson", "Rogers",  "Scott",    "Shaw",     "Simpson",  "Smith",   "Stevens",
    "Taylor",  "Thomas",  "Thompson", "Turner",   "Walker",   "Ward",     "Watson",  "Wright"};
constexpr unsigned SurnameCount = sizeof surnames / sizeof *surnames;
const char *const positions[] = {"GK", "SW", "SD", "DF", "DM", "MF", "MA", "WG", "FW", "UT"};

} // namespace

Squad generateSquad(int players, const QString &teamLine, unsigned seed)
{
    Lcg rng(seed);
    Squad squad;
    QString text = teamLine + QStringLiteral("\r\n");
    QSet<QString> used;
    for (int p = 0; p < players; ++p) {
        QString name;
        do {
            name = QStringLiteral("%1.%2. %3")
                       .arg(QChar(u'A' + rng.next(26)), QChar(u'A' + rng.next(26)),
                            QString::fromLatin1(surnames[rng.next(SurnameCount)]));
        } while (used.contains(name));
        used.insert(name);
        squad.names.append(name);
        // The first ten players cover every position; the rest are drawn.
        const char *pos = p < 10 ? positions[p] : positions[rng.next(10)];
        text += QStringLiteral("%1,%2,%3,%4,%5\r\n")
                    .arg(name)
                    .arg(rng.next(11))
                    .arg(rng.next(41))
                    .arg(QString::fromLatin1(pos))
                    .arg(rng.next(21));
    }
    squad.bytes = text.toLatin1();
    return squad;
}

} // namespace bench
