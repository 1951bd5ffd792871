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
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

namespace {

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
        QCOMPARE(w.windowTitle(), QString("Pellmore "));
        QCOMPARE(items(w.MatchNoComboBox), numbers(1, 30));
        QCOMPARE(items(w.SessionNoComboBox), numbers(1, 10));
        QCOMPARE(items(w.HBCombo), numbers(3, 8));
        for (QComboBox *b : {w.MatchNoComboBox, w.SessionNoComboBox, w.HBCombo})
            QCOMPARE(b->currentIndex(), -1);
        QVERIFY(w.Mins15Off->isChecked());
        QVERIFY(!w.Mins15On->isChecked());
        QVERIFY(!w.timeSteps);
        QVERIFY(!w.MenuAutoIncr->isChecked());
        QCOMPARE(w.MainPageControl->currentWidget(), w.MainSheet);
        QVERIFY(!w.validPanel->isHidden());
        QCOMPARE(w.modifiers.passive, 0.75);
        QCOMPARE(w.modifiers.normal, 1.0);
        QCOMPARE(w.modifiers.aggressive, 1.15);
        QCOMPARE(w.workingDir, QString());
        QCOMPARE(w.palette().color(QPalette::Window), QColor(0xC0, 0xDC, 0xC0));
        QCOMPARE(w.size(), QSize(803, 609));
        QCOMPARE(fx.ini(), QByteArray("")); // start-up writes nothing

        const QStringList sheets{"Pellmore", "Lineup Viewer", "Auction Bids", "Press Statement", "Zip Orders"};
        QCOMPARE(w.MainPageControl->count(), 5);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(w.MainPageControl->tabText(i), sheets.at(i));

        QCOMPARE(w.RosterStringGrid->rows(), 18);
        const QStringList headers{"Name", "Age", "SL", "Pos", "EL", "Play", "Style", "Subs", "Conditionals"};
        for (int c = 0; c < 9; ++c)
            QCOMPARE(w.RosterStringGrid->cell(c, 0), headers.at(c));
        QCOMPARE(w.RosterStringGrid->columnWidth(0), 120);
        QCOMPARE(w.RosterStringGrid->columnWidth(8), 141);
        QCOMPARE(w.RosterStringGrid->columnWidth(3), 30);
        QCOMPARE(w.LineupTotGrid->cell(1, 0), QString("GK"));
        QCOMPARE(w.LineupTotGrid->cell(6, 0), QString("FW"));
        QCOMPARE(w.LineupTotGrid->cell(0, 1), QString("Num"));
        QCOMPARE(w.LineupTotGrid->cell(0, 2), QString("SL"));
        QCOMPARE(w.LineupTotGrid->cell(3, 2), QString("0"));
        QCOMPARE(w.AuctionStringGrid->cell(1, 0), QString("Price Bid"));
        QCOMPARE(w.AuctionStringGrid->columnWidth(2), 320);
        for (LedLight *led : {w.valGKLed, w.valSWLed, w.subsLed, w.FW21Led})
            QVERIFY(!led->isLit());
        for (QLabel *l : w.pitchLabels)
            QVERIFY(l->text().isEmpty());
        QVERIFY(w.AbbLabel->text().isEmpty());
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
        QVERIFY(w.MenuAutoIncr->isChecked());
        QVERIFY(w.Mins15On->isChecked());
        QVERIFY(!w.Mins15Off->isChecked());
        QVERIFY(w.timeSteps);
        QCOMPARE(w.MatchNoComboBox->count(), 0);
        QCOMPARE(items(w.SessionNoComboBox), numbers(1, 12));
        QCOMPARE(w.HBCombo->count(), 0);
        QCOMPARE(w.modifiers.aggressive, 1.3);
        QCOMPARE(w.workingDir, QString("/data/pbm/"));
        QCOMPARE(w.rosterFolder, QString("/data/pbm/"));
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
        QTest::newRow("contents") << "HelpContents" << "&Contents" << "";
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
        QCOMPARE(top, QStringList({"&File", "&Options", "Help"}));
        QStringList file;
        for (QAction *a : w.menuBar()->actions().first()->menu()->actions())
            file.append(a->isSeparator() ? "-" : a->text());
        QCOMPARE(file, QStringList({"&Open Roster", "Open &Lineup", "-", "&Save Lineup", "Save && &View",
                                    "&New Lineup", "-", "E&xit"}));
        QCOMPARE(w.ToolBar1->geometry(), QRect(-100, 0, 105, 26));
        QCOMPARE(w.OpenToolbarBtn->toolTip(), QString("Open Roster File"));
        QCOMPARE(w.HelpToolbarBtn->toolTip(), QString("Help on PELM"));
    }

    void exitAsksWhileOrdersAreNotZipped()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        w.show();
        w.ExitMenu->trigger();
        QVERIFY(!w.isVisible()); // nothing listed: closes without asking
        QVERIFY(fx.prompts.boxes.isEmpty());

        w.show();
        w.ZipListBox->addItem("TST1.txt");
        fx.prompts.answers.enqueue(Prompts::No);
        w.ExitMenu->trigger();
        QVERIFY(w.isVisible());
        QCOMPARE(fx.prompts.boxes.size(), 1);
        QCOMPARE(fx.prompts.boxes.first().caption, QString("Confirm"));
        QCOMPARE(fx.prompts.boxes.first().text, QString("Orders not Zipped. Exit Anyway?"));
        QCOMPARE(fx.prompts.boxes.first().buttons, int(Prompts::Yes | Prompts::No));
        QCOMPARE(w.ZipListBox->count(), 1);

        fx.prompts.answers.enqueue(Prompts::Yes);
        w.ExitMenu->trigger();
        QVERIFY(!w.isVisible());
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
        w.About1->trigger();
        w.About1->trigger();
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
        w.About1->trigger();
        QCOMPARE(fx.prompts.dialogsRun, 1);
        QCOMPARE(fx.ini(), ini); // read, never written
    }

    void helpShowsContentsOrNamesMissingFile()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        const QString help = HelpWindow::helpFilePath();
        QFile::remove(help);
        w.HelpContents->trigger();
        QCOMPARE(fx.prompts.boxes.size(), 1);
        QCOMPARE(fx.prompts.boxes.first().caption, QString("Pellmore"));
        QCOMPARE(fx.prompts.boxes.first().text, "The help file " + help + " cannot be found.");

        QVERIFY(QFile::copy(QStringLiteral(PELLMORE_SOURCE_DIR "/resources/PEL2000.html"), help));
        w.HelpToolbarBtn->click();
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
