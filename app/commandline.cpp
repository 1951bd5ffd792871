#include "app/commandline.h"
#include "app/inistore.h"
#include "app/pelerror.h"
#include "app/textfile.h"
#include "lineup/lineupcheck.h"
#include "lineup/lineupfile.h"
#include "lineup/suggest.h"
#include "lineup/tactics.h"
#include "roster/rosterfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <cstdio>

namespace commandline {

namespace {

struct Parser {
    QCommandLineParser parser;
    const QCommandLineOption help{{"h", "help"}, "Shows this help."};
    const QCommandLineOption version{{"v", "version"}, "Shows the version."};
    const QCommandLineOption suggest{"suggest", "Writes the best line-up for ROSTER as a line-up file.", "ROSTER"};
    const QCommandLineOption strategy{"strategy", "With --suggest: the starting strategy (N when not given).", "CODE"};
    const QCommandLineOption exclude{"exclude", "With --suggest: leaves the player NAME out; may be given again.",
                                     "NAME"};
    const QCommandLineOption output{"output", "With --suggest: writes the line-up to FILE, not to standard output.",
                                    "FILE"};
    const QCommandLineOption check{"check", "Prints the problems of each LINEUP file, one a line: FILE:LINE: message."};
    const QCommandLineOption roster{"roster",
                                    "With --check: the roster to check against, in place of the one named after "
                                    "each file.",
                                    "ROSTER"};

    Parser()
    {
        parser.setApplicationDescription(
            "Pellmore writes the orders of a play-by-mail football team. Without a command it opens its window, "
            "with ROSTER open when one is given.\n"
            "Exit status: 0 done, 1 problems found or no line-up keeps every rule, 2 an input could not be read "
            "or the command line is wrong.");
        parser.addOptions({help, version, suggest, strategy, exclude, output, check, roster});
        parser.addPositionalArgument("files", "The roster to open in the window, or the line-up files to check.",
                                     "[ROSTER | LINEUP...]");
    }
};

// Whether the arguments name one of the commands or their options.
bool namesCommand(const QStringList &arguments)
{
    static const QStringList names{"-h", "--help", "-v", "--version", "--suggest", "--strategy",
                                   "--exclude", "--output", "--check", "--roster"};
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (names.contains(arguments.at(i).section(u'=', 0, 0)))
            return true;
    return false;
}

void say(const QString &message)
{
    const QByteArray text = (QStringLiteral("pellmore: ") + message + u'\n').toLocal8Bit();
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
}

// Standard output, whose failure (a full disk, a closed pipe) is reported.
bool print(const QByteArray &bytes)
{
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size())
        && std::fflush(stdout) == 0)
        return true;
    say(QStringLiteral("cannot write to standard output"));
    return false;
}

lineup::Modifiers modifiersOf(const IniStore &settings)
{
    lineup::Modifiers m;
    m.passive = settings.readFloat("Aggression Modifier", "Passive", m.passive);
    m.normal = settings.readFloat("Aggression Modifier", "Normal", m.normal);
    m.aggressive = settings.readFloat("Aggression Modifier", "Aggressive", m.aggressive);
    return m;
}

// The codes of the strategies the settings offer.
QStringList strategyCodes(const IniStore &settings)
{
    QStringList codes;
    const int count = settings.readInteger("TeamTacs", "howmany", 6);
    for (int n = 1; n <= count; ++n)
        codes << lineup::strategyCode(settings.readString("TeamTacs", QStringLiteral("T%1").arg(n), "test"), true);
    codes.removeDuplicates();
    return codes;
}

// A roster file's player rows: Name, Age, SL, Pos, EL and the marks a row
// may carry. Throws the reader's errors, and one naming the player whose SL
// is not a whole number.
struct RosterPlayer {
    QString name, skillText, pos, play, style, subs, conditionals;
    int skill = 0;
};

QVector<RosterPlayer> readRoster(const QString &path)
{
    const QStringList fileLines = textfile::readLines(path);
    const QStringList lines = roster::dropLeadingEmpty(fileLines);
    const qsizetype skipped = fileLines.size() - lines.size();
    roster::checkAbbreviation(roster::splitFields(lines.first()).value(0));
    QVector<RosterPlayer> players;
    for (qsizetype r = 1; r < lines.size(); ++r) {
        const QStringList f = roster::splitFields(lines.at(r));
        RosterPlayer p{f.value(roster::ColName), f.value(roster::ColSL), f.value(roster::ColPos),
                       f.value(roster::ColPlay), f.value(roster::ColStyle), f.value(roster::ColSubs),
                       f.value(roster::ColConditionals)};
        try {
            p.skill = toWholeNumber(p.skillText);
        } catch (const PelError &) {
            throw PelError(QStringLiteral("%1:%2: the SL \"%3\" of %4 is not a whole number")
                               .arg(path)
                               .arg(skipped + r + 1)
                               .arg(p.skillText, p.name.isEmpty() ? QStringLiteral("a player without a name")
                                                                  : p.name));
        }
        players.append(p);
    }
    return players;
}

int suggestCommand(const Options &o, const IniStore &settings)
{
    const QString strategy = o.strategy.isEmpty() ? QStringLiteral("N") : o.strategy;
    if (const QStringList codes = strategyCodes(settings); !o.strategy.isEmpty() && !codes.contains(o.strategy)) {
        say(QStringLiteral("--strategy %1 is none of the strategies in the settings (%2)")
                .arg(o.strategy, codes.join(QStringLiteral(", "))));
        return Unreadable;
    }
    QVector<RosterPlayer> players;
    try {
        players = readRoster(o.roster);
    } catch (const PelError &e) {
        say(e.message());
        return Unreadable;
    }

    lineup::SuggestInput in;
    in.modifiers = modifiersOf(settings);
    in.strategy = strategy;
    for (const RosterPlayer &p : players)
        in.players.append({p.name, p.skill, p.pos, true, p.play, p.style, p.subs});
    for (const QString &name : o.excluded) {
        bool known = false;
        for (lineup::SuggestPlayer &p : in.players) {
            if (p.name != name)
                continue;
            p = {p.name, p.skill, p.pos, false, QString(), QString(), QString()};
            known = true;
        }
        if (!known) {
            say(QStringLiteral("--exclude %1: %2 has no player of that name").arg(name, o.roster));
            return Unreadable;
        }
    }

    const lineup::Suggestion s = lineup::suggestLineup(in);
    if (!s.found()) {
        say(QStringLiteral("no line-up keeps every rule: ") + s.problem);
        return Problems;
    }
    lineup::LineupOrders orders;
    orders.strategy = strategy;
    for (qsizetype i = 0; i < players.size(); ++i)
        orders.rows.append({players.at(i).name, s.rows.at(i).play, s.rows.at(i).style, s.rows.at(i).subs,
                            players.at(i).conditionals});
    const QStringList lines = lineup::composeLineup(orders).lines;

    // A line the league could not read is never written.
    const QString fileName = o.output.isEmpty() ? QStringLiteral("standard output") : o.output;
    if (const QVector<lineup::Problem> problems = lineup::formProblems(QByteArray(), lines); !problems.isEmpty()) {
        for (const lineup::Problem &p : problems)
            say(QStringLiteral("%1:%2: %3").arg(fileName).arg(p.line).arg(p.message));
        return Unreadable;
    }
    try {
        const QByteArray bytes = textfile::encode(textfile::joinLines(lines), fileName);
        if (o.output.isEmpty())
            return print(bytes) ? Done : Unreadable;
        textfile::writeFile(o.output, bytes);
    } catch (const PelError &e) {
        say(e.message());
        return Unreadable;
    }
    return Done;
}

int checkCommand(const Options &o, const IniStore &settings)
{
    const lineup::Modifiers modifiers = modifiersOf(settings);
    QHash<QString, QVector<lineup::RosterEntry>> rosters;
    QHash<QString, QString> unreadable; // roster path: its error
    int code = Done;
    for (const QString &path : o.lineups) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            say(QStringLiteral("Cannot open file %1").arg(path));
            code = Unreadable;
            continue;
        }
        const QByteArray bytes = file.readAll();
        const QStringList lines = textfile::splitLines(textfile::decode(bytes));
        QVector<lineup::Problem> problems = lineup::formProblems(bytes, lines);

        if (lines.size() == lineup::LineupLines) {
            // The roster beside the file, named by the file-name rule.
            QString rosterPath = o.roster;
            if (rosterPath.isEmpty())
                rosterPath = path.left(path.lastIndexOf(u'/') + 1) + lineup::parseLineupName(path).abbreviation
                             + QStringLiteral(".ros");
            if (!rosters.contains(rosterPath) && !unreadable.contains(rosterPath)) {
                try {
                    QVector<lineup::RosterEntry> entries;
                    for (const RosterPlayer &p : readRoster(rosterPath))
                        entries.append({p.name, p.skillText, p.pos});
                    rosters.insert(rosterPath, entries);
                } catch (const PelError &e) {
                    unreadable.insert(rosterPath, e.message());
                    say(e.message());
                }
            }
            if (rosters.contains(rosterPath))
                problems += lineup::lineupProblems(lines, rosters.value(rosterPath), rosterPath, modifiers);
            else
                code = Unreadable;
        }

        std::stable_sort(problems.begin(), problems.end(),
                         [](const lineup::Problem &a, const lineup::Problem &b) { return a.line < b.line; });
        QByteArray report;
        for (const lineup::Problem &p : problems)
            report += QStringLiteral("%1:%2: %3\n").arg(path).arg(p.line).arg(p.message).toLocal8Bit();
        if (!print(report))
            return Unreadable;
        if (!problems.isEmpty())
            code = std::max<int>(code, Problems);
    }
    return code;
}

} // namespace

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

Options parse(const QStringList &arguments)
{
    Parser p;
    Options o;
    auto misused = [&o](const QString &error) {
        o = Options();
        o.mode = Mode::Misused;
        o.error = error;
        return o;
    };
    if (!p.parser.parse(arguments)) {
        QString error = p.parser.errorText();
        if (error.endsWith(u'.'))
            error.chop(1);
        return namesCommand(arguments) ? misused(error) : o;
    }
    const QStringList files = p.parser.positionalArguments();
    if (p.parser.isSet(p.help)) {
        o.mode = Mode::Help;
        return o;
    }
    if (p.parser.isSet(p.version)) {
        o.mode = Mode::Version;
        return o;
    }
    const bool suggest = p.parser.isSet(p.suggest), check = p.parser.isSet(p.check);
    if (suggest && check)
        return misused(QStringLiteral("--suggest and --check cannot be given together"));
    for (const QCommandLineOption *option : {&p.strategy, &p.exclude, &p.output})
        if (!suggest && p.parser.isSet(*option))
            return misused(QStringLiteral("--%1 needs --suggest").arg(option->names().first()));
    if (!check && p.parser.isSet(p.roster))
        return misused(QStringLiteral("--roster needs --check"));
    for (const QCommandLineOption *option : {&p.suggest, &p.strategy, &p.output, &p.roster})
        if (p.parser.values(*option).size() > 1)
            return misused(QStringLiteral("--%1 may be given once").arg(option->names().first()));

    if (suggest) {
        if (!files.isEmpty())
            return misused(QStringLiteral("--suggest takes one roster, not also %1").arg(files.join(u' ')));
        o.mode = Mode::Suggest;
        o.roster = p.parser.value(p.suggest);
        o.strategy = p.parser.value(p.strategy);
        o.excluded = p.parser.values(p.exclude);
        o.output = p.parser.value(p.output);
    } else if (check) {
        if (files.isEmpty())
            return misused(QStringLiteral("--check needs at least one line-up file"));
        o.mode = Mode::Check;
        o.lineups = files;
        o.roster = p.parser.value(p.roster);
    } else {
        if (files.size() > 1)
            return misused(QStringLiteral("the window opens one roster; to check line-up files use --check"));
        o.roster = files.value(0);
    }
    return o;
}

int run(const Options &options, const QString &settingsPath)
{
    switch (options.mode) {
    case Mode::Window:
        return Done;
    case Mode::Help:
        return print(Parser().parser.helpText().toLocal8Bit()) ? Done : Unreadable;
    case Mode::Version:
        return print(QStringLiteral("Pellmore %1\n").arg(PELLMORE_VERSION).toLocal8Bit()) ? Done : Unreadable;
    case Mode::Misused:
        say(options.error + QStringLiteral(" (see pellmore --help)"));
        return Unreadable;
    case Mode::Suggest:
    case Mode::Check:
        break;
    }
    if (!QFileInfo::exists(settingsPath)) {
        say(QStringLiteral("the settings file %1 was not found").arg(settingsPath));
        return Unreadable;
    }
    const IniStore settings(settingsPath);
    return options.mode == Mode::Suggest ? suggestCommand(options, settings) : checkCommand(options, settings);
}

} // namespace commandline
