#pragma once
#include <QString>
#include <QStringList>
#include <QVector>

// Auction bids, the session's file names, and the orders archive.
namespace orders {

// abbreviation + "Session" + session + suffix ("Bids.txt", "Press.txt", ".zip").
QString sessionFileName(const QString &abbreviation, const QString &session, const QString &suffix);

// The longest name whose bid line (lot, price of at most four digits, name)
// fits the league's 255 characters.
constexpr int MaxBidNameLength = 255 - 2 - 4 - 2;

struct Bid {
    QString lot, price, name;
};

// Every pair of bids whose names are equal without regard to case must be
// on the same lot; empty names take part like any other.
bool namesConsistent(const QVector<Bid> &bids);

// The Bids file's lines: rows of more than 3 characters, sorted as text
// without regard to case when autoSort is on.
QStringList bidLines(const QVector<Bid> &bids, bool autoSort);

// The name the name dialog suggests for bid row (1 to 5).
QString suggestedName(const QVector<Bid> &bids, int row);

// The bid amount check: the message for a refused amount, or empty.
QString amountProblem(const QString &trimmed);

// The files of the zip list as they are packed: a file listed more than
// once (by the same path, or by bare name and by full path) once, in list
// order, into unique; the returned messages name each pair of files whose
// bare names differ at most in case, which cannot both be packed.
QStringList archiveProblems(const QStringList &files, QStringList *unique = nullptr);

// Writes the listed files into a ZIP archive at zipPath, each under its bare
// name, deflated at level 9; entries of an existing archive are kept or
// replaced by name. Either the whole archive is written or the old one stays
// as it was. Returns the names of the entries the archive now holds. Throws a
// PelError naming the file and the reason.
QStringList writeArchive(const QString &zipPath, const QStringList &files);

} // namespace orders
