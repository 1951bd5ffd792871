#pragma once
#include <QString>
#include <QStringList>

// The command line: without a command Pellmore opens its window (with a
// roster when one is named); the commands run without a window.
//   pellmore [ROSTER]
//   pellmore --suggest ROSTER [--strategy CODE] [--exclude NAME]... [--output FILE]
//   pellmore --check LINEUP... [--roster ROSTER]
//   pellmore --help | --version
namespace commandline {

enum class Mode { Window, Suggest, Check, Help, Version, Misused };

// Exit codes of the commands.
enum Exit { Done = 0, Problems = 1, Unreadable = 2 };

struct Options {
    Mode mode = Mode::Window;
    QString roster;       // the window's or --suggest's roster, or --check's --roster
    QString strategy;     // --strategy, empty when not given
    QStringList excluded; // --exclude
    QString output;       // --output, empty for standard output
    QStringList lineups;  // --check's files
    QString error;        // Mode::Misused: what is wrong
};

// The arguments as main receives them, the program's name first.
QStringList argumentsOf(int argc, char **argv);

// Reads the arguments. Options the window's toolkit takes for itself (such
// as -platform) leave the mode Window when no command is named.
Options parse(const QStringList &arguments);

// Runs a command (any mode but Window) with a QCoreApplication in place:
// output to standard output, errors to standard error. settingsPath: the
// settings file, read as the window reads it. Returns the exit code.
int run(const Options &options, const QString &settingsPath);

} // namespace commandline
