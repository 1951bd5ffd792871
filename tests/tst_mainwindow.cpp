// Start-up, the main window's state and menus, and the frame's commands.
#include "app/aboutbox.h"
#include "app/helpwindow.h"
#include "support/fixture.h"
#include "widgets/fadinglabel.h"
#include "widgets/ledlight.h"
#include "widgets/stringgrid.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

namespace {

// What a control shows: a label's or button's text, a list's or a box's
// entries (the chosen one for a box), the lit lights of the checker, a
// grid's row count or one row of the totals.
QString shows(const TPelMainForm &w, const QString &what)
{
    if (what == "lights") {
        QStringList lit;
        for (LedLight *led : w.findChildren<LedLight *>())
            if (led->isLit())
                lit.append(led->objectName());
        lit.sort();
        return lit.join(u' ');
    }
    if (what == "Num" || what == "SL") {
        auto *g = ctl<StringGrid>(w, "LineupTotGrid");
        QStringList cells;
        for (int c = 1; c <= 6; ++c)
            cells.append(g->cell(c, what == "Num" ? 1 : 2));
        return cells.join(u' ');
    }
    QObject *c = w.findChild<QObject *>(what);
    if (auto *l = qobject_cast<QLabel *>(c))
        return l->text();
    if (auto *b = qobject_cast<QPushButton *>(c))
        return b->text();
    if (auto *list = qobject_cast<QListWidget *>(c))
        return items(list).join(u'|');
    if (auto *box = qobject_cast<QComboBox *>(c))
        return box->currentText();
    if (auto *g = qobject_cast<GridView *>(c))
        return QString::number(g->rows());
    return "no control " + what;
}

const QByteArray BadLaterRow = "TST,Test Rovers,A. Manager\r\nKeeper,3,20,GK,1\r\nSweeper,4,x,SW,2\r\n";

QByteArray lineupWithTactics()
{
    QByteArray f = "4,N,G,>,1,,,,P,,,,,,,,T,<,80,,,,A" + QByteArray(14, ',') + "\r\n,,,,,,,,\r\n";
    for (int i = 0; i < 16; ++i)
        f += "MF,Nobody," + QByteArray(27, ',') + "\r\n";
    return f + ",\r\n";
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startsWithEmptySettingsFile()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        QVERIFY(w.started());
        QVERIFY(fx.prompts.boxes.isEmpty());
        QCOMPARE(shownTitle(w), QString("Pellmore "));
        QCOMPARE(items(ctl<QComboBox>(w, "MatchNoComboBox")), numbers(1, 30));
        QCOMPARE(items(ctl<QComboBox>(w, "SessionNoComboBox")), numbers(1, 10));
        QCOMPARE(items(ctl<QComboBox>(w, "HBCombo")), numbers(3, 8));
        for (QComboBox *b : {ctl<QComboBox>(w, "MatchNoComboBox"), ctl<QComboBox>(w, "SessionNoComboBox"), ctl<QComboBox>(w, "HBCombo")})
            QCOMPARE(b->currentIndex(), -1);
        QVERIFY(ctl<QAction>(w, "Mins15Off")->isChecked());
        QVERIFY(!ctl<QAction>(w, "Mins15On")->isChecked());
        QVERIFY(!w.state().timeSteps);
        QVERIFY(!ctl<QAction>(w, "MenuAutoIncr")->isChecked());
        QCOMPARE(ctl<QTabWidget>(w, "MainPageControl")->currentWidget(), ctl<QWidget>(w, "MainSheet"));
        QVERIFY(!ctl<QFrame>(w, "validPanel")->isHidden());
        QCOMPARE(w.document().modifiers().passive, 0.75);
        QCOMPARE(w.document().modifiers().normal, 1.0);
        QCOMPARE(w.document().modifiers().aggressive, 1.15);
        QCOMPARE(w.state().workingDir, QString());
        QCOMPARE(w.palette().color(QPalette::Window), QColor(0xC0, 0xDC, 0xC0));
        QCOMPARE(w.size(), QSize(803, 609));
        QCOMPARE(fx.ini(), QByteArray("")); // start-up writes nothing

        const QStringList sheets{"Pellmore", "Lineup Viewer", "Auction Bids", "Press Statement", "Zip Orders"};
        QCOMPARE(ctl<QTabWidget>(w, "MainPageControl")->count(), 5);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(ctl<QTabWidget>(w, "MainPageControl")->tabText(i), sheets.at(i));

        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->rows(), 18);
        const QStringList headers{"Name", "Age", "SL", "Pos", "EL", "Play", "Style", "Subs", "Conditionals"};
        for (int c = 0; c < 9; ++c)
            QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->cell(c, 0), headers.at(c));
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->columnWidth(0), 120);
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->columnWidth(8), 141);
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->columnWidth(3), 30);
        QCOMPARE(ctl<StringGrid>(w, "LineupTotGrid")->cell(1, 0), QString("GK"));
        QCOMPARE(ctl<StringGrid>(w, "LineupTotGrid")->cell(6, 0), QString("FW"));
        QCOMPARE(ctl<StringGrid>(w, "LineupTotGrid")->cell(0, 1), QString("Num"));
        QCOMPARE(ctl<StringGrid>(w, "LineupTotGrid")->cell(0, 2), QString("SL"));
        QCOMPARE(ctl<StringGrid>(w, "LineupTotGrid")->cell(3, 2), QString("0"));
        QCOMPARE(ctl<StringGrid>(w, "AuctionStringGrid")->cell(1, 0), QString("Price Bid"));
        QCOMPARE(ctl<StringGrid>(w, "AuctionStringGrid")->columnWidth(2), 320);
        for (LedLight *led : {ctl<LedLight>(w, "valGKLed"), ctl<LedLight>(w, "valSWLed"), ctl<LedLight>(w, "subsLed"), ctl<LedLight>(w, "FW21Led")})
            QVERIFY(!led->isLit());
        for (QLabel *l : pitchLabels(w))
            QVERIFY(l->text().isEmpty());
        QVERIFY(ctl<QLabel>(w, "AbbLabel")->text().isEmpty());
    }

    void refusesToStartWithoutSettingsFile()
    {
        Fixture fx(QByteArray{});
        TPelMainForm &w = fx.start();
        QVERIFY(!w.started());
        QCOMPARE(fx.prompts.boxes.size(), 1);
        const auto &box = fx.prompts.boxes.first();
        QCOMPARE(box.kind, Prompts::Kind::Error);
        QCOMPARE(box.caption, QString("Error"));
        QCOMPARE(box.text, QString("WARNING INI file not found (see Help)"));
        QCOMPARE(box.buttons, int(Prompts::Abort | Prompts::Help));
        QVERIFY(!QFile::exists(fx.iniPath())); // never created by the program
    }

    void readsKeysInAnyCase()
    {
        Fixture fx("[options]\r\nautoincr=1\r\ntimesteps=2\r\nworkingdir=/data/pbm/\r\n"
                   "[SEASONLENGTH]\r\nmatches=0\r\nsessions=12\r\n[homebonus]\r\nmin=9\r\nmax=5\r\n"
                   "[aggression modifier]\r\naggressive=1.3\r\n");
        TPelMainForm &w = fx.start();
        QVERIFY(ctl<QAction>(w, "MenuAutoIncr")->isChecked());
        QVERIFY(ctl<QAction>(w, "Mins15On")->isChecked());
        QVERIFY(!ctl<QAction>(w, "Mins15Off")->isChecked());
        QVERIFY(w.state().timeSteps);
        QCOMPARE(ctl<QComboBox>(w, "MatchNoComboBox")->count(), 0);
        QCOMPARE(items(ctl<QComboBox>(w, "SessionNoComboBox")), numbers(1, 12));
        QCOMPARE(ctl<QComboBox>(w, "HBCombo")->count(), 0);
        QCOMPARE(w.document().modifiers().aggressive, 1.3);
        QCOMPARE(w.state().workingDir, QString("/data/pbm/"));
        QCOMPARE(w.state().rosterFolder, QString("/data/pbm/"));
    }

    void menus_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::newRow("open roster") << "OpenSubMenu" << "&Open Roster" << "Ctrl+O";
        QTest::newRow("open lineup") << "OpenLineupMenu" << "Open &Lineup" << "";
        QTest::newRow("save lineup") << "SaveLineupMenu" << "&Save Lineup" << "Ctrl+S";
        QTest::newRow("save view") << "SaveView1" << "Save && &View" << "Ctrl+E";
        QTest::newRow("new lineup") << "NewLineupMenu" << "&New Lineup" << "Ctrl+N";
        QTest::newRow("exit") << "ExitMenu" << "E&xit" << "Ctrl+X";
        QTest::newRow("640") << "Size640" << "640 x 480" << "F5";
        QTest::newRow("800") << "Size800" << "800 x 600" << "F6";
        QTest::newRow("1024") << "Size1024" << "1024 x 768" << "F7";
        QTest::newRow("custom") << "SizeCustom" << "Custom" << "";
        QTest::newRow("auto increase") << "MenuAutoIncr" << "Auto Increase" << "";
        QTest::newRow("default steps") << "TimeStepDefault" << "Default" << "";
        QTest::newRow("15 on") << "Mins15On" << "15 mins ON" << "";
        QTest::newRow("15 off") << "Mins15Off" << "15 mins OFF" << "";
        QTest::newRow("original") << "ColourOriginal" << "Original" << "";
        QTest::newRow("choose") << "ColourChoose" << "Choose" << "";
        QTest::newRow("system") << "ColourSystem" << "System" << "";
        QTest::newRow("coach filter") << "MenuCoachFilt" << "Coaching Filter" << "";
        QTest::newRow("admin") << "AdminTasks" << "Admin Tasks" << "";
        QTest::newRow("directory") << "MenuSelectDirectory" << "User Directory" << "";
        QTest::newRow("contents") << "HelpContents" << "&Contents" << "F1";
        QTest::newRow("about") << "About1" << "&About..." << "";
    }
    void menus()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        Fixture fx;
        TPelMainForm &w = fx.start();
        auto *a = w.findChild<QAction *>(name);
        QVERIFY(a);
        QCOMPARE(a->text(), caption);
        QCOMPARE(a->shortcut().toString(), shortcut);
        if (name == "TimeStepDefault")
            QVERIFY(!a->isEnabled());
    }

    void menuStructure()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        QStringList top;
        for (QAction *a : w.menuBar()->actions())
            top.append(a->text());
        QCOMPARE(top, QStringList({"&File", "&Edit", "&Options", "Help"}));
        QStringList file;
        for (QAction *a : w.menuBar()->actions().first()->menu()->actions())
            file.append(a->isSeparator() ? "-" : a->text());
        QCOMPARE(file, QStringList({"&Open Roster", "Open &Lineup", "-", "&Save Lineup", "Save && &View",
                                    "&New Lineup", "Su&ggest Lineup", "-", "E&xit"}));
        QCOMPARE(ctl<QWidget>(w, "ToolBar1")->geometry(), QRect(-100, 0, 105, 26));
        QCOMPARE(ctl<QToolButton>(w, "OpenToolbarBtn")->toolTip(), QString("Open Roster File"));
        QCOMPARE(ctl<QToolButton>(w, "HelpToolbarBtn")->toolTip(), QString("Help on PELM"));
    }

    void exitAsksWhileOrdersAreNotZipped()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        w.show();
        ctl<QAction>(w, "ExitMenu")->trigger();
        QVERIFY(!w.isVisible()); // nothing listed: closes without asking
        QVERIFY(fx.prompts.boxes.isEmpty());

        w.show();
        ctl<QListWidget>(w, "ZipListBox")->addItem("TST1.txt");
        fx.prompts.answers.enqueue(Prompts::No);
        ctl<QAction>(w, "ExitMenu")->trigger();
        QVERIFY(w.isVisible());
        QCOMPARE(fx.prompts.boxes.size(), 1);
        QCOMPARE(fx.prompts.boxes.first().caption, QString("Confirm"));
        QCOMPARE(fx.prompts.boxes.first().text, QString("Orders not Zipped. Exit Anyway?"));
        QCOMPARE(fx.prompts.boxes.first().buttons, int(Prompts::Yes | Prompts::No));
        QCOMPARE(ctl<QListWidget>(w, "ZipListBox")->count(), 1);

        fx.prompts.answers.enqueue(Prompts::Yes);
        ctl<QAction>(w, "ExitMenu")->trigger();
        QVERIFY(!w.isVisible());
    }

    void unsavedChangesAreAskedAbout_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("done"); // the command went on
        const int S = Prompts::Save, D = Prompts::Discard, C = Prompts::Cancel;
        for (const char *command : {"Exit", "Open Roster of another team", "Open Lineup", "close box"}) {
            const QString name = QString::fromLatin1(command);
            QTest::newRow(qPrintable(name + ": save")) << name << true << S << true << true;
            QTest::newRow(qPrintable(name + ": discard")) << name << true << D << true << true;
            QTest::newRow(qPrintable(name + ": cancel")) << name << true << C << true << false;
            QTest::newRow(qPrintable(name + ": nothing unsaved")) << name << false << 0 << false << true;
        }
        QTest::newRow("Open Roster of the same team") << "Open Roster of the same team" << true << 0 << false << true;
        QTest::newRow("New Lineup, which can be undone") << "New Lineup" << true << 0 << false << true;
    }
    void unsavedChangesAreAskedAbout()
    {
        QFETCH(QString, command);
        QFETCH(bool, modified);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, done);
        Fixture fx;
        TPelMainForm &w = fx.start();
        w.show();
        fx.openRoster("TST.ros", markedRoster());
        ctl<QComboBox>(w, "MatchNoComboBox")->setCurrentIndex(1);
        QCOMPARE(shownTitle(w), QString("Pellmore TST2.txt"));
        if (modified)
            ctl<QComboBox>(w, "HBCombo")->setCurrentIndex(1);
        QCOMPARE(shownTitle(w), QString(modified ? "Pellmore TST2.txt*" : "Pellmore TST2.txt"));
        if (answer)
            fx.prompts.answers.enqueue(answer);
        fx.write("XYZ.ros", "XYZ,Zealots,Rival\r\nAdams,3,30,GK,5\r\n");
        fx.write("TST7.txt", lineupWithTactics());

        bool went = false;
        if (command == "Exit" || command == "close box") {
            if (answer == Prompts::Save)
                fx.prompts.answers.enqueue(Prompts::Ok); // the report of the save
            fx.prompts.answers.enqueue(Prompts::Yes); // orders not zipped: exit anyway
            command == "Exit" ? ctl<QAction>(w, "ExitMenu")->trigger() : (void)w.close();
            went = !w.isVisible();
        } else if (command.startsWith("Open Roster")) {
            const bool other = command.endsWith("another team");
            fx.prompts.files.enqueue(fx.path(other ? "XYZ.ros" : "TST.ros"));
            ctl<QAction>(w, "OpenSubMenu")->trigger();
            went = w.document().playerCount() == (other ? 1 : 17) && shows(w, "AbbLabel") == (other ? "XYZ" : "TST");
        } else if (command == "Open Lineup") {
            fx.prompts.files.enqueue(fx.path("TST7.txt"));
            ctl<QAction>(w, "OpenLineupMenu")->trigger();
            went = shows(w, "MatchNoComboBox") == "7";
        } else if (command == "New Lineup") {
            ctl<QAction>(w, "NewLineupMenu")->trigger();
            went = shows(w, "Num") == "0 0 0 0 0 0";
        }
        QCOMPARE(went, done);
        const bool wasAsked = !fx.prompts.boxes.isEmpty() && fx.prompts.boxes.first().buttons
                                                                 == (Prompts::Save | Prompts::Discard | Prompts::Cancel);
        QCOMPARE(wasAsked, asked);
        if (asked) {
            QCOMPARE(fx.prompts.boxes.first().kind, Prompts::Kind::Confirmation);
            QCOMPARE(fx.prompts.boxes.first().text,
                     QString("The line-up TST2.txt has changes that are not saved. Save them?"));
        }
        // Save writes the line-up before the command goes on.
        QCOMPARE(fx.read("TST2.txt").startsWith("4,N,"), answer == Prompts::Save);
        if (command == "Exit" && answer == Prompts::Save) // the saved line-up is listed for zipping
            QCOMPARE(fx.prompts.texts().last(), QString("Orders not Zipped. Exit Anyway?"));
    }

    void windowShowsTheLineupItHolds_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("shown"); // "what=text"
        QTest::newRow("New Lineup")
            << "New Lineup" << QStringList{"Num=0 0 0 0 0 0", "SL=0 0 0 0 0 0", "lights=valSWLed", "TPListBox="};
        QTest::newRow("Open Lineup shows the tactics")
            << "Open Lineup" << QStringList{"TTListBox=G,>,1,,,,P|T,<,80,,,,A", "HBCombo=4", "MatchNoComboBox=7"};
        QTest::newRow("Team Tactics cancelled")
            << "Team Tactics cancelled" << QStringList{"TTListBox=", "lights=FW21Led MF21Led starting11Led subsLed valDFLed valFWLed valGKLed valMFLed valSWLed"};
        QTest::newRow("Open Lineup: its roster fails in a later row")
            << "Open Lineup without a roster" << QStringList{"AbbLabel=", "TeamNameLabel=", "RosterStringGrid=18", "PTakeBox="};
        QTest::newRow("Open Roster: the same roster fails alike")
            << "Open Roster failing" << QStringList{"AbbLabel=", "TeamNameLabel=", "RosterStringGrid=18", "PTakeBox="};
        QTest::newRow("a shorter roster of the team")
            << "Open Roster without a player" << QStringList{"Num=1 1 3 3 1 2", "lights=FW21Led MF21Led starting11Led valDFLed valFWLed valGKLed valMFLed valSWLed"};
        QTest::newRow("season length change keeps the session")
            << "Admin Tasks" << QStringList{"SessionNoComboBox=3", "MatchNoComboBox=2"};
        QTest::newRow("undo of Open Roster")
            << "Undo Open Roster" << QStringList{"AbbLabel=", "RosterStringGrid=18", "Num=0 0 0 0 0 0", "lights="};
    }
    void windowShowsTheLineupItHolds()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, shown);
        Fixture fx;
        TPelMainForm &w = fx.start();
        w.show();
        fx.write("TST.ros", markedRoster());
        fx.write("TST7.txt", lineupWithTactics());
        if (!command.contains("without a roster") && command != "Open Roster failing") {
            fx.openRoster("TST.ros", markedRoster());
            ctl<QComboBox>(w, "SessionNoComboBox")->setCurrentIndex(2);
            ctl<QComboBox>(w, "MatchNoComboBox")->setCurrentIndex(1);
        }
        if (command == "New Lineup") {
            ctl<QAction>(w, "NewLineupMenu")->trigger();
        } else if (command == "Open Lineup") {
            fx.prompts.answers.enqueue(Prompts::Discard);
            fx.prompts.files.enqueue(fx.path("TST7.txt"));
            ctl<QAction>(w, "OpenLineupMenu")->trigger();
        } else if (command == "Team Tactics cancelled") {
            ctl<QPushButton>(w, "MatchTacBtn")->click(); // the scripted dialog is cancelled
        } else if (command == "Open Lineup without a roster") {
            fx.write("TST.ros", BadLaterRow);
            fx.prompts.files.enqueue(fx.path("TST7.txt"));
            ctl<QAction>(w, "OpenLineupMenu")->trigger();
            QCOMPARE(fx.prompts.texts(), QStringList({"'x' is not a valid integer value."}));
        } else if (command == "Open Roster failing") {
            fx.openRoster("TST.ros", BadLaterRow);
            QCOMPARE(fx.prompts.texts(), QStringList({"'x' is not a valid integer value."}));
        } else if (command == "Open Roster without a player") {
            QByteArray roster = markedRoster();
            fx.openRoster("TST.ros", roster.replace("Sub5,2,10,WG,1,WG,p,S5\r\n", ""));
            QCOMPARE(fx.prompts.texts(),
                     QStringList({"These players are not in the roster, and their line-up marks are removed: Sub5"}));
        } else if (command == "Admin Tasks") {
            fx.prompts.dialogs.enqueue([](QDialog *d) {
                d->findChild<QLineEdit *>()->setText("12"); // the season's matches
                d->findChildren<QPushButton *>().first()->click();
            });
            ctl<QAction>(w, "AdminTasks")->trigger();
        } else if (command == "Undo Open Roster") {
            ctl<QAction>(w, "UndoMenu")->trigger(); // the match
            ctl<QAction>(w, "UndoMenu")->trigger(); // the session
            QCOMPARE(ctl<QAction>(w, "UndoMenu")->text(), QString("Undo Open Roster"));
            ctl<QAction>(w, "UndoMenu")->trigger();
        }
        for (const QString &pair : shown) {
            const QString what = pair.section(u'=', 0, 0);
            QCOMPARE(shows(w, what), pair.section(u'=', 1));
        }
    }

    void clickRulesMeasureFromTheClientArea()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        w.show();
        fx.openRoster("TST.ros", exampleRoster());
        GridView *g = ctl<GridView>(w, "RosterStringGrid");
        QMenu *menu = ctl<QMenu>(w, "PlayPopup");
        clickCell(g, 5, 4); // Back's "Play"
        QVERIFY(menu->isVisible());
        menu->hide();
        const int y = g->cellRect(0, 4).center().y() - g->viewport()->y();
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, QPoint(100, y)); // the name column, x 100
        QVERIFY(!menu->isVisible());
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, QPoint(101, y));
        QVERIFY(menu->isVisible()); // the menu of the selected cell
        // It opens where the window's edge, the grid's and the pointer's add up.
        const QPoint at = w.frameGeometry().topLeft() + g->pos() + g->viewport()->pos() + QPoint(101, y);
        QCOMPARE(menu->pos(), at);
        menu->hide();
    }

    void missingSettingsHelpShowsTheHelpWindow()
    {
        const QString help = HelpWindow::helpFilePath();
        QFile::remove(help);
        QVERIFY(QFile::copy(QStringLiteral(PELLMORE_SOURCE_DIR "/resources/PEL2000.html"), help));
        Fixture fx(QByteArray{});
        fx.prompts.answers.enqueue(Prompts::Help);
        bool shown = false;
        fx.prompts.dialogs.enqueue([&](QDialog *d) {
            auto *window = qobject_cast<HelpWindow *>(d);
            QVERIFY(window);
            QCOMPARE(window->browser()->source().fragment(), QString("contents"));
            QVERIFY(window->browser()->toPlainText().contains("Opening a roster"));
            shown = true;
        });
        TPelMainForm &w = fx.start();
        QFile::remove(help);
        QVERIFY(shown);
        QVERIFY(!w.started()); // then the program ends
    }

    void aboutBoxIsFreshEachTimeInWindowColour()
    {
        Fixture fx("[Options]\r\nColourScheme=255\r\n");
        TPelMainForm &w = fx.start();
        QList<QDialog *> seen;
        for (int i = 0; i < 2; ++i)
            fx.prompts.dialogs.enqueue([&](QDialog *d) {
                auto *box = qobject_cast<TAboutBox *>(d);
                QVERIFY(box);
                seen.append(d);
                QCOMPARE(box->windowTitle(), QString("About"));
                QCOMPARE(box->size(), QSize(372, 232));
                QCOMPARE(box->palette().color(QPalette::Window), QColor(Qt::red));
                QCOMPARE(box->OKButton->palette().color(QPalette::Button), QColor(Qt::red));
                QCOMPARE(box->ProductName->text(), QString("Pellmore"));
                QCOMPARE(box->Version->text(), QString("Version 3.3.1"));
                QVERIFY(box->MailLink->text().contains("mailto:"));
                QVERIFY(box->MailLink->text().contains(">Email me about PELM<"));
                box->OKButton->click();
                QCOMPARE(box->result(), int(QDialog::Accepted));
            });
        ctl<QAction>(w, "About1")->trigger();
        ctl<QAction>(w, "About1")->trigger();
        QCOMPARE(fx.prompts.dialogsRun, 2);
        QCOMPARE(seen.size(), 2);
    }

    void aboutBoxShowsTheStoredContactAddress_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("address");
        QTest::newRow("stored") << QByteArray("[Options]\r\nContactEmail=help@league.example\r\n")
                                << "help@league.example";
        QTest::newRow("none") << QByteArray("") << "";
    }
    void aboutBoxShowsTheStoredContactAddress()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, address);
        Fixture fx(ini);
        TPelMainForm &w = fx.start();
        fx.prompts.dialogs.enqueue([&](QDialog *d) {
            auto *box = qobject_cast<TAboutBox *>(d);
            box->show();
            QCOMPARE(box->AddressLabel->text(), address);
            QVERIFY(box->MailLink->text().contains("\"mailto:" + address + "?"));
            QCOMPARE(box->AddressLabel->isVisible(), !address.isEmpty());
            QCOMPARE(box->MailLink->isVisible(), !address.isEmpty());
            box->reject();
        });
        ctl<QAction>(w, "About1")->trigger();
        QCOMPARE(fx.prompts.dialogsRun, 1);
        QCOMPARE(fx.ini(), ini); // read, never written
    }

    void helpShowsContentsOrNamesMissingFile()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        const QString help = HelpWindow::helpFilePath();
        QFile::remove(help);
        ctl<QAction>(w, "HelpContents")->trigger();
        QCOMPARE(fx.prompts.boxes.size(), 1);
        QCOMPARE(fx.prompts.boxes.first().caption, QString("Pellmore"));
        QCOMPARE(fx.prompts.boxes.first().text, "The help file " + help + " cannot be found.");

        QVERIFY(QFile::copy(QStringLiteral(PELLMORE_SOURCE_DIR "/resources/PEL2000.html"), help));
        ctl<QToolButton>(w, "HelpToolbarBtn")->click();
        QFile::remove(help);
        auto *window = w.findChild<HelpWindow *>();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->browser()->source().fragment(), QString("contents"));
        QVERIFY(window->browser()->toPlainText().contains("Opening a roster"));
        QCOMPARE(fx.prompts.boxes.size(), 1);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
