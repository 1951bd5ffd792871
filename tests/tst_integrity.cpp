// What Pellmore reports as saved is what is on disk: failed writes, hostile
// input and out-of-range settings. Runs with the write-fault shim preloaded.
#include "app/inistore.h"
#include "app/leaguesettings.h"
#include "app/pelerror.h"
#include "app/textfile.h"
#include "lineup/lineupfile.h"
#include "orders/bids.h"
#include "roster/rosterfile.h"
#include "support/fixture.h"
#include "widgets/formcontrols.h"
#include "widgets/stringgrid.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <dlfcn.h>

namespace {

template <typename T> T *child(QWidget &w, const char *name)
{
    T *found = w.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

QAction *action(QWidget &w, const QString &text)
{
    for (QAction *a : w.findChildren<QAction *>())
        if (a->text() == text)
            return a;
    qFatal("no menu entry %s", qPrintable(text));
}

// A roster of sixteen players and a full line-up of them for match 3.
QByteArray squad()
{
    QByteArray r = "ABC,Athletic Borough,J. Smith\r\n";
    const char *pos[] = {"GK", "SW", "DF", "DF", "DF", "MF", "MF", "MF", "WG", "FW", "FW",
                         "GK", "DF", "MF", "FW", "UT"};
    for (int i = 0; i < 16; ++i)
        r += QByteArray("P") + QByteArray::number(i + 1) + ",5,20," + pos[i] + ",3\r\n";
    return r;
}

QByteArray lineupFor(const QByteArray &coaching = QByteArray(8, ','))
{
    const char *play[] = {"GK", "SW", "DF", "DF", "DF", "MF", "MF", "MF", "WG", "FW", "FW",
                          "GK", "DF", "MF", "FW", "FW"};
    QByteArray f = "5,N" + QByteArray(35, ',') + "\r\n" + coaching + "\r\n";
    for (int i = 0; i < 16; ++i)
        f += QByteArray(play[i]) + ",P" + QByteArray::number(i + 1) + ",n" + QByteArray(26, ',') + "\r\n";
    return f + ",\r\n";
}

// A window with the squad's line-up open (match 3) and session 7 chosen.
TPelMainForm &ready(Fixture &fx, const QByteArray &coaching = QByteArray(8, ','))
{
    TPelMainForm &w = fx.start();
    fx.write("ABC.ros", squad());
    fx.write("ABC3.txt", lineupFor(coaching));
    fx.prompts.files.enqueue(fx.path("ABC3.txt"));
    action(w, "Open &Lineup")->trigger();
    child<QComboBox>(w, "SessionNoComboBox")->setCurrentIndex(6);
    fx.prompts.boxes.clear();
    return w;
}

bool anySuccess(const ScriptedPrompts &p)
{
    for (const QString &t : p.texts())
        if (t.contains("has been"))
            return true;
    return false;
}

// Sets or clears the shim's fault.
void fault(const QByteArray &what)
{
    if (auto reset = reinterpret_cast<void (*)()>(dlsym(RTLD_DEFAULT, "pellmore_fault_reset")))
        reset();
    if (what.isEmpty())
        qunsetenv("PELLMORE_FAULT");
    else
        qputenv("PELLMORE_FAULT", what);
}

// The row of a player in the roster grid, found by name.
QModelIndex playerCell(QAbstractItemView *grid, const QString &name, int column)
{
    const QAbstractItemModel *m = grid->model();
    for (int r = 0; r < m->rowCount(); ++r)
        if (m->index(r, 0).data().toString() == name)
            return m->index(r, column);
    return {};
}

QPushButton *button(QWidget *dialog, const QString &text)
{
    for (QPushButton *b : dialog->findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    qFatal("no button %s", qPrintable(text));
}

} // namespace

class TestIntegrity : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(dlsym(RTLD_DEFAULT, "pellmore_fault_reset"), "the write-fault shim is not preloaded");
    }
    void cleanup() { fault({}); }

    // A failed write of any file kind leaves the old file byte for byte, shows
    // an error naming the file and the system's reason, lists nothing for
    // zipping and shows no success. A short write is no failure.
    void failedWritesKeepTheOldFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<QString>("reason");
        for (const char *kind : {"lineup", "bids", "press", "archive", "settings"}) {
            QTest::addRow("%s eio", kind) << kind << QByteArray("eio") << "Input/output error";
            QTest::addRow("%s disk full", kind) << kind << QByteArray("enospc") << "No space left on device";
            QTest::addRow("%s sync", kind) << kind << QByteArray("fsync") << "Input/output error";
            QTest::addRow("%s short writes", kind) << kind << QByteArray("short") << QString();
        }
    }
    void failedWritesKeepTheOldFile()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, mode);
        QFETCH(QString, reason);
        Fixture fx("[Options]\r\nAutoIncr=0\r\nWorkingDir=\r\n[SeasonLength]\r\nMatches=30\r\n");
        TPelMainForm &w = ready(fx);
        auto *zip = child<QListWidget>(w, "ZipListBox");
        QString file;
        std::function<void()> command;
        if (kind == "lineup") {
            file = "ABC3.txt";
            fx.prompts.answers.enqueue(Prompts::Yes); // replace the opened file
            command = [&] { action(w, "&Save Lineup")->trigger(); };
        } else if (kind == "bids") {
            file = "ABCSession7Bids.txt";
            auto *grid = child<StringGrid>(w, "AuctionStringGrid");
            grid->setCell(0, 1, "3");
            grid->setCell(1, 1, "100");
            grid->setCell(2, 1, "Smith");
            fx.write(file, "old bids\r\n");
            fx.prompts.answers.enqueue(Prompts::Yes);
            command = [&] { child<QPushButton>(w, "SaveBidsBtn")->click(); };
        } else if (kind == "press") {
            file = "ABCSession7Press.txt";
            child<QPlainTextEdit>(w, "PressMemo")->setPlainText("We will win.");
            fx.write(file, "old press");
            fx.prompts.answers.enqueue(Prompts::Yes);
            command = [&] { child<QPushButton>(w, "SavePressBtn")->click(); };
        } else if (kind == "archive") {
            file = "ABCSession7.zip";
            fx.write("old.txt", "old entry\r\n");
            orders::writeArchive(fx.path(file), {fx.path("old.txt")});
            fx.prompts.files.enqueue(fx.path("ABC3.txt"));
            child<QPushButton>(w, "AddZipListBtn")->click();
            command = [&] { child<QPushButton>(w, "ZipBtn")->click(); };
        } else {
            file = "pellmore.INI";
            command = [&] { action(w, "Auto Increase")->trigger(); };
        }
        const QByteArray before = fx.read(file);
        const QStringList listed = items(zip);
        fx.prompts.boxes.clear();

        fault(mode + ':' + file.toUtf8());
        command();
        fault({});

        if (reason.isEmpty()) {
            QVERIFY2(anySuccess(fx.prompts) || kind == "settings", qPrintable(fx.prompts.texts().join('|')));
            if (kind == "lineup")
                QCOMPARE(fx.read(file), lineupFor()); // the same line-up, written whole
            else
                QVERIFY(fx.read(file) != before);
            return;
        }
        QCOMPARE(fx.read(file), before);
        QVERIFY2(!anySuccess(fx.prompts), qPrintable(fx.prompts.texts().join('|')));
        QVERIFY(!fx.prompts.boxes.isEmpty());
        const auto &box = fx.prompts.boxes.last();
        QCOMPARE(box.kind, Prompts::Kind::Error);
        QVERIFY2(box.text.contains(file) && box.text.contains(reason), qPrintable(box.text));
        QCOMPARE(items(zip), listed);
        if (kind == "settings")
            QVERIFY(!action(w, "Auto Increase")->isChecked());
    }

    // The settings file: never rewritten from nothing, written in place where
    // no temporary file can be made, each line's own line end kept.
    void settingsFileKeepsWhatItHolds()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("pellmore.INI");
        const QByteArray mixed = "[Options]\r\nA=1\nB=2\rC=3";
        auto put = [&](const QByteArray &bytes) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
        auto get = [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        };
        IniStore ini(path);
        put(mixed);
        ini.writeString("Options", "B", "5");
        QCOMPARE(get(), QByteArray("[Options]\r\nA=1\nB=5\rC=3"));
        ini.writeString("Options", "D", "4");
        QCOMPARE(get(), QByteArray("[Options]\r\nA=1\nB=5\rC=3\r\nD=4"));
        ini.writeString("New", "E", "6");
        QCOMPARE(get(), QByteArray("[Options]\r\nA=1\nB=5\rC=3\r\nD=4\r\n[New]\r\nE=6"));

        put(mixed);
        fault("noread:pellmore.INI");
        QVERIFY_THROWS_EXCEPTION(PelError, ini.writeString("Options", "B", "7"));
        try {
            ini.writeString("Options", "B", "7");
        } catch (const PelError &e) {
            QCOMPARE(e.message(), "Unable to write to " + path);
        }
        fault({});
        QCOMPARE(get(), mixed);

        fault("notemp:pellmore.INI");
        ini.writeString("Options", "B", "8");
        fault({});
        QCOMPARE(get(), QByteArray("[Options]\r\nA=1\nB=8\rC=3"));

        // A value the code page cannot hold, or a line break, is named.
        for (const QString &value : {QString::fromUtf8("/home/łukasz/"), QString("/tmp/a\r\nB=9/")}) {
            try {
                ini.writeString("Options", "WorkingDir", value);
                QFAIL("accepted");
            } catch (const PelError &e) {
                QVERIFY2(e.message().contains("pellmore.INI") && !e.message().startsWith("Unable"),
                         qPrintable(e.message()));
            }
        }
        QCOMPARE(get(), QByteArray("[Options]\r\nA=1\nB=8\rC=3"));
    }

    // Values beyond the bounds of the lists they size read as the defaults;
    // style factors that are no finite number in 0..5 too.
    void outOfRangeSettings_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("matches");
        QTest::addColumn<int>("bonusMin");
        QTest::addColumn<int>("bonusMax");
        QTest::addColumn<int>("strategies");
        QTest::addColumn<double>("passive");
        QTest::newRow("huge season") << QByteArray("[SeasonLength]\nMatches=2147483647\n") << 30 << 3 << 8 << 6 << 0.75;
        QTest::newRow("150 matches kept") << QByteArray("[SeasonLength]\nMatches=150\n") << 150 << 3 << 8 << 6 << 0.75;
        QTest::newRow("int extremes bonus")
            << QByteArray("[HomeBonus]\nMin=-2147483648\nMax=2147483647\n") << 30 << 3 << 8 << 6 << 0.75;
        QTest::newRow("many strategies") << QByteArray("[TeamTacs]\nhowmany=300000\n") << 30 << 3 << 8 << 6 << 0.75;
        QTest::newRow("inf factor") << QByteArray("[Aggression Modifier]\nPassive=inf\n") << 30 << 3 << 8 << 6 << 0.75;
        QTest::newRow("nan factor") << QByteArray("[Aggression Modifier]\nPassive=nan\n") << 30 << 3 << 8 << 6 << 0.75;
        QTest::newRow("factor 9") << QByteArray("[Aggression Modifier]\nPassive=9\n") << 30 << 3 << 8 << 6 << 0.75;
        QTest::newRow("factor 0.5") << QByteArray("[Aggression Modifier]\nPassive=0.5\n") << 30 << 3 << 8 << 6 << 0.5;
    }
    void outOfRangeSettings()
    {
        QFETCH(QByteArray, ini);
        QFETCH(int, matches);
        Fixture fx(ini);
        TPelMainForm &w = fx.start();
        IniStore store(fx.iniPath());
        QCOMPARE(child<QComboBox>(w, "MatchNoComboBox")->count(), matches);
        QCOMPARE(items(child<QComboBox>(w, "HBCombo")), numbers(league::homeBonusMin(store), league::homeBonusMax(store)));
        QTEST(league::homeBonusMin(store), "bonusMin");
        QTEST(league::homeBonusMax(store), "bonusMax");
        QTEST(int(league::strategyNames(store).size()), "strategies");
        QTEST(league::styleFactors(store).passive, "passive");

        // League Administration shows a stored length whole and keeps it.
        QString shown;
        fx.prompts.dialogs.enqueue([&shown](QDialog *d) {
            if (QLineEdit *field = d->findChild<QLineEdit *>("MatchNumEdit"))
                shown = field->text();
            button(d, "Done")->click();
        });
        action(w, "Admin Tasks")->trigger();
        QCOMPARE(shown, QString::number(matches));
        QCOMPARE(league::matches(store), matches);
        QCOMPARE(child<QComboBox>(w, "MatchNoComboBox")->count(), matches);
    }

    // Files holding control characters are refused with the file and line
    // named, and nothing changes.
    void controlCharactersInFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("roster");
        QTest::addColumn<int>("line");
        QTest::newRow("NUL in a name") << QByteArray("ABC,A,B\r\nJo\0nes,2,34,GK,5\r\n", 27) << 2;
        QTest::newRow("escape in the team line") << QByteArray("AB\x1b" "C,A,B\r\nJones,2,34,GK,5\r\n") << 1;
        QTest::newRow("form feed") << QByteArray("ABC,A,B\r\nJones,2,34,GK,5\r\n\fSmith,2,3,DF,1\r\n") << 3;
    }
    void controlCharactersInFilesAreRefused()
    {
        QFETCH(QByteArray, roster);
        QFETCH(int, line);
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.openRoster("XYZ.ros", "XYZ,X Town,M\r\nKeeper,2,3,GK,1\r\n");
        fx.prompts.boxes.clear();
        fx.openRoster("ABC.ros", roster);
        QCOMPARE(fx.prompts.boxes.size(), 1);
        const QString text = fx.prompts.boxes.first().text;
        QVERIFY2(text.contains(fx.path("ABC.ros")) && text.contains(QString("Line %1 ").arg(line)), qPrintable(text));
        QCOMPARE(child<QLabel>(w, "AbbLabel")->text(), QString("XYZ"));
        // Tabs stay allowed in the league's fields.
        fx.write("tab.ros", "ABC,A\tB,C\r\n");
        QCOMPARE(textfile::readLines(fx.path("tab.ros")).first(), QString("ABC,A\tB,C"));
    }

    // A skill level too large to rate is refused when the roster is read.
    void hugeSkillIsRefused()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.openRoster("ABC.ros", "ABC,A,B\r\nJones,2,34,GK,5\r\nGiant,2,2147483647,FW,5\r\n");
        QCOMPARE(fx.prompts.boxes.size(), 1);
        QVERIFY2(fx.prompts.boxes.first().text.contains("Giant"), qPrintable(fx.prompts.boxes.first().text));
        QCOMPARE(child<QLabel>(w, "AbbLabel")->text(), QString());
        QVERIFY_THROWS_EXCEPTION(PelError, roster::checkSkill("X", "99999999999999999999"));
        roster::checkSkill("X", "40");
        roster::checkSkill("X", "ten"); // left to the conversion of the lists
    }

    // No line of a saved line-up is longer than 255 characters.
    void longLinesAreRefusedBeforeWriting()
    {
        const QByteArray longName(50, 'L');
        Fixture fx;
        fx.start();
        QByteArray roster = squad();
        for (char c : QByteArray("ABCDE"))
            roster += QByteArray(1, c) + longName + ",5,20,DF,3\r\n";
        fx.write("ABC.ros", roster);
        QByteArray coaching;
        for (char c : QByteArray("ABCD"))
            coaching += QByteArray(1, c) + longName + ',';
        fx.write("ABC3.txt", lineupFor(coaching + ",,,,"));
        TPelMainForm &w = *fx.window;
        fx.prompts.files.enqueue(fx.path("ABC3.txt"));
        action(w, "Open &Lineup")->trigger();
        const QByteArray before = fx.read("ABC3.txt");
        auto *pk = child<QComboBox>(w, "PTakeBox");
        const int at = pk->findText("E" + longName);
        QVERIFY(at >= 0);
        pk->setCurrentIndex(at);
        emit pk->activated(at);
        fx.prompts.boxes.clear();
        fx.prompts.answers.enqueue(Prompts::Yes);
        action(w, "&Save Lineup")->trigger();
        QCOMPARE(fx.read("ABC3.txt"), before);
        QVERIFY(!anySuccess(fx.prompts));
        const QString text = fx.prompts.texts().join('|');
        QVERIFY2(text.contains("Line 2 of ABC3.txt") && text.contains("penalty taker") && text.contains("Lineup not saved"),
                 qPrintable(text));
        QVERIFY(items(child<QListWidget>(w, "ZipListBox")).isEmpty());
    }

    // Single-line fields drop pasted line breaks and control characters and
    // refuse commas.
    void singleLineFields_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("CR LF at the end") << "Smith\r\n" << "Smith";
        QTest::newRow("LF inside") << "Sm\nith" << "Smith";
        QTest::newRow("tab and NUL") << QString("A\tB") + QChar(0) + "C" << "ABC";
        QTest::newRow("comma refused") << "Smith,Jones" << "";
    }
    void singleLineFields()
    {
        QFETCH(QString, pasted);
        QLineEdit field;
        refuseCommas(&field);
        field.insert(pasted);
        QTEST(field.text(), "kept");
    }

    // The press statement is saved exactly as it stands.
    void pressTextExactly()
    {
        Fixture fx;
        TPelMainForm &w = ready(fx);
        auto *memo = child<QPlainTextEdit>(w, "PressMemo");
        memo->setPlainText(QString::fromUtf8("Caf\u00e9\u00a0talk\nline two"));
        child<QPushButton>(w, "SavePressBtn")->click();
        QCOMPARE(fx.read("ABCSession7Press.txt"), QByteArray("Caf\xe9\xa0talk\r\nline two"));

        memo->setPlainText(QString(300, 'x'));
        fx.prompts.answers.enqueue(Prompts::Yes);
        fx.prompts.boxes.clear();
        child<QPushButton>(w, "SavePressBtn")->click();
        QVERIFY(!anySuccess(fx.prompts));
        QCOMPARE(fx.read("ABCSession7Press.txt"), QByteArray("Caf\xe9\xa0talk\r\nline two"));

        // Half a surrogate pair is refused like any character the code page
        // cannot hold.
        memo->setPlainText(QString("end") + QChar(0xD83D));
        fx.prompts.answers.enqueue(Prompts::Yes);
        fx.prompts.boxes.clear();
        child<QPushButton>(w, "SavePressBtn")->click();
        QVERIFY(!anySuccess(fx.prompts));
        QVERIFY(fx.prompts.texts().join('|').contains("ABCSession7Press.txt"));
        QCOMPARE(fx.read("ABCSession7Press.txt"), QByteArray("Caf\xe9\xa0talk\r\nline two"));
    }

    // A conditional value longer than the typing limit comes back whole.
    void conditionalValuesComeBackWhole()
    {
        Fixture fx;
        fx.start();
        fx.write("ABC.ros", squad());
        QByteArray file = lineupFor();
        const QByteArray orders = "GK,P1,n,Opp,,G,>,12345,T,<,-0001,C,GK,,,,,,,,,,,,,,,,";
        file.replace("GK,P1,n" + QByteArray(26, ','), orders);
        fx.write("ABC3.txt", file);
        TPelMainForm &w = *fx.window;
        fx.prompts.files.enqueue(fx.path("ABC3.txt"));
        action(w, "Open &Lineup")->trigger();
        auto *grid = w.findChild<QAbstractItemView *>("RosterStringGrid");
        const QModelIndex cell = playerCell(grid, "P1", 8);
        QVERIFY(cell.isValid());
        QCOMPARE(cell.data().toString(), QString(orders.mid(8)));
        fx.prompts.dialogs.enqueue([](QDialog *d) { button(d, "Done")->click(); });
        grid->setCurrentIndex(cell);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
        QCOMPARE(fx.prompts.dialogsRun, 1);
        QCOMPARE(playerCell(grid, "P1", 8).data().toString(), QString(orders.mid(8)));
    }

    // The archive: names that collide on Windows are refused, one file
    // listed twice is packed once, and the success box names every entry.
    void archiveSaysWhatItHolds()
    {
        QStringList unique;
        QVERIFY(orders::archiveProblems({"/a/ABC3.txt", "/b/abc3.txt"}).size() == 1);
        QDir::setCurrent(QDir::tempPath());
        QVERIFY(orders::archiveProblems({"x.txt", QDir::tempPath() + "/x.txt", "y.txt", "x.txt"}, &unique).isEmpty());
        QCOMPARE(unique, QStringList({"x.txt", "y.txt"}));

        Fixture fx;
        TPelMainForm &w = ready(fx);
        fx.write("old.txt", "old\r\n");
        orders::writeArchive(fx.path("ABCSession7.zip"), {fx.path("old.txt")});
        fx.prompts.files.enqueue(fx.path("ABC3.txt"));
        child<QPushButton>(w, "AddZipListBtn")->click();
        fx.prompts.files.enqueue("ABC3.txt"); // the same file by its bare name
        child<QPushButton>(w, "AddZipListBtn")->click();
        fx.prompts.boxes.clear();
        child<QPushButton>(w, "ZipBtn")->click();
        QCOMPARE(fx.prompts.texts(), QStringList({"ABCSession7.zip has been created\n\nIt holds: old.txt, ABC3.txt"}));

        fx.write("abc3.TXT", "other\r\n");
        fx.prompts.files.enqueue(fx.path("ABC3.txt"));
        child<QPushButton>(w, "AddZipListBtn")->click();
        fx.prompts.files.enqueue(fx.path("abc3.TXT"));
        child<QPushButton>(w, "AddZipListBtn")->click();
        const QByteArray before = fx.read("ABCSession7.zip");
        fx.prompts.boxes.clear();
        child<QPushButton>(w, "ZipBtn")->click();
        QCOMPARE(fx.prompts.boxes.size(), 1);
        QCOMPARE(fx.prompts.boxes.first().kind, Prompts::Kind::Error);
        QCOMPARE(fx.read("ABCSession7.zip"), before);
        QCOMPARE(child<QListWidget>(w, "ZipListBox")->count(), 2);
    }
};

QTEST_MAIN(TestIntegrity)
#include "tst_integrity.moc"
