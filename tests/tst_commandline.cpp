// The command line: the real pellmore run without a window over real files
// in a temporary folder, its exit codes, output bytes and messages.
#include "app/commandline.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using Files = QMap<QString, QByteArray>;
using commandline::Mode;

namespace {

const QByteArray Settings = "[TeamTacs]\r\nhowmany=6\r\nT1=Normal\r\nT2=Stalling\r\nT3=Opportunistic\r\n"
                            "T4=Longball\r\nT5=Ball Control\r\nT6=Pressing\r\n";

// Seventeen players, each best at his own position, so the best eleven are
// the eleven highest SLs: "M\xfcller" is Windows-1252.
const QByteArray Roster = "TST,Test Rovers,A. Manager\r\n"
                          "Keeper,3,30,GK,1\r\n"
                          "Reserve,5,10,GK,1\r\n"
                          "Sweeper,4,25,SW,2\r\n"
                          "Back,6,28,DF,3\r\n"
                          "M\xfcller,7,27,DF,3\r\n"
                          "Stopper,2,26,DF,4\r\n"
                          "Cover,8,20,DF,1\r\n"
                          "Playmaker,5,29,MF,6\r\n"
                          "Runner,6,24,MF,5\r\n"
                          "Holder,3,23,MF,4\r\n"
                          "Youth,1,15,MF,1\r\n"
                          "Winger,4,22,WG,5\r\n"
                          "Striker,5,33,FW,8\r\n"
                          "Poacher,6,31,FW,7\r\n"
                          "Target,7,12,FW,2\r\n"
                          "Utility,3,18,UT,3\r\n"
                          "Attacker,2,21,MA,4\r\n";

// A line-up file: the team line with strategy, no tactics, no coaching,
// training or penalty taker, then "POS,Name,STYLE" lines without
// conditionals, the end line.
QByteArray lineupFile(const QByteArray &strategy, const QList<QByteArray> &players)
{
    QByteArray file = "3," + strategy + QByteArray(35, ',') + "\r\n" + QByteArray(8, ',') + "\r\n";
    for (const QByteArray &p : players)
        file += p + QByteArray(26, ',') + "\r\n";
    return file + ",\r\n";
}

const QList<QByteArray> Best{"GK,Keeper,n",    "SW,Sweeper,n",   "DF,Back,n",    "DF,M\xfcller,n",
                             "DF,Stopper,n",   "MF,Playmaker,n", "MF,Runner,n",  "MF,Holder,n",
                             "WG,Winger,n",    "FW,Striker,n",   "FW,Poacher,n", "GK,Reserve,n",
                             "MF,Attacker,n",  "DF,Cover,n",     "FW,Utility,n", "MF,Youth,n"};

const QByteArray SoundFile = lineupFile("N", Best);

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void commands_data();
    void commands();
    void failedWriteKeepsTheOldFile();
    void failedStandardOutputIsReported();
    void help();
    void parsing_data();
    void parsing();

private:
    QString path(const QString &name) const { return dir.path() + u'/' + name; }
    QProcess *start(const QStringList &arguments);
    void writeFiles(const Files &files) const;

    QTemporaryDir dir;
    QString exe;
};

void TestCommandLine::initTestCase()
{
    // The settings file is read beside the executable: a copy of its own.
    QVERIFY(dir.isValid());
    exe = path("pellmore");
    QVERIFY(QFile::copy(PELLMORE_EXE, exe));
}

void TestCommandLine::init()
{
    for (const QFileInfo &f : QDir(dir.path()).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
        if (f.fileName() != "pellmore")
            f.isDir() ? QDir(f.filePath()).removeRecursively() : QFile::remove(f.filePath());
}

QProcess *TestCommandLine::start(const QStringList &arguments)
{
    auto *p = new QProcess(this);
    p->setWorkingDirectory(dir.path());
    p->setProgram(exe);
    p->setArguments(arguments);
    // No display: a command must not need one.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    p->setProcessEnvironment(env);
    return p;
}

void TestCommandLine::writeFiles(const Files &files) const
{
    for (auto it = files.begin(); it != files.end(); ++it) {
        QDir(dir.path()).mkpath(QFileInfo(path(it.key())).path());
        QFile f(path(it.key()));
        if (!f.open(QIODevice::WriteOnly) || f.write(it.value()) != it.value().size())
            qFatal("cannot write %s", qPrintable(it.key()));
    }
}

void TestCommandLine::commands_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<Files>("files");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    QTest::addColumn<Files>("written"); // a null entry: the file must not exist

    const Files roster{{"TST.ros", Roster}};
    const QByteArray mf = "2:1 rule MF: the midfield sum must be above 0 and below twice the defence sum, "
                          "which must be above 0";
    const QByteArray fw = "2:1 rule FW: the forward sum must not be 0 and must be below twice the midfield sum, "
                          "which must be above 0, unless the starting strategy is L or E";

    // --suggest
    QTest::newRow("suggest to standard output")
        << Settings << roster << QStringList{"--suggest", "TST.ros"} << 0 << SoundFile << QByteArray() << Files();
    QTest::newRow("suggest to a file")
        << Settings << roster << QStringList{"--suggest", "TST.ros", "--output", "TST3.txt"} << 0 << QByteArray()
        << QByteArray() << Files{{"TST3.txt", SoundFile}};
    QTest::newRow("suggest over an older file")
        << Settings << Files{{"TST.ros", Roster}, {"TST3.txt", "old\r\n"}}
        << QStringList{"--suggest", "TST.ros", "--output=TST3.txt"} << 0 << QByteArray() << QByteArray()
        << Files{{"TST3.txt", SoundFile}};
    QTest::newRow("suggest with a strategy")
        << Settings << roster << QStringList{"--suggest", "TST.ros", "--strategy", "L"} << 0 << lineupFile("L", Best)
        << QByteArray() << Files();
    // Without Striker, Attacker rates 21 at MF and at FW: the earlier position.
    const QList<QByteArray> WithoutStriker{"GK,Keeper,n",   "SW,Sweeper,n", "DF,Back,n",     "DF,M\xfcller,n",
                                           "DF,Stopper,n",  "MF,Playmaker,n", "MF,Runner,n", "MF,Holder,n",
                                           "WG,Winger,n",   "FW,Poacher,n", "MF,Attacker,n", "GK,Reserve,n",
                                           "DF,Cover,n",    "FW,Utility,n", "MF,Youth,n",    "FW,Target,n"};
    QTest::newRow("suggest without a player")
        << Settings << roster << QStringList{"--suggest", "TST.ros", "--exclude", "Striker"} << 0
        << lineupFile("N", WithoutStriker)
        << QByteArray() << Files();
    // --exclude takes a player out with his marks.
    QTest::newRow("suggest without a player marked in the roster")
        << Settings << Files{{"TST.ros", QByteArray(Roster).replace("Striker,5,33,FW,8", "Striker,5,33,FW,8,WG,a")}}
        << QStringList{"--suggest", "TST.ros", "--exclude", "Striker"} << 0
        << lineupFile("N", WithoutStriker)
        << QByteArray() << Files();
    // A marked starter stays: the roster's marks are the line-up so far.
    QTest::newRow("suggest keeps a roster's marks")
        << Settings << Files{{"TST.ros", QByteArray(Roster).replace("Utility,3,18,UT,3", "Utility,3,18,UT,3,MF,a")}}
        << QStringList{"--suggest", "TST.ros"} << 0
        << lineupFile("N", {"GK,Keeper,n", "SW,Sweeper,n", "DF,Back,n", "DF,M\xfcller,n", "DF,Stopper,n",
                            "MF,Playmaker,n", "MF,Runner,n", "MF,Holder,n", "FW,Striker,n", "FW,Poacher,n",
                            "MF,Utility,a", "GK,Reserve,n", "WG,Winger,n", "MF,Attacker,n", "DF,Cover,n",
                            "MF,Youth,n"})
        << QByteArray() << Files();
    QTest::newRow("suggest rates by the settings' style factors")
        << Settings + "[Aggression Modifier]\r\nNormal=0\r\n" << roster << QStringList{"--suggest", "TST.ros"} << 1
        << QByteArray() << "pellmore: no line-up keeps every rule: " + mf + "; " + fw + "\n" << Files();
    QTest::newRow("suggest, a strategy of the settings")
        << QByteArray("[TeamTacs]\r\nhowmany=2\r\nT1=Normal\r\nT2=Endgame\r\n") << roster
        << QStringList{"--suggest", "TST.ros", "--strategy", "E"} << 0 << lineupFile("E", Best) << QByteArray()
        << Files();
    QTest::newRow("suggest, a strategy the settings lack")
        << Settings << roster << QStringList{"--suggest", "TST.ros", "--strategy", "E", "--output", "TST3.txt"} << 2
        << QByteArray() << QByteArray("pellmore: --strategy E is none of the strategies in the settings "
                                      "(N, S, O, L, B, P)\n")
        << Files{{"TST3.txt", QByteArray()}};
    QTest::newRow("suggest, too few players")
        << Settings << Files{{"TST.ros", QByteArray(Roster).replace("Youth,1,15,MF,1\r\n", "")}, {"TST3.txt", "old\r\n"}}
        << QStringList{"--suggest", "TST.ros", "--exclude", "Target", "--output", "TST3.txt"} << 1 << QByteArray()
        << QByteArray("pellmore: no line-up keeps every rule: fewer than 16 available players\n")
        << Files{{"TST3.txt", "old\r\n"}};
    QTest::newRow("suggest, an unknown player")
        << Settings << roster << QStringList{"--suggest", "TST.ros", "--exclude", "Nobody"} << 2 << QByteArray()
        << QByteArray("pellmore: --exclude Nobody: TST.ros has no player of that name\n") << Files();
    QTest::newRow("suggest, no roster") << Settings << Files() << QStringList{"--suggest", "TST.ros"} << 2
                                        << QByteArray() << QByteArray("pellmore: Cannot open file TST.ros\n")
                                        << Files();
    QTest::newRow("suggest, SL not a whole number")
        << Settings << Files{{"TST.ros", "\r\n" + QByteArray(Roster).replace("Back,6,28", "Back,6,2x8")}}
        << QStringList{"--suggest", "TST.ros"} << 2 << QByteArray()
        << QByteArray("pellmore: TST.ros:6: the SL \"2x8\" of Back is not a whole number\n") << Files();
    QTest::newRow("suggest, a roster line over 255 characters")
        << Settings << Files{{"TST.ros", Roster + QByteArray(256, 'x') + "\r\n"}}
        << QStringList{"--suggest", "TST.ros"} << 2 << QByteArray()
        << QByteArray("pellmore: Line 19 of TST.ros is longer than 255 characters; the file was not read\n")
        << Files();
    QTest::newRow("suggest, a name too long for a line-up line")
        << Settings << Files{{"TST.ros", QByteArray(Roster).replace("Keeper", QByteArray(230, 'K'))}}
        << QStringList{"--suggest", "TST.ros", "--output", "TST3.txt"} << 2 << QByteArray()
        << QByteArray("pellmore: TST3.txt:3: the line is 261 characters long; the league reads at most 255\n")
        << Files{{"TST3.txt", QByteArray()}};
    QTest::newRow("suggest, a name the league cannot read")
        << Settings << Files{{"TST.ros", QByteArray(Roster).replace("Keeper", "Kee\tper")}}
        << QStringList{"--suggest", "TST.ros"} << 2 << QByteArray()
        << QByteArray("pellmore: standard output:3: column 7: the character U+0009 cannot be read by the league\n")
        << Files();
    QTest::newRow("suggest, no settings file")
        << QByteArray() << roster << QStringList{"--suggest", "TST.ros"} << 2 << QByteArray()
        << QByteArray("pellmore: the settings file {dir}/pellmore.INI was not found\n") << Files();

    // --check
    QTest::newRow("check, a sound file")
        << Settings << Files{{"TST.ros", Roster}, {"TST3.txt", SoundFile}} << QStringList{"--check", "TST3.txt"} << 0
        << QByteArray() << QByteArray() << Files();
    QTest::newRow("check, problems")
        << Settings
        << Files{{"TST.ros", Roster},
                 {"TST3.txt", QByteArray(SoundFile)
                                  .replace("GK,Keeper,n", "GK,Nobody,n")
                                  .replace("FW,Poacher,n,,", "FW,Poacher,n,\t,")
                                  .replace("GK,Reserve,n", ",,n")}}
        << QStringList{"--check", "TST3.txt"} << 1
        << QByteArray("TST3.txt:3: \"Nobody\" is not in the roster TST.ros\n"
                      "TST3.txt:3: GK: exactly one goalkeeper must start\n"
                      "TST3.txt:3: Starting 11: eleven players must start\n"
                      "TST3.txt:13: column 14: the character U+0009 cannot be read by the league\n"
                      "TST3.txt:14: substitute slot S1 is empty\n"
                      "TST3.txt:14: Five Subs: S1 to S5 must each hold one substitute\n")
        << QByteArray() << Files();
    QTest::newRow("check, the 2:1 rules")
        << Settings
        << Files{{"TST.ros", Roster},
                 {"TST3.txt", QByteArray(SoundFile)
                                  .replace("DF,Back,n", "WG,Back,n")
                                  .replace("DF,M\xfcller,n", "WG,M\xfcller,n")
                                  .replace("DF,Stopper,n", "DF,Stopper,p")
                                  .replace("MF,Playmaker,n", "MF,Playmaker,p")
                                  .replace("MF,Runner,n", "FW,Runner,a")
                                  .replace("MF,Holder,n", "MF,Holder,p")}}
        << QStringList{"--check", "TST3.txt"} << 1
        << QByteArray("TST3.txt:3: DF: two to five defenders must start\n"
                      "TST3.txt:3: " + mf + "\n"
                      "TST3.txt:3: " + fw + "\n")
        << QByteArray() << Files();
    // Forwards 83, midfield 40: the rule is broken, but "L" keeps the light lit.
    const QByteArray attacking = QByteArray(SoundFile)
                                     .replace("MF,Playmaker,n", "MF,Playmaker,p")
                                     .replace("MF,Runner,n", "MF,Runner,p")
                                     .replace("MF,Holder,n", "FW,Holder,n");
    QTest::newRow("check, the 2:1 rule in attack")
        << Settings << Files{{"TST.ros", Roster}, {"TST3.txt", attacking}} << QStringList{"--check", "TST3.txt"}
        << 1 << "TST3.txt:3: " + fw + "\n" << QByteArray() << Files();
    QTest::newRow("check, the 2:1 rule in attack and longball")
        << Settings << Files{{"TST.ros", Roster}, {"TST3.txt", QByteArray(attacking).replace("3,N,", "3,L,")}}
        << QStringList{"--check", "TST3.txt"} << 0 << QByteArray() << QByteArray() << Files();
    QTest::newRow("check, a line over 255 characters and a byte-order mark")
        << Settings
        << Files{{"TST.ros", Roster},
                 {"TST3.txt", "\xEF\xBB\xBF" + QByteArray(SoundFile).replace("FW,Poacher,n,", "FW,Poacher,n," + QByteArray(250, 'x'))}}
        << QStringList{"--check", "TST3.txt"} << 1
        << QByteArray("TST3.txt:1: the file starts with a UTF-8 byte-order mark, which the league cannot read\n"
                      "TST3.txt:13: the line is 288 characters long; the league reads at most 255\n")
        << QByteArray() << Files();
    QTest::newRow("check, an undefined byte")
        << Settings << Files{{"TST.ros", Roster}, {"TST3.txt", QByteArray(SoundFile).replace("GK,Keeper,n,,,", "GK,Keeper,n,\x81\x8d,,")}}
        << QStringList{"--check", "TST3.txt"} << 1
        << QByteArray("TST3.txt:3: column 13: the character U+0081 cannot be read by the league "
                      "(and 1 more on this line)\n")
        << QByteArray() << Files();
    QTest::newRow("check, twenty lines")
        << Settings << Files{{"TST.ros", Roster}, {"TST3.txt", SoundFile + "\r\n"}}
        << QStringList{"--check", "TST3.txt"} << 1
        << QByteArray("TST3.txt:20: a line-up file has 19 lines; this one has 20\n") << QByteArray() << Files();
    QTest::newRow("check, an empty file")
        << Settings << Files{{"TST3.txt", ""}} << QStringList{"--check", "TST3.txt"} << 1
        << QByteArray("TST3.txt:1: a line-up file has 19 lines; this one has 0\n") << QByteArray() << Files();
    QTest::newRow("check, the roster beside the file")
        << Settings
        << Files{{"sub/TST.ros", Roster}, {"sub/TST2.txt", QByteArray(SoundFile).replace("FW,Striker", "FW,Nobody")}}
        << QStringList{"--check", "sub/TST2.txt"} << 1
        << QByteArray("sub/TST2.txt:3: Starting 11: eleven players must start\n"
                      "sub/TST2.txt:12: \"Nobody\" is not in the roster sub/TST.ros\n")
        << QByteArray() << Files();
    QTest::newRow("check, a roster given")
        << Settings << Files{{"own.ros", Roster}, {"XYZ1.txt", SoundFile}}
        << QStringList{"--check", "XYZ1.txt", "--roster", "own.ros"} << 0 << QByteArray() << QByteArray() << Files();
    QTest::newRow("check, several files")
        << Settings
        << Files{{"TST.ros", Roster},
                 {"TST3.txt", SoundFile},
                 {"TST4.txt", QByteArray(SoundFile).replace("FW,Striker", "FW,Nobody")},
                 {"TST5.txt", SoundFile}}
        << QStringList{"--check", "TST3.txt", "TST4.txt", "TST5.txt"} << 1
        << QByteArray("TST4.txt:3: Starting 11: eleven players must start\n"
                      "TST4.txt:12: \"Nobody\" is not in the roster TST.ros\n")
        << QByteArray() << Files();
    QTest::newRow("check, no roster")
        << Settings << Files{{"TST3.txt", SoundFile}, {"ABC3.txt", "\r\n"}}
        << QStringList{"--check", "TST3.txt", "ABC3.txt"} << 2
        << QByteArray("ABC3.txt:1: a line-up file has 19 lines; this one has 1\n")
        << QByteArray("pellmore: Cannot open file TST.ros\n") << Files();
    QTest::newRow("check, a file that is not there")
        << Settings << Files{{"TST.ros", Roster}} << QStringList{"--check", "TST9.txt"} << 2 << QByteArray()
        << QByteArray("pellmore: Cannot open file TST9.txt\n") << Files();

    // Misuse, version
    QTest::newRow("suggest and check") << Settings << roster << QStringList{"--suggest", "TST.ros", "--check", "a"}
                                       << 2 << QByteArray()
                                       << QByteArray("pellmore: --suggest and --check cannot be given together "
                                                     "(see pellmore --help)\n")
                                       << Files();
    QTest::newRow("strategy without suggest")
        << Settings << roster << QStringList{"--strategy", "L", "TST.ros"} << 2 << QByteArray()
        << QByteArray("pellmore: --strategy needs --suggest (see pellmore --help)\n") << Files();
    QTest::newRow("check without files") << Settings << roster << QStringList{"--check"} << 2 << QByteArray()
                                         << QByteArray("pellmore: --check needs at least one line-up file "
                                                       "(see pellmore --help)\n")
                                         << Files();
    QTest::newRow("an unknown option") << Settings << roster << QStringList{"--check", "--bogus"} << 2
                                       << QByteArray()
                                       << QByteArray("pellmore: Unknown option 'bogus' (see pellmore --help)\n")
                                       << Files();
    QTest::newRow("version") << QByteArray() << Files() << QStringList{"--version"} << 0
                             << QByteArray("Pellmore 3.3.1\n") << QByteArray() << Files();
}

void TestCommandLine::commands()
{
    QFETCH(QByteArray, ini);
    QFETCH(Files, files);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    QFETCH(Files, written);

    if (!ini.isNull())
        files.insert("pellmore.INI", ini);
    writeFiles(files);

    QProcess *p = start(arguments);
    p->start();
    QVERIFY(p->waitForFinished(20000));
    QCOMPARE(p->exitStatus(), QProcess::NormalExit);
    QCOMPARE(p->readAllStandardError(), QByteArray(err).replace("{dir}", dir.path().toLocal8Bit()));
    QCOMPARE(p->readAllStandardOutput(), out);
    QCOMPARE(p->exitCode(), exitCode);
    for (auto it = written.begin(); it != written.end(); ++it) {
        QFile f(path(it.key()));
        if (it.value().isNull()) {
            QVERIFY2(!f.exists(), qPrintable(it.key()));
        } else {
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), it.value());
        }
    }
}

void TestCommandLine::failedWriteKeepsTheOldFile()
{
    // Files may grow to 100 bytes only: the line-up cannot be written whole.
    writeFiles({{"pellmore.INI", Settings}, {"TST.ros", Roster}, {"TST3.txt", "old\r\n"}});
    QProcess *p = start({"--suggest", "TST.ros", "--output", "TST3.txt"});
    p->setChildProcessModifier([] {
        const rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
    });
    p->start();
    QVERIFY(p->waitForFinished(20000));
    QCOMPARE(p->exitCode(), 2);
    QVERIFY2(p->readAllStandardError().startsWith("pellmore: Cannot write TST3.txt: "), "no error reported");
    QFile old(path("TST3.txt"));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
             (QStringList{"TST.ros", "TST3.txt", "pellmore", "pellmore.INI"}));
}

void TestCommandLine::failedStandardOutputIsReported()
{
    writeFiles({{"pellmore.INI", Settings}, {"TST.ros", Roster}});
    QProcess *p = start({"--suggest", "TST.ros"});
    p->setStandardOutputFile("/dev/full");
    p->start();
    QVERIFY(p->waitForFinished(20000));
    QCOMPARE(p->readAllStandardError(), QByteArray("pellmore: cannot write to standard output\n"));
    QCOMPARE(p->exitCode(), 2);
}

void TestCommandLine::help()
{
    QProcess *p = start({"--help"});
    p->start();
    QVERIFY(p->waitForFinished(20000));
    QCOMPARE(p->exitCode(), 0);
    const QByteArray text = p->readAllStandardOutput();
    QVERIFY2(text.startsWith("Usage: " + exe.toLocal8Bit() + " [options] [ROSTER | LINEUP...]\n"), text);
    for (const char *option : {"-h, --help", "-v, --version", "--suggest <ROSTER>", "--strategy <CODE>",
                               "--exclude <NAME>", "--output <FILE>", "--check", "--roster <ROSTER>"})
        QVERIFY2(text.contains(option), option);
}

void TestCommandLine::parsing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("roster");
    QTest::addColumn<QStringList>("lineups");

    QTest::newRow("nothing") << QStringList{} << Mode::Window << "" << QStringList();
    QTest::newRow("a roster") << QStringList{"ABC.ros"} << Mode::Window << "ABC.ros" << QStringList();
    // The toolkit's own options are the window's.
    QTest::newRow("toolkit options") << QStringList{"-platform", "offscreen", "ABC.ros"} << Mode::Window << ""
                                     << QStringList();
    QTest::newRow("two rosters") << QStringList{"ABC.ros", "XYZ.ros"} << Mode::Misused << "" << QStringList();
    QTest::newRow("check after the files")
        << QStringList{"ABC3.txt", "ABC4.txt", "--check"} << Mode::Check << "" << QStringList{"ABC3.txt", "ABC4.txt"};
    QTest::newRow("check with a roster") << QStringList{"--check", "ABC3.txt", "--roster", "X.ros"} << Mode::Check
                                         << "X.ros" << QStringList{"ABC3.txt"};
    QTest::newRow("roster without check") << QStringList{"--roster", "X.ros"} << Mode::Misused << ""
                                          << QStringList();
    QTest::newRow("suggest twice") << QStringList{"--suggest", "A.ros", "--suggest", "B.ros"} << Mode::Misused << ""
                                   << QStringList();
    QTest::newRow("suggest and a file") << QStringList{"--suggest", "A.ros", "B.ros"} << Mode::Misused << ""
                                        << QStringList();
    QTest::newRow("help wins") << QStringList{"--check", "--help"} << Mode::Help << "" << QStringList();
    QTest::newRow("version") << QStringList{"-v"} << Mode::Version << "" << QStringList();
}

void TestCommandLine::parsing()
{
    QFETCH(QStringList, arguments);
    QFETCH(Mode, mode);
    QFETCH(QString, roster);
    QFETCH(QStringList, lineups);
    const commandline::Options o = commandline::parse(QStringList{"pellmore"} + arguments);
    QCOMPARE(o.mode, mode);
    QCOMPARE(o.roster, roster);
    QCOMPARE(o.lineups, lineups);
    QCOMPARE(o.error.isEmpty(), mode != Mode::Misused);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
