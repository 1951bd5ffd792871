// Display options, league administration and the working directory.
#include "app/changeseasonlengthunit.h"
#include "app/workdirdlg.h"
#include "support/fixture.h"
#include "widgets/stringgrid.h"

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

QStringList ticked(TPelMainForm &w)
{
    QStringList out;
    for (QAction *a : {ctl<QAction>(w, "Size640"), ctl<QAction>(w, "Size800"), ctl<QAction>(w, "Size1024"), ctl<QAction>(w, "SizeCustom")})
        if (a->isChecked())
            out.append(a->text());
    return out;
}

// Runs Admin Tasks, filling the dialog with edit and pressing Done.
void admin(Fixture &fx, const std::function<void(TAdminConfigForm *)> &edit)
{
    fx.prompts.dialogs.enqueue([edit](QDialog *d) {
        auto *f = qobject_cast<TAdminConfigForm *>(d);
        QVERIFY(f);
        edit(f);
        f->DoneBtn->click();
    });
    ctl<QAction>(fx.form(), "AdminTasks")->trigger();
}

// A drag of the window's border to an outer size.
void drag(TPelMainForm &w, QSize outer)
{
    w.resize(outer - (w.frameGeometry().size() - w.size()));
    QCoreApplication::processEvents();
}

} // namespace

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void sizeEntries_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("stored");
        QTest::newRow("640 x 480") << "Size640" << QSize(680, 480) << "640";
        QTest::newRow("800 x 600") << "Size800" << QSize(796, 512) << "800";
        QTest::newRow("1024 x 768") << "Size1024" << QSize(1020, 680) << "1024";
    }
    void sizeEntries()
    {
        QFETCH(QString, entry);
        QFETCH(QSize, size);
        QFETCH(QString, stored);
        Fixture fx;
        TPelMainForm &w = fx.start();
        w.show();
        QAction *a = w.findChild<QAction *>(entry);
        const QString caption = a->text();
        a->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(w.outerSize(), size);
        QCOMPARE(ticked(w), QStringList({a->text()}));
        QCOMPARE(fx.ini(), "[Options]\r\nScreenRes=" + stored.toLatin1() + "\r\n");

        TPelMainForm &again = fx.start(); // restored without writing
        again.show();
        QCoreApplication::processEvents();
        QCOMPARE(again.outerSize(), size);
        QCOMPARE(ticked(again), QStringList({caption}));
        QCOMPARE(fx.ini(), "[Options]\r\nScreenRes=" + stored.toLatin1() + "\r\n");
    }

    void dragAndCustom()
    {
        Fixture fx("[Options]\r\nScreenRes=800\r\n");
        TPelMainForm &w = fx.start();
        w.show();
        QCoreApplication::processEvents();
        drag(w, {900, 700});
        QCOMPARE(ticked(w), QStringList());
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->width(), 615);
        QCOMPARE(ctl<QTabWidget>(w, "MainPageControl")->width(), 890);
        QCOMPARE(ctl<QGroupBox>(w, "LUOptionsGroupBox")->x(), 621);
        QCOMPARE(ctl<QGroupBox>(w, "LUTotalsGroupBox")->x(), 621);
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->height(), 530);
        QCOMPARE(ctl<QTabWidget>(w, "MainPageControl")->height(), 597);
        QCOMPARE(ctl<QFrame>(w, "pitchPanel")->x() + ctl<QFrame>(w, "pitchPanel")->width(), 890 - 8); // right-aligned

        ctl<QAction>(w, "SizeCustom")->trigger();
        QCOMPARE(ticked(w), QStringList({"Custom"}));
        QCOMPARE(fx.ini(), QByteArray("[Options]\r\nScreenRes=999\r\nXRes=900\r\nYRes=700\r\n"));

        drag(w, {500, 300}); // below the minimum snaps back
        QCOMPARE(w.outerSize(), QSize(680, 480));
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->size(), QSize(390, 315));
        QCOMPARE(ctl<QTabWidget>(w, "MainPageControl")->size(), QSize(667, 373));
        QCOMPARE(ctl<QGroupBox>(w, "LUOptionsGroupBox")->x(), 395);
        QCOMPARE(ticked(w), QStringList());

        TPelMainForm &again = fx.start();
        QCOMPARE(again.outerSize(), QSize(900, 700));
        QCOMPARE(ticked(again), QStringList({"Custom"}));
    }

    void outline()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        w.show();
        ctl<QAction>(w, "Size800")->trigger();
        QCoreApplication::processEvents();
        const QPoint client = w.geometry().topLeft() - w.frameGeometry().topLeft();
        const QRegion mask = w.mask().translated(client); // in window coordinates
        const int W = 796, H = 512;
        QVERIFY(mask.contains(QPoint(W / 2, 1)));       // title band
        QVERIFY(!mask.contains(QPoint(3, 1)));          // its rounded corner
        QVERIFY(!mask.contains(QPoint(W - 3, 40)));     // right of the band
        QVERIFY(mask.contains(QPoint(W - 6, 200)));     // body
        QVERIFY(mask.contains(QPoint(600, H - 46)));    // the body ends at H - 45
        QVERIFY(!mask.contains(QPoint(600, H - 44))); // below the body, right of the strip
        QVERIFY(mask.contains(QPoint(400, H - 30)));    // bottom strip
        QVERIFY(!mask.contains(QPoint(421, H - 30)));
        QVERIFY(!mask.contains(QPoint(200, H - 15)));
        QVERIFY(!mask.contains(QPoint(1, 200)));
    }

    void colourSchemes()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        ctl<QAction>(w, "ColourChoose")->trigger(); // cancelled chooser
        QCOMPARE(fx.ini(), QByteArray(""));
        QCOMPARE(w.colour(), QColor(0xC0, 0xDC, 0xC0));

        fx.prompts.colours.enqueue(QColor(0x12, 0x34, 0x56));
        ctl<QAction>(w, "ColourChoose")->trigger();
        QCOMPARE(fx.ini(), QByteArray("[Options]\r\nColourScheme=5649426\r\n")); // 0x563412
        QCOMPARE(w.palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
        QCOMPARE(ctl<QPushButton>(w, "MatchTacBtn")->palette().color(QPalette::Button), QColor(0x12, 0x34, 0x56));

        ctl<QAction>(w, "ColourSystem")->trigger();
        QCOMPARE(fx.ini(), QByteArray("[Options]\r\nColourScheme=-2147483633\r\n"));
        const QColor face = QApplication::palette().color(QPalette::Button);
        QCOMPARE(w.colour(), face);
        QCOMPARE(fx.start().colour(), face); // after a restart too

        ctl<QAction>(fx.form(), "ColourOriginal")->trigger();
        QCOMPARE(fx.ini(), QByteArray("[Options]\r\nColourScheme=12639424\r\n"));
        QCOMPARE(fx.form().colour(), QColor(0xC0, 0xDC, 0xC0));
        for (QAction *a : {ctl<QAction>(fx.form(), "ColourOriginal"), ctl<QAction>(fx.form(), "ColourChoose"), ctl<QAction>(fx.form(), "ColourSystem")})
            QVERIFY(!a->isChecked());
    }

    void timeStepsAndAutoIncrease()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        ctl<QAction>(w, "Mins15On")->trigger();
        QVERIFY(w.state().timeSteps && ctl<QAction>(w, "Mins15On")->isChecked() && !ctl<QAction>(w, "Mins15Off")->isChecked());
        ctl<QAction>(w, "MenuAutoIncr")->trigger();
        QVERIFY(ctl<QAction>(w, "MenuAutoIncr")->isChecked());
        QCOMPARE(fx.ini(), QByteArray("[Options]\r\nTimeSteps=1\r\nAutoIncr=1\r\n"));

        TPelMainForm &again = fx.start();
        QVERIFY(again.state().timeSteps && ctl<QAction>(again, "Mins15On")->isChecked() && ctl<QAction>(again, "MenuAutoIncr")->isChecked());
        ctl<QAction>(again, "Mins15Off")->trigger();
        ctl<QAction>(again, "MenuAutoIncr")->trigger();
        QVERIFY(!again.state().timeSteps && ctl<QAction>(again, "Mins15Off")->isChecked() && !ctl<QAction>(again, "MenuAutoIncr")->isChecked());
        QCOMPARE(fx.ini(), QByteArray("[Options]\r\nTimeSteps=0\r\nAutoIncr=0\r\n"));
    }

    void adminDoneWithoutChangesKeepsSelections()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        ctl<QComboBox>(w, "MatchNoComboBox")->setCurrentIndex(4);
        ctl<QComboBox>(w, "SessionNoComboBox")->setCurrentIndex(2);
        ctl<QComboBox>(w, "HBCombo")->setCurrentIndex(1);
        admin(fx, [](TAdminConfigForm *f) {
            QCOMPARE(f->windowTitle(), QString("League Administration Options"));
            QCOMPARE(f->MatchNumEdit->text(), QString("30"));
            QCOMPARE(f->SessNumEdit->text(), QString("10"));
            QCOMPARE(f->MatchNumEdit->maxLength(), 2);
            QCOMPARE(f->HBminEdit->value(), 3);
            QCOMPARE(f->HBmaxEdit->maximum(), 99);
            QCOMPARE(f->AggEdit->value(), 1.15);
            QCOMPARE(f->AggEdit->maximum(), 5.0);
        });
        QCOMPARE(ctl<QComboBox>(w, "MatchNoComboBox")->currentIndex(), 4);
        QCOMPARE(ctl<QComboBox>(w, "SessionNoComboBox")->currentIndex(), 2);
        QCOMPARE(ctl<QComboBox>(w, "HBCombo")->currentIndex(), 1);
        QVERIFY(fx.prompts.boxes.isEmpty());
        QCOMPARE(fx.ini(), QByteArray("[SeasonLength]\r\nSessions=10\r\nMatches=30\r\n[HomeBonus]\r\nMin=3\r\nMax=8\r\n"
                                      "[Aggression Modifier]\r\nPassive=0.75\r\nNormal=1\r\nAggressive=1.15\r\n"));
    }

    void adminRanges()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        ctl<QComboBox>(w, "SessionNoComboBox")->setCurrentIndex(2);
        admin(fx, [](TAdminConfigForm *f) {
            f->SessNumEdit->setText("12");
            f->HBminEdit->setValue(2);
            f->HBmaxEdit->setValue(12);
        });
        QCOMPARE(items(ctl<QComboBox>(w, "SessionNoComboBox")), numbers(1, 12));
        QCOMPARE(ctl<QComboBox>(w, "SessionNoComboBox")->currentText(), QString("3")); // still in range: kept
        QCOMPARE(items(ctl<QComboBox>(w, "HBCombo")), numbers(2, 12));

        admin(fx, [](TAdminConfigForm *f) {
            f->SessNumEdit->setText("");
            f->MatchNumEdit->setText("x");
        });
        QCOMPARE(fx.form().state().settings->readInteger("SeasonLength", "Sessions", 0), 15);
        QCOMPARE(fx.form().state().settings->readInteger("SeasonLength", "Matches", 0), 30);
        QCOMPARE(items(ctl<QComboBox>(w, "SessionNoComboBox")), numbers(1, 15));
        ctl<QComboBox>(w, "SessionNoComboBox")->setCurrentIndex(13);
        admin(fx, [](TAdminConfigForm *f) { f->SessNumEdit->setText("10"); });
        QCOMPARE(ctl<QComboBox>(w, "SessionNoComboBox")->currentIndex(), -1); // session 14 is gone
        QCOMPARE(w.document().choices().session, QString());

        admin(fx, [](TAdminConfigForm *f) {
            f->HBminEdit->setValue(9);
            f->HBmaxEdit->setValue(5);
        });
        QCOMPARE(ctl<QComboBox>(w, "HBCombo")->count(), 0);
        QVERIFY(fx.prompts.boxes.isEmpty());
        admin(fx, [](TAdminConfigForm *f) {
            f->HBminEdit->setValue(3);
            f->HBmaxEdit->setValue(8);
        });
        QCOMPARE(fx.prompts.texts(), QStringList({"Setting HB range error EStringListError"}));
        QCOMPARE(fx.prompts.boxes.first().kind, Prompts::Kind::Error);
        QCOMPARE(items(ctl<QComboBox>(w, "HBCombo")), numbers(3, 8));

        fx.prompts.dialogs.enqueue([](QDialog *d) { // Cancel writes nothing
            auto *f = qobject_cast<TAdminConfigForm *>(d);
            f->SessNumEdit->setText("3");
            f->CancelBtn->click();
        });
        const QByteArray before = fx.ini();
        ctl<QAction>(w, "AdminTasks")->trigger();
        QCOMPARE(fx.ini(), before);
    }

    void modifierTakesEffectAtOnce()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.openRoster("TST.ros", "TST,T,M\r\nA,3,20,GK,1,GK,a\r\nB,3,10,DF,1\r\n");
        QCOMPARE(ctl<StringGrid>(w, "LineupTotGrid")->cell(1, 2), QString("23"));
        admin(fx, [](TAdminConfigForm *f) { f->AggEdit->setValue(1.30); });
        QCOMPARE(fx.form().state().settings->readString("Aggression Modifier", "Aggressive", ""), QString("1.3"));
        QCOMPARE(ctl<StringGrid>(w, "LineupTotGrid")->cell(1, 2), QString("26")); // the totals follow the modifiers
    }

    void workingDirectory()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        QCOMPARE(w.state().pathFor("TST1.txt"), QString("TST1.txt")); // bare names without a key
        fx.prompts.dialogs.enqueue([](QDialog *d) {
            auto *f = qobject_cast<TWorkDirDlg *>(d);
            QVERIFY(f);
            QCOMPARE(f->windowTitle(), QString("Change Working Directoy"));
            QCOMPARE(f->DirectoryEdit1->text(), TWorkDirDlg::defaultFolder());
            QVERIFY(f->DirectoryEdit1->isReadOnly());
            f->CancelBtn->click();
        });
        ctl<QAction>(w, "MenuSelectDirectory")->trigger();
        QCOMPARE(fx.ini(), QByteArray(""));
        QCOMPARE(w.state().workingDir, QString());

        auto choose = [&](const QString &folder) {
            fx.prompts.directories.enqueue(folder);
            fx.prompts.dialogs.enqueue([](QDialog *d) {
                auto *f = qobject_cast<TWorkDirDlg *>(d);
                f->BrowseButton->click();
                f->OKBtn->click();
            });
            ctl<QAction>(w, "MenuSelectDirectory")->trigger();
        };
        choose(fx.path("orders"));
        QCOMPARE(w.state().workingDir, fx.path("orders") + "/");
        QCOMPARE(fx.ini(), "[Options]\r\nWorkingDir=" + fx.path("orders/").toUtf8() + "\r\n");
        QCOMPARE(w.state().pathFor("ABCSession7Bids.txt"), fx.path("orders/ABCSession7Bids.txt"));
        ctl<QAction>(w, "OpenSubMenu")->trigger();
        QCOMPARE(fx.prompts.choosers.last().folder, fx.path("orders/"));

        choose("/");
        QCOMPARE(w.state().workingDir, QString("/"));
        QCOMPARE(fx.start().state().workingDir, QString("/")); // after a restart
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
