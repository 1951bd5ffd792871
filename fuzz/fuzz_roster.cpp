// Reading a roster file: the league reader over a real file, then the field
// splitting, the abbreviation check, the whole-number cells and the
// candidate rule, and the opponent's names. No failure but a refusal; the
// fields of a line join back to the line; an accepted abbreviation keeps
// every file named after it inside the working directory.
#include "app/pelerror.h"
#include "app/textfile.h"
#include "fuzzsupport.h"
#include "lineup/lineupfile.h"
#include "orders/bids.h"
#include "roster/rosterfile.h"

#include <QDir>
#include <limits>

namespace {

void checkInsideFolder(const QString &folder, const QString &fileName)
{
    const QString path = QDir::cleanPath(folder + u'/' + fileName);
    FUZZ_CHECK(path.startsWith(folder + u'/') && path.size() > folder.size() + 1,
               QStringLiteral("%1 leads to %2").arg(quoted(fileName), quoted(path)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList fileLines;
    try {
        fileLines = textfile::readLines(putFile(QStringLiteral("ABC.ros"), inputBytes(data, size)));
    } catch (const PelError &) {
        return 0;
    }

    QStringList lines;
    try {
        lines = roster::dropLeadingEmpty(fileLines);
    } catch (const PelError &) {
        for (const QString &l : fileLines)
            FUZZ_CHECK(l.isEmpty(), QStringLiteral("refused a roster with a team line"));
        return 0;
    }
    FUZZ_CHECK(!lines.first().isEmpty() && fileLines.mid(fileLines.size() - lines.size()) == lines, quoted(lines));

    for (const QString &line : lines) {
        const QStringList fields = roster::splitFields(line);
        FUZZ_CHECK(fields.join(u',') == line && fields.isEmpty() == line.isEmpty(), quoted(line));
        FUZZ_CHECK(roster::firstField(line) == fields.value(0), quoted(line));
    }

    const QString abbreviation = roster::firstField(lines.first());
    try {
        roster::checkAbbreviation(abbreviation);
        const QString folder = fuzzDir();
        checkInsideFolder(folder, abbreviation + QStringLiteral(".ros"));
        checkInsideFolder(folder, lineup::lineupFileName(abbreviation, QStringLiteral("12")));
        checkInsideFolder(folder, orders::sessionFileName(abbreviation, QStringLiteral("3"), QStringLiteral(".zip")));
    } catch (const PelError &) {
    }

    // Player rows: Age and SL as the lists read them.
    for (qsizetype r = 1; r < lines.size(); ++r) {
        const QStringList fields = roster::splitFields(lines.at(r));
        try {
            const int age = toWholeNumber(fields.value(roster::ColAge));
            const int skill = toWholeNumber(fields.value(roster::ColSL));
            for (const int maxAge : {roster::DefaultMaxAge, 0, std::numeric_limits<int>::max()})
                for (const int minSkill : {roster::DefaultMinSkill, std::numeric_limits<int>::min()})
                    roster::candidateFor(age, skill, maxAge, minSkill);
        } catch (const PelError &) {
        }
    }

    const roster::Opponent opponent = roster::readOpponent(fileLines);
    FUZZ_CHECK(opponent.abbreviation == abbreviation, quoted(opponent.abbreviation));
    FUZZ_CHECK(opponent.players.size() < lines.size(), quoted(opponent.players));
    for (const QString &name : opponent.players)
        FUZZ_CHECK(!name.isEmpty() && !name.contains(u','), quoted(name));
    return 0;
}
