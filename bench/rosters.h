#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace bench {

// A generated squad as a roster file: a team line and one player line per
// player (Name, Age 0-10, SL 0-40, Pos, EL), CR LF line ends. Names are
// unique ("J.K. Morrison"), every roster position occurs, and the same seed
// gives the same file.
struct Squad {
    QByteArray bytes;
    QStringList names; // in file order
};
Squad generateSquad(int players, const QString &teamLine, unsigned seed);

} // namespace bench
