// The line-up file. Any text read as a line-up file is parsed and shown by
// the viewer without failing. Then the line-up it holds is written again
// the way Save Lineup writes it: when the writer accepts it (11 starters, 5
// substitutes, no line longer than the league reads), Open Lineup reads the
// file back to the same line-up.
//
// For the second step the input's lines end only at CR LF: a lone CR or LF
// stays inside its field, as a pasted line break would.
#include "app/pelerror.h"
#include "app/textfile.h"
#include "fuzzsupport.h"
#include "lineup/lineupfile.h"

namespace {

using lineup::LineupFile;

QString describe(const LineupFile &f)
{
    QStringList out;
    out << quoted(f.homeBonus) << quoted(f.strategy) << quoted(f.tactics) << quoted(f.coaching)
        << quoted(f.training) << quoted(f.penaltyTaker);
    for (const auto *players : {&f.starters, &f.substitutes})
        for (const LineupFile::Player &p : *players)
            out << quoted(QStringList{p.play, p.name, p.style, p.conditionals});
    return out.join(u'\n');
}

bool same(const LineupFile &a, const LineupFile &b)
{
    auto players = [](const QVector<LineupFile::Player> &x, const QVector<LineupFile::Player> &y) {
        if (x.size() != y.size())
            return false;
        for (qsizetype i = 0; i < x.size(); ++i)
            if (x[i].play != y[i].play || x[i].name != y[i].name || x[i].style != y[i].style
                || x[i].conditionals != y[i].conditionals)
                return false;
        return true;
    };
    return a.homeBonus == b.homeBonus && a.strategy == b.strategy && a.tactics == b.tactics
           && a.coaching == b.coaching && a.training == b.training && a.penaltyTaker == b.penaltyTaker
           && players(a.starters, b.starters) && players(a.substitutes, b.substitutes);
}

// A file name of letters and match number, five characters or fewer, reads
// back as that team and match.
void checkFileName(const QByteArray &bytes)
{
    const int letters = bytes.isEmpty() ? 1 : 1 + uchar(bytes[0]) % 4;
    QString abbreviation;
    for (int i = 0; i < letters; ++i)
        abbreviation += QChar(u'A' + (i + 1 < bytes.size() ? uchar(bytes[i + 1]) : 0) % 26);
    const int match = 1 + int(bytes.size() % (letters == 4 ? 9 : 99));
    if (abbreviation.size() + QString::number(match).size() < 3)
        return;
    const QString name = lineup::lineupFileName(abbreviation, QString::number(match));
    const lineup::LineupName parsed = lineup::parseLineupName(QStringLiteral("/w/") + name);
    FUZZ_CHECK(parsed.matchValid && parsed.match == match && parsed.abbreviation == abbreviation,
               QStringLiteral("%1 reads as %2 match %3").arg(name, parsed.abbreviation).arg(parsed.match));
}

// The lines of a text ended by CR LF; a final CR LF adds no line.
QStringList crlfLines(const QString &text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (text.endsWith(QStringLiteral("\r\n")) || text.isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = inputBytes(data, size);
    const QString text = textfile::decode(bytes);

    // Reading and showing any file.
    const QStringList read = textfile::splitLines(text);
    lineup::parseLineup(read);
    lineup::viewerTeamInformation(read, QStringLiteral("5"));
    for (const QString &line : read)
        lineup::viewerPlayerText(line);
    lineup::parseLineupName(read.value(0));
    checkFileName(bytes);

    // Writing the line-up it holds, and reading the written file.
    const LineupFile in = lineup::parseLineup(crlfLines(text));
    lineup::LineupOrders orders;
    orders.homeBonus = in.homeBonus;
    orders.strategy = in.strategy;
    orders.tactics = in.tactics;
    orders.coaching = in.coaching;
    orders.training = in.training;
    orders.penaltyTaker = in.penaltyTaker;
    for (const LineupFile::Player &p : in.starters)
        orders.rows.append({p.name, p.play, p.style, QString(), p.conditionals});
    for (qsizetype k = 0; k < in.substitutes.size(); ++k) {
        const LineupFile::Player &p = in.substitutes[k];
        orders.rows.append({p.name, p.play, p.style, QStringLiteral("S%1").arg(k + 1), p.conditionals});
    }

    QByteArray written;
    try {
        const lineup::ComposedLineup composed = lineup::composeLineup(orders);
        if (composed.starters != 11 || !composed.substitutesComplete)
            return 0;
        FUZZ_CHECK(composed.lines.size() == lineup::LineupLines, quoted(composed.lines));
        for (const QString &line : composed.lines)
            if (line.size() > textfile::MaxLineLength)
                return 0;
        written = textfile::encode(textfile::joinLines(composed.lines), QStringLiteral("ABC3.txt"));
    } catch (const PelError &) {
        return 0; // refused before writing
    }
    const QStringList back = writtenAndRead(QStringLiteral("ABC3.txt"), written);
    FUZZ_CHECK(back.size() == lineup::LineupLines, QStringLiteral("written file holds %1").arg(quoted(back)));

    LineupFile expected = in;
    if (expected.homeBonus.isEmpty())
        expected.homeBonus = QStringLiteral("3");
    const LineupFile got = lineup::parseLineup(back);
    FUZZ_CHECK(same(got, expected),
               QStringLiteral("wrote\n%1\nread back\n%2").arg(describe(expected), describe(got)));
    return 0;
}
