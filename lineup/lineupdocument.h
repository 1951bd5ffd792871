#pragma once
#include "lineup/lineupfile.h"
#include "lineup/ratings.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>
#include <set>

class QUndoStack;

namespace lineup {

// One player's line-up marks: "Play", "Style", "Subs" and "Conditionals".
struct PlayerMarks {
    QString play, style, subs, conditionals;
    bool isEmpty() const { return play.isEmpty() && style.isEmpty() && subs.isEmpty() && conditionals.isEmpty(); }
    bool operator==(const PlayerMarks &) const = default;
};

// One player of the roster: the roster line's fields and his marks.
struct Player {
    QString name, age, skill, pos, el;
    PlayerMarks marks;
    // The text of a roster grid column (0 "Name" to 8 "Conditionals").
    QString field(int column) const;
};

struct TeamLine {
    QString abbreviation, name;
    std::optional<QString> manager; // none until a team line names one
};

// The line-up besides the players' marks: the Lineup Options choices, the
// tactics, the training and coaching lists and the opponent.
struct LineupChoices {
    QString session, match, homeBonus; // the chosen entry's text; empty: none
    QString StartStrategy;
    QStringList TeamTacticList;
    QStringList training, coaching;
    QString penaltyTaker; // empty: none
    QString opponent = QStringLiteral("None"); // the opponent button's caption
    QStringList OppPlayerList;
    bool operator==(const LineupChoices &) const = default;
};

// The entries the session, match and home bonus boxes offer: "1" to
// sessions, "1" to matches, homeBonusMin to homeBonusMax.
struct ChoiceRanges {
    int sessions = 10, matches = 30, homeBonusMin = 3, homeBonusMax = 8;
    bool operator==(const ChoiceRanges &) const = default;
};

class LineupEdit;

// The line-up document: the roster, every player's marks and the line-up's
// choices, with the rules that change them. Every change the manager makes
// is a command on the undo stack; the views follow the signals.
class LineupDocument : public QObject {
    Q_OBJECT
public:
    explicit LineupDocument(QObject *parent = nullptr);
    ~LineupDocument() override;

    QUndoStack *undoStack() const { return stack; }

    // The roster. rosterRead: a roster file has been read (the grid shows
    // its rows). hasRoster: the abbreviation is not empty, which the
    // commands that need a roster require.
    bool rosterRead() const { return state.read; }
    bool hasRoster() const { return !state.team.abbreviation.isEmpty(); }
    const TeamLine &team() const { return state.team; }
    int playerCount() const { return int(state.players.size()); }
    const Player &player(int index) const { return state.players.at(index); }
    int findPlayer(const QString &name) const; // the first player of that name, or -1

    // A roster file read against the line-up: the state it brings and the
    // marked players who are no longer in it.
    struct ReadRoster;
    // Reads a roster file's lines, changing nothing. Throws when a line
    // cannot be a roster (no team line, a bad abbreviation, an Age or SL
    // that is not a whole number). Marks follow the players by name within
    // one team; another team starts from an empty line-up.
    ReadRoster readRoster(const QStringList &lines) const;
    // Puts a read roster in place as one command; returns the marked players
    // who are no longer in the roster.
    QStringList loadRoster(ReadRoster roster, const QString &commandText = QStringLiteral("Open Roster"));
    QStringList loadRoster(const QStringList &lines) { return loadRoster(readRoster(lines)); }
    // The abbreviation of a roster file's lines (its first non-empty line's
    // first field); throws as loadRoster does for a file without a team line.
    static QString rosterAbbreviation(const QStringList &lines);

    // The choices, and the entries the boxes offer.
    const LineupChoices &choices() const { return state.choices; }
    const ChoiceRanges &ranges() const { return range; }
    // New ranges (the league administration's): a choice no longer in range
    // is dropped; one still in range stays.
    void setRanges(const ChoiceRanges &ranges);

    // Marking, by player index.
    void choosePosition(int index, const QString &play, const QString &style, const QString &commandText);
    void chooseSubstitute(int index, const QString &mark, const QString &commandText);
    void setConditionals(int index, const QString &text);
    // Several players' marks at once, as one command.
    struct RowMarks {
        int index;
        PlayerMarks marks;
    };
    void setMarks(const QVector<RowMarks> &rows, const QString &commandText);
    // Choices.
    void setSession(const QString &text);
    void setMatch(const QString &text);
    void setHomeBonus(const QString &text);
    void setPenaltyTaker(const QString &name);
    // A fifth entry is refused: false, nothing changes.
    bool addTraining(const QString &entry);
    bool addCoaching(const QString &entry);
    void removeTraining(int at);
    void removeCoaching(int at);
    void setTeamTactics(const QStringList &tactics, const QString &startStrategy);
    void setOpponent(const QString &caption, const QStringList &players);
    // Save Lineup writes the strategy "N" when none is set, and keeps it.
    void ensureStartStrategy();

    // New Lineup: clears the marks, lists, tactics and opponent; with
    // autoIncrease the match number moves on. Nothing without a roster.
    void newLineup(bool autoIncrease);
    // Applies a read line-up file. With a match number (Open Lineup) the
    // match choice becomes entry match - 1: the first for 0 or less, none
    // beyond the last. False when the home bonus is not a whole number (it
    // is then left as it was).
    bool applyLineup(const LineupFile &file, std::optional<int> matchNumber,
                     const QString &commandText = QStringLiteral("Open Lineup"));

    // The totals and lights of the marked players. A pass that fails (a
    // starter's SL is not a whole number) keeps the earlier values and
    // leaves its message for takeError().
    const Totals &totals() const { return totalsNow; }
    const Lights &lights() const { return lightsNow; }
    QString takeError();
    void setModifiers(const Modifiers &m);
    const Modifiers &modifiers() const { return mods; }

    // The line-up file's content.
    LineupOrders orders() const;
    ComposedLineup compose() const { return composeLineup(orders()); }

    // Whether the line-up differs from what was last saved or opened.
    bool isModified() const { return modified; }
    void markSaved();

    // Groups the commands pushed during its life into one undo entry.
    class CommandGroup {
    public:
        CommandGroup(LineupDocument &doc, const QString &commandText);
        ~CommandGroup();
        CommandGroup(const CommandGroup &) = delete;
        CommandGroup &operator=(const CommandGroup &) = delete;

    private:
        QUndoStack *stack;
    };

    // The state a roster load replaces, swapped in and out by its command.
    struct State {
        bool read = false;
        TeamLine team;
        QVector<Player> players;
        LineupChoices choices;
    };
    void swapState(State &other);
    struct ReadRoster {
        State state;
        bool sameTeam = false;
        QStringList lost;
    };
    // Row changes and choices, applied by the commands.
    void applyMarks(const QVector<RowMarks> &rows, const LineupChoices *choices);

signals:
    void rosterAboutToBeReset();
    void rosterReset();                  // new players, team line and choices
    void marksChanged(int first, int last); // player indexes
    void choicesChanged();
    void totalsChanged();
    void modifiedChanged(bool modified);

private:
    friend class LineupEdit;
    void edit(const QString &commandText, const std::function<void(LineupEdit &)> &change);
    // A new substitute without a position gets his default one, style "n".
    static void SetDefaultSubPosition(PlayerMarks &m, const QString &rosterPos);
    void clampChoices(LineupChoices &c) const;
    void rebuildIndex();
    void UpdateLineupTotals(); // the recomputing pass over the marked players
    void updateModified();

    QUndoStack *stack;
    State state;
    ChoiceRanges range;
    Modifiers mods;
    QHash<QString, int> firstIndex;
    std::set<int> marked; // players with any mark
    Totals totalsNow;
    Lights lightsNow;
    QString pendingError;
    QStringList savedLines;
    bool modified = false;
};

// The staged changes of one command: marks and choices as they will be.
class LineupEdit {
public:
    explicit LineupEdit(const LineupDocument &doc) : doc(doc), staged(doc.choices()) {}
    PlayerMarks marks(int index) const;
    void setMarks(int index, const PlayerMarks &m);
    LineupChoices &choices() { return staged; }
    const LineupDocument &document() const { return doc; }

private:
    friend class LineupDocument;
    const LineupDocument &doc;
    QHash<int, PlayerMarks> rows;
    LineupChoices staged;
};

} // namespace lineup
