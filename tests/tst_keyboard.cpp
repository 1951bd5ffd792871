// Keys and the wheel on the real windows: nothing changes the orders unless
// the manager asks, and the line-up is marked from the keyboard alone.
#include "lineup/playcondunit.h"
#include "lineup/teamtacticunit.h"
#include "orders/enterbidunit.h"
#include "roster/coachfiltunit.h"
#include "support/fixture.h"
#include "widgets/keyguard.h"
#include "widgets/gridview.h"
#include "widgets/stringgrid.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

namespace {

using Scenario = std::function<QString(Fixture &)>;

GridView *grid(TPelMainForm &w)
{
    return ctl<GridView>(w, "RosterStringGrid");
}

// The window shown and active, with the example roster open.
TPelMainForm &startWithRoster(Fixture &fx)
{
    TPelMainForm &w = fx.start();
    w.show();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w))
        qWarning("the main window did not become active");
    fx.openRoster("TST.ros", exampleRoster());
    return w;
}

// One wheel notch per step; a negative count turns it towards the manager,
// which moves a box to its next entry.
void wheel(QWidget *w, int notches)
{
    const QPointF at = QRectF(w->rect()).center();
    QWheelEvent event(at, w->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

void keys(QWidget *w, Qt::Key key, int times = 1, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(w, key, modifiers);
}

// Enter on a control that has the focus.
void enterOn(QWidget *w)
{
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Return);
}

// A menu entry by the text the manager reads, without the access-letter mark.
QAction *entry(const QMenu *menu, const QString &text)
{
    for (QAction *a : menu->actions())
        if (QString(a->text()).remove(u'&') == text)
            return a;
    qFatal("no menu entry %s", qPrintable(text));
    return nullptr;
}

QMenu *playPopup(TPelMainForm &w)
{
    return ctl<QMenu>(w, "PlayPopup");
}

QMenu *subPopup(TPelMainForm &w)
{
    return ctl<QMenu>(w, "SubPopup");
}

QString rowMarks(const GridView *g, int r)
{
    return QStringList{g->cell(5, r), g->cell(6, r), g->cell(7, r)}.join(u'|');
}

// Marks a row by clicking its cell and choosing from the menu.
void markPosition(TPelMainForm &w, int row, const QString &position, const QString &style)
{
    clickCell(grid(w), 5, row);
    entry(playPopup(w)->findChild<QMenu *>(position), style)->trigger();
    playPopup(w)->hide();
}

void markSub(TPelMainForm &w, int row, const QString &sub)
{
    clickCell(grid(w), 7, row);
    entry(subPopup(w), sub)->trigger();
    subPopup(w)->hide();
}

QString menuShown(TPelMainForm &w)
{
    if (playPopup(w)->isVisible())
        return "position menu";
    if (subPopup(w)->isVisible())
        return "substitute menu";
    return "no menu";
}

// A key on the grid's current cell.
QString keyOnCell(Fixture &fx, int col, int row, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    TPelMainForm &w = startWithRoster(fx);
    grid(w)->setFocus();
    grid(w)->selectCell(col, row);
    QTest::keyClick(grid(w), key, modifiers);
    return fx.prompts.dialogsRun > 0 ? "conditionals dialog" : menuShown(w);
}

// Runs edit on the next modal dialog, shown as the manager sees it.
template <typename D> void onDialog(Fixture &fx, const std::function<void(D *)> &edit)
{
    fx.prompts.dialogs.enqueue([edit](QDialog *d) {
        auto *dialog = qobject_cast<D *>(d);
        if (!dialog)
            qFatal("another dialog than expected");
        dialog->show();
        QApplication::setActiveWindow(dialog); // as the window system makes a new dialog active
        if (!QTest::qWaitForWindowActive(dialog))
            qWarning("the dialog did not become active");
        edit(dialog);
    });
}

void choose(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(box->findText(text));
}

// A user's pick from a drop-down list.
void pick(QComboBox *box, const QString &text)
{
    choose(box, text);
    emit box->activated(box->currentIndex());
}

// Row 1 of the conditionals: from minute 60 on, the 1st sub comes on at MF.
void fillFirstConditional(TPlayCondForm *f)
{
    const TPlayCondForm::Row &r = f->rows[0];
    choose(r.event1, "T");
    choose(r.op1, ">=");
    r.value1->setText("60");
    choose(r.action, "S1");
    choose(r.position, "MF");
}

// The conditionals of row 1 (Keeper) after edit has run on the dialog.
QString conditionalsAfter(Fixture &fx, const std::function<void(TPlayCondForm *)> &edit)
{
    TPelMainForm &w = startWithRoster(fx);
    fx.write("OPP.ros", "OPP,Opponents,O. Manager\r\nSmithers,3,10,DF,1\r\nJones,4,12,MF,2\r\n");
    fx.prompts.files.enqueue(fx.path("OPP.ros"));
    ctl<QPushButton>(w, "ChooseOppButton")->click();
    onDialog(fx, edit);
    clickCell(grid(w), 8, 1);
    return grid(w)->cell(8, 1);
}

QString tacticsAfter(Fixture &fx, const std::function<void(TTeamTacticForm *)> &edit)
{
    TPelMainForm &w = startWithRoster(fx);
    QString entries;
    onDialog<TTeamTacticForm>(fx, [&](TTeamTacticForm *f) {
        edit(f);
        entries = items(f->TeamTacListBox1).join(u' ');
    });
    ctl<QPushButton>(w, "MatchTacBtn")->click();
    return entries;
}

QString valueTyped(Fixture &fx, bool overSelection)
{
    QString value;
    tacticsAfter(fx, [&](TTeamTacticForm *f) {
        f->CTacVal1->setFocus();
        if (overSelection)
            f->CTacVal1->selectAll(); // as Tab leaves it
        else
            f->CTacVal1->end(false);
        QTest::keyClicks(f->CTacVal1, "-1");
        value = f->CTacVal1->text();
    });
    return value;
}

// What a closed box holds after keys or the wheel: its list and its choice.
QString afterClosedBox(Fixture &fx, const char *box, const std::function<void(QComboBox *)> &touch)
{
    TPelMainForm &w = startWithRoster(fx);
    auto *b = ctl<QComboBox>(w, box);
    b->setFocus();
    touch(b);
    QString list;
    if (QString(box) == "TPBox")
        list = items(ctl<QListWidget>(w, "TPListBox")).join(u' ');
    else if (QString(box) == "CPBox")
        list = items(ctl<QListWidget>(w, "CPListBox")).join(u' ');
    return "list: " + list + ", chosen: " + b->currentText();
}

// The focus after each Tab from the widget first focused.
QString tabChain(TPelMainForm &w, QWidget *from, int tabs)
{
    from->setFocus();
    QStringList seen;
    for (int i = 0; i < tabs; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *f = QApplication::focusWidget();
        seen.append(f ? f->objectName() : QString("none"));
        if (qobject_cast<QToolButton *>(f))
            seen.last() += " (toolbar)";
    }
    Q_UNUSED(w);
    return seen.join(u' ');
}

QString deleteKeyOn(Fixture &fx, const char *list, const std::function<void(TPelMainForm &)> &fill)
{
    TPelMainForm &w = startWithRoster(fx);
    fill(w);
    auto *l = ctl<QListWidget>(w, list);
    l->setFocus();
    l->setCurrentRow(0);
    QTest::keyClick(l, Qt::Key_Delete);
    return items(l).join(u' ');
}

QString bidCellAfter(Fixture &fx, int col, const std::function<void(QDialog *)> &edit)
{
    TPelMainForm &w = startWithRoster(fx);
    onDialog(fx, edit);
    ctl<QTabWidget>(w, "MainPageControl")->setCurrentIndex(2);
    auto *bids = ctl<StringGrid>(w, "AuctionStringGrid");
    clickCell(bids, col, 1);
    return bids->cell(col, 1);
}

QString buttonName(int button)
{
    switch (button) {
    case Prompts::Yes: return "Yes";
    case Prompts::No: return "No";
    case 0: return "none";
    default: return QString::number(button);
    }
}

// A conditional text from its first fields, the others empty.
QString conditional(QStringList fields)
{
    while (fields.size() < 26)
        fields.append(QString());
    return fields.join(u',');
}

const QString TabChain = "SessionNoComboBox ChooseOppButton MatchNoComboBox MatchTacBtn HBCombo TTListBox PTakeBox "
                         "TPBox CPBox TPListBox CPListBox qt_tabwidget_tabbar RosterStringGrid";

} // namespace

Q_DECLARE_METATYPE(Scenario)

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    // Each of these keys or wheel turns changed the orders unasked, or did
    // nothing where the manager marks by keyboard.
    void unaskedChangesAndKeyboardMarking_data()
    {
        QTest::addColumn<Scenario>("scenario");
        QTest::addColumn<QString>("expected");

        QTest::newRow("Enter in Player Conditionals is Done, not row 1's Reset")
            << Scenario([](Fixture &fx) {
                   return conditionalsAfter(fx, [](TPlayCondForm *f) {
                       fillFirstConditional(f);
                       QTest::keyClicks(f->rows[1].value1, "5");
                       QTest::keyClick(f->rows[1].value1, Qt::Key_Return);
                   });
               })
            << conditional({"", "", "T", ">=", "60", "", "", "", "S1", "MF", "", "", "5"});
        QTest::newRow("Enter after a name in Mark Player (2) is Done")
            << Scenario([](Fixture &fx) {
                   return conditionalsAfter(fx, [](TPlayCondForm *f) {
                       fillFirstConditional(f);
                       QTest::keyClicks(f->MP2Combo, "Zed");
                       QTest::keyClick(f->MP2Combo, Qt::Key_Return);
                   });
               })
            << conditional({"", "Zed", "T", ">=", "60", "", "", "", "S1", "MF"});
        QTest::newRow("a typed marking name is stored as typed")
            << Scenario([](Fixture &fx) {
                   return conditionalsAfter(fx, [](TPlayCondForm *f) {
                       f->MP1Combo->setFocus();
                       QTest::keyClicks(f->MP1Combo, "Smith"); // the opponents hold "Smithers"
                       f->DoneBtn->click();
                   });
               })
            << conditional({"Smith"});
        QTest::newRow("Enter in Team Tactics adds no tactic")
            << Scenario([](Fixture &fx) {
                   return tacticsAfter(fx, [](TTeamTacticForm *f) {
                       choose(f->CEventBox, "G");
                       choose(f->ConditBox1, ">");
                       f->CTacVal1->setText("2");
                       keys(f->CTacVal1, Qt::Key_Return, 2);
                       keys(f->StartStratBox, Qt::Key_Return);
                   });
               })
            << "";
        QTest::newRow("Enter on a focused Clear in Enter Name is Done")
            << Scenario([](Fixture &fx) {
                   return bidCellAfter(fx, 2, [](QDialog *d) {
                       auto *f = qobject_cast<TBidNameDlg *>(d); // the Name cell
                       f->PlayNameEdit->setText("Walker");
                       enterOn(f->ClearBtn);
                   });
               })
            << "Walker";
        QTest::newRow("Enter on a focused Bid ALL is Done with the amount typed")
            << Scenario([](Fixture &fx) {
                   return bidCellAfter(fx, 1, [](QDialog *d) {
                       auto *f = qobject_cast<TEnterBidForm *>(d); // the Price Bid cell
                       f->BidEdit->setText("25");
                       enterOn(f->BidAllBtn);
                   });
               })
            << "25";
        QTest::newRow("Tab follows the screen and passes over the toolbar")
            << Scenario([](Fixture &fx) {
                   TPelMainForm &w = startWithRoster(fx);
                   return tabChain(w, grid(w), 13);
               })
            << TabChain;
        QTest::newRow("Tab x9 and Space from Match No. keep the line-up")
            << Scenario([](Fixture &fx) {
                   TPelMainForm &w = startWithRoster(fx);
                   markPosition(w, 1, "GK", "[n]ormal");
                   tabChain(w, ctl<QComboBox>(w, "MatchNoComboBox"), 9);
                   QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
                   return rowMarks(grid(w), 1);
               })
            << "GK|n|";
        QTest::newRow("a wheel notch over a closed Train (TP) adds nobody")
            << Scenario([](Fixture &fx) { return afterClosedBox(fx, "TPBox", [](QComboBox *b) { wheel(b, -1); }); })
            << "list: , chosen: ";
        QTest::newRow("a wheel notch over a closed Coach (CP) adds nobody")
            << Scenario([](Fixture &fx) { return afterClosedBox(fx, "CPBox", [](QComboBox *b) { wheel(b, -1); }); })
            << "list: , chosen: ";
        QTest::newRow("a wheel notch over a closed Penalty Taker chooses nobody")
            << Scenario([](Fixture &fx) { return afterClosedBox(fx, "PTakeBox", [](QComboBox *b) { wheel(b, -1); }); })
            << "list: , chosen: ";
        QTest::newRow("Down x3 on a closed Train (TP) adds nobody")
            << Scenario([](Fixture &fx) {
                   return afterClosedBox(fx, "TPBox", [](QComboBox *b) { keys(b, Qt::Key_Down, 3); });
               })
            << "list: , chosen: ";
        QTest::newRow("Down on a closed Coach (CP) adds nobody")
            << Scenario([](Fixture &fx) { return afterClosedBox(fx, "CPBox", [](QComboBox *b) { keys(b, Qt::Key_Down); }); })
            << "list: , chosen: ";
        QTest::newRow("End on a closed Penalty Taker chooses nobody")
            << Scenario([](Fixture &fx) { return afterClosedBox(fx, "PTakeBox", [](QComboBox *b) { keys(b, Qt::Key_End); }); })
            << "list: , chosen: ";
        QTest::newRow("a letter on a closed Train (TP) adds nobody")
            << Scenario([](Fixture &fx) { return afterClosedBox(fx, "TPBox", [](QComboBox *b) { keys(b, Qt::Key_Y); }); })
            << "list: , chosen: ";
        QTest::newRow("Enter at Orders not Zipped keeps the program running")
            << Scenario([](Fixture &fx) {
                   TPelMainForm &w = startWithRoster(fx);
                   listForZip(w, "TST1.txt");
                   ctl<QAction>(w, "ExitMenu")->trigger(); // unanswered: the default button
                   return QString(w.isVisible() ? "stays" : "exits") + ", default "
                          + buttonName(fx.prompts.boxes.value(0).defaultButton);
               })
            << "stays, default No";
        QTest::newRow("typing -1 over the selected 0 gives -1")
            << Scenario([](Fixture &fx) { return valueTyped(fx, true); }) << "-1";
        QTest::newRow("typing -1 after the 0 gives -1") << Scenario([](Fixture &fx) { return valueTyped(fx, false); })
                                                        << "-1";
        QTest::newRow("a refused coaching filter stays open, the field selected")
            << Scenario([](Fixture &fx) {
                   TPelMainForm &w = fx.start();
                   QString seen;
                   onDialog<TCoachFiltForm>(fx, [&](TCoachFiltForm *f) {
                       QSignalSpy closed(f, &QDialog::finished);
                       f->MinSLBox->setText("0");
                       QTest::keyClick(f->MaxAgeBox, Qt::Key_Return);
                       seen = closed.isEmpty() ? "open" : "closed";
                       if (f->focusWidget() == f->MinSLBox && f->MinSLBox->selectedText() == "0")
                           seen += ", skill selected";
                       if (closed.isEmpty()) { // corrected in place
                           QTest::keyClicks(f->MinSLBox, "5");
                           QTest::keyClick(f->MinSLBox, Qt::Key_Return);
                           seen += closed.isEmpty() ? ", still open" : ", then closed";
                       }
                   });
                   ctl<QAction>(w, "MenuCoachFilt")->trigger();
                   return seen + ", " + fx.prompts.texts().join(u' ') + ", " + QString::fromLatin1(fx.ini());
               })
            << "open, skill selected, then closed, Enter a Skill Level between 1 - 99, "
               "[CoachFilt]\r\nMinSkill=5\r\nMaxAge=9\r\n";

        QTest::newRow("Return on a Play cell opens the position menu")
            << Scenario([](Fixture &fx) { return keyOnCell(fx, 5, 2, Qt::Key_Return); }) << "position menu";
        QTest::newRow("Space on a Subs cell opens the substitute menu")
            << Scenario([](Fixture &fx) { return keyOnCell(fx, 7, 2, Qt::Key_Space); }) << "substitute menu";
        QTest::newRow("the Menu key on a Style cell opens the position menu")
            << Scenario([](Fixture &fx) { return keyOnCell(fx, 6, 3, Qt::Key_Menu); }) << "position menu";
        QTest::newRow("Shift+F10 on a Subs cell opens the substitute menu")
            << Scenario([](Fixture &fx) { return keyOnCell(fx, 7, 3, Qt::Key_F10, Qt::ShiftModifier); })
            << "substitute menu";
        QTest::newRow("Return on a Conditionals cell opens Player Conditionals")
            << Scenario([](Fixture &fx) { return keyOnCell(fx, 8, 4, Qt::Key_Return); }) << "conditionals dialog";
        QTest::newRow("a letter of the open menu chooses the entry")
            << Scenario([](Fixture &fx) {
                   keyOnCell(fx, 5, 2, Qt::Key_Return);
                   TPelMainForm &w = fx.form();
                   QTest::keyClick(playPopup(w), Qt::Key_S);
                   QTest::keyClick(playPopup(w)->findChild<QMenu *>("SW"), Qt::Key_A);
                   return rowMarks(grid(w), 2);
               })
            << "SW|a|";
        QTest::newRow("Delete on a Play cell is [deselect]")
            << Scenario([](Fixture &fx) {
                   TPelMainForm &w = startWithRoster(fx);
                   markPosition(w, 1, "GK", "[a]ggressive");
                   grid(w)->setFocus();
                   QTest::keyClick(grid(w), Qt::Key_Delete);
                   return rowMarks(grid(w), 1) + " " + ctl<StringGrid>(w, "LineupTotGrid")->cell(1, 1);
               })
            << "|| 0";
        QTest::newRow("Delete on a Subs cell is the substitute's [deselect]")
            << Scenario([](Fixture &fx) {
                   TPelMainForm &w = startWithRoster(fx);
                   markSub(w, 5, "S 3");
                   grid(w)->setFocus();
                   QTest::keyClick(grid(w), Qt::Key_Delete);
                   return rowMarks(grid(w), 5);
               })
            << "DF|n|";
        QTest::newRow("commands act on the highlighted cell after PageDown")
            << Scenario([](Fixture &fx) {
                   TPelMainForm &w = startWithRoster(fx);
                   GridView *g = grid(w);
                   clickCell(g, 5, 1);
                   playPopup(w)->hide();
                   g->setFocus();
                   QTest::keyClick(g, Qt::Key_PageDown);
                   const int highlighted = g->selectionModel()->selectedIndexes().value(0).row();
                   clickCell(g, 5, 0); // a header click opens the menu for the selected cell
                   entry(playPopup(w)->findChild<QMenu *>("FW"), "[n]ormal")->trigger();
                   return rowMarks(g, highlighted) + QString(" on row %1").arg(highlighted);
               })
            << "FW|n| on row 11";
        QTest::newRow("Delete on a Train (TP) entry removes it")
            << Scenario([](Fixture &fx) {
                   return deleteKeyOn(fx, "TPListBox", [](TPelMainForm &w) {
                       pick(ctl<QComboBox>(w, "TPBox"), "Youth");
                       pick(ctl<QComboBox>(w, "TPBox"), "Utility");
                   });
               })
            << "Utility";
        QTest::newRow("Delete on a Coach (CP) entry removes it")
            << Scenario([](Fixture &fx) {
                   return deleteKeyOn(fx, "CPListBox", [](TPelMainForm &w) { pick(ctl<QComboBox>(w, "CPBox"), "OTF"); });
               })
            << "";
        QTest::newRow("Delete on a file to zip removes it")
            << Scenario([](Fixture &fx) {
                   return deleteKeyOn(fx, "ZipListBox", [](TPelMainForm &w) {
                       ctl<QTabWidget>(w, "MainPageControl")->setCurrentIndex(4);
                       listForZip(w, "TST1.txt");
                       listForZip(w, "TSTSession1Bids.txt");
                   });
               })
            << "TSTSession1Bids.txt";
        QTest::newRow("Delete on a current team tactic removes it")
            << Scenario([](Fixture &fx) {
                   return tacticsAfter(fx, [](TTeamTacticForm *f) {
                       choose(f->CEventBox, "G");
                       choose(f->ConditBox1, "<");
                       f->AddTacButton1->click();
                       choose(f->ConditBox1, ">");
                       f->AddTacButton1->click();
                       f->TeamTacListBox1->setFocus();
                       f->TeamTacListBox1->setCurrentRow(0);
                       QTest::keyClick(f->TeamTacListBox1, Qt::Key_Delete);
                   });
               })
            << "G,>,0,,,,N";
        QTest::newRow("menus show the keys: F1 at Contents, Del at [deselect]")
            << Scenario([](Fixture &fx) {
                   TPelMainForm &w = fx.start();
                   return QStringList{ctl<QAction>(w, "HelpContents")->shortcut().toString(),
                                      entry(playPopup(w), "[deselect]")->shortcut().toString(),
                                      entry(subPopup(w), "[deselect]")->shortcut().toString()}
                       .join(u' ');
               })
            << "F1 Del Del";
    }
    void unaskedChangesAndKeyboardMarking()
    {
        QFETCH(Scenario, scenario);
        QFETCH(QString, expected);
        Fixture fx;
        QCOMPARE(scenario(fx), expected);
    }

    // On a closed box, none of these keys or wheel turns chooses an entry.
    void closedBoxTakesNoEntry_data()
    {
        QTest::addColumn<bool>("editable");
        QTest::addColumn<int>("key"); // 0: a wheel notch each way
        QTest::addColumn<int>("modifiers");
        for (bool editable : {false, true}) {
            const char *kind = editable ? "editable: " : "list: ";
            for (auto [name, key] : {std::pair{"Up", Qt::Key_Up}, std::pair{"Down", Qt::Key_Down},
                                     std::pair{"PageUp", Qt::Key_PageUp}, std::pair{"PageDown", Qt::Key_PageDown}})
                QTest::newRow(qPrintable(kind + QString(name))) << editable << int(key) << 0;
            QTest::newRow(qPrintable(kind + QString("wheel"))) << editable << 0 << 0;
        }
        for (auto [name, key] : {std::pair{"Home", Qt::Key_Home}, std::pair{"End", Qt::Key_End},
                                 std::pair{"letter", Qt::Key_B}, std::pair{"digit", Qt::Key_2}})
            QTest::newRow(qPrintable("list: " + QString(name))) << false << int(key) << 0;
    }
    void closedBoxTakesNoEntry()
    {
        QFETCH(bool, editable);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QWidget window;
        auto *box = new QComboBox(&window);
        box->setEditable(editable);
        box->addItems({"Brown", "Baker", "2nd"});
        box->setCurrentIndex(editable ? 1 : -1);
        pickOnly(box);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy activated(box, &QComboBox::activated);
        QSignalSpy changed(box, &QComboBox::currentIndexChanged);
        if (key == 0) {
            wheel(box, -1);
            wheel(box, 1);
        } else {
            QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        }
        QCOMPARE(activated.count(), 0);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(box->currentIndex(), editable ? 1 : -1);
        QVERIFY(!box->view()->isVisible());
    }

    // The explicit picks still choose: Space, F4 or Alt+Down open the list,
    // Enter takes the entry, Escape takes none; typing into an editable box
    // still types, and stays as typed.
    void explicitPickStillChooses()
    {
        QWidget window;
        auto *box = new QComboBox(&window);
        box->addItems({"Brown", "Baker", "Carter"});
        box->setCurrentIndex(-1);
        pickOnly(box);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy activated(box, &QComboBox::activated);
        for (auto [key, modifiers] : {std::pair{Qt::Key_Space, Qt::NoModifier}, std::pair{Qt::Key_F4, Qt::NoModifier},
                                      std::pair{Qt::Key_Down, Qt::AltModifier}}) {
            QTest::keyClick(box, key, modifiers);
            QTRY_VERIFY(box->view()->isVisible());
            QTest::keyClick(box->view(), Qt::Key_Escape);
            QTRY_VERIFY(!box->view()->isVisible());
        }
        QCOMPARE(activated.count(), 0);
        QCOMPARE(box->currentIndex(), -1);

        QTest::keyClick(box, Qt::Key_Space);
        QTRY_VERIFY(box->view()->isVisible());
        box->view()->setCurrentIndex(box->model()->index(1, 0));
        QTest::keyClick(box->view(), Qt::Key_Down);
        QTest::keyClick(box->view(), Qt::Key_Return);
        QCOMPARE(activated.count(), 1);
        QCOMPARE(box->currentText(), QString("Carter"));

        box->setEditable(true);
        completeByPopup(box);
        box->setEditText(QString());
        QTest::keyClicks(box, "Bak");
        QCOMPARE(box->currentText(), QString("Bak"));
        QCOMPARE(box->currentIndex(), 2);
    }

    // A popup offers the opponents as a name is typed; only a pick from it
    // takes the full name, and Enter there picks without closing the dialog.
    void markingNamePickedFromPopup()
    {
        Fixture fx;
        QString stored;
        const QString cell = conditionalsAfter(fx, [&](TPlayCondForm *f) {
            QSignalSpy closed(f, &QDialog::finished);
            QTest::keyClicks(f->MP2Combo, "smi");
            QCompleter *completer = f->MP2Combo->completer();
            QVERIFY(completer);
            QCOMPARE(completer->completionMode(), QCompleter::PopupCompletion);
            QTRY_VERIFY(completer->popup()->isVisible());
            QCOMPARE(completer->currentCompletion(), QString("Smithers"));
            QCOMPARE(f->MP2Combo->currentText(), QString("smi"));
            QTest::keyClick(completer->popup(), Qt::Key_Down);
            QTest::keyClick(completer->popup(), Qt::Key_Return);
            QCOMPARE(f->MP2Combo->currentText(), QString("Smithers"));
            QCOMPARE(closed.count(), 0);
            QCOMPARE(f->MP2Combo->count(), 3); // the empty entry and two opponents, nothing added
            QTest::keyClick(f->MP2Combo, Qt::Key_Return);
            QCOMPARE(closed.count(), 1);
        });
        QCOMPARE(cell, conditional({"", "Smithers"}));
    }

    // The current cell, the highlighted cell and the cell the commands act
    // on are one, however it was reached; fixed cells never become current.
    void oneCurrentCell_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::newRow("Up at the top stays") << QStringList{"Up"} << 5 << 1;
        QTest::newRow("Left at the first player column stays") << QStringList{"Left", "Left", "Left", "Left", "Left"}
                                                                << 1 << 1;
        QTest::newRow("Down and Right") << QStringList{"Down", "Down", "Right"} << 6 << 3;
        QTest::newRow("Home") << QStringList{"Down", "Home"} << 1 << 2;
        QTest::newRow("End") << QStringList{"End"} << 8 << 1;
        QTest::newRow("Ctrl+Home") << QStringList{"Down", "Down", "Ctrl+Home"} << 1 << 1;
        QTest::newRow("PageDown to the last row") << QStringList{"PgDown", "PgDown"} << 5 << 11;
        QTest::newRow("PageUp to the first row") << QStringList{"Down", "Down", "PgUp"} << 5 << 1;
        QTest::newRow("Ctrl+Space keeps the highlight") << QStringList{"Ctrl+Space"} << 5 << 1;
        QTest::newRow("letters move nothing") << QStringList{"K", "S"} << 5 << 1;
    }
    void oneCurrentCell()
    {
        QFETCH(QStringList, keys);
        QFETCH(int, col);
        QFETCH(int, row);
        Fixture fx;
        TPelMainForm &w = startWithRoster(fx);
        GridView *g = grid(w);
        clickCell(g, 5, 1);
        playPopup(w)->hide();
        g->setFocus();
        for (const QString &k : keys) {
            const QKeyCombination key = QKeySequence(k)[0];
            QTest::keyClick(g, key.key(), key.keyboardModifiers());
        }
        QCOMPARE(g->currentIndex(), g->model()->index(row, col));
        QCOMPARE(g->selectedCol(), col);
        QCOMPARE(g->selectedRow(), row);
        QCOMPARE(g->selectionModel()->selectedIndexes(), QModelIndexList{g->currentIndex()});
    }

    // Marked from the keyboard alone: the menus open at the current cell,
    // their letters choose, Escape closes them unchanged, Tab leaves the grid.
    void markingByKeyboard()
    {
        Fixture fx;
        TPelMainForm &w = startWithRoster(fx);
        GridView *g = grid(w);
        tabChain(w, ctl<QComboBox>(w, "CPBox"), 4); // the two lists, the sheets' tabs, then the grid
        QCOMPARE(QApplication::focusWidget(), g);
        keys(g, Qt::Key_Right, 4); // "Play" of the first player
        QCOMPARE(g->selectedCol(), 5);

        QTest::keyClick(g, Qt::Key_Return);
        QMenu *menu = playPopup(w);
        QVERIFY(menu->isVisible());
        const QPoint centre = g->visualRect(g->model()->index(1, 5)).center();
        QCOMPARE(menu->pos(), g->popupPoint(centre.x(), centre.y()));
        QTest::keyClick(menu, Qt::Key_Escape);
        QVERIFY(!menu->isVisible());
        QCOMPARE(rowMarks(g, 1), QString("||"));

        QTest::keyClick(g, Qt::Key_Return);
        QTest::keyClick(menu, Qt::Key_G);
        QTest::keyClick(menu->findChild<QMenu *>("GK"), Qt::Key_N);
        QCOMPARE(rowMarks(g, 1), QString("GK|n|"));
        QCOMPARE(ctl<StringGrid>(w, "LineupTotGrid")->cell(1, 1), QString("1"));
        // The marks are commands of the line-up, named as the menu reads.
        QAction *undo = ctl<QAction>(w, "UndoMenu");
        QCOMPARE(undo->text(), QString("Undo GK [n]ormal"));
        QTest::keyClick(g, Qt::Key_Delete);
        QCOMPARE(rowMarks(g, 1), QString("||"));
        QCOMPARE(undo->text(), QString("Undo [deselect]"));
        undo->trigger();
        QCOMPARE(rowMarks(g, 1), QString("GK|n|"));

        keys(g, Qt::Key_Down, 4);
        keys(g, Qt::Key_Right, 2); // Anchor's "Subs"
        QTest::keyClick(g, Qt::Key_Space);
        QVERIFY(subPopup(w)->isVisible());
        QTest::keyClick(subPopup(w), Qt::Key_4);
        QCOMPARE(rowMarks(g, 5), QString("DF|n|S4"));
        QCOMPARE(undo->text(), QString("Undo S 4"));

        QTest::keyClick(g, Qt::Key_Right);
        QTest::keyClick(g, Qt::Key_Return); // "Conditionals"
        QCOMPARE(fx.prompts.dialogsRun, 1);

        QTest::keyClick(g, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ctl<QComboBox>(w, "SessionNoComboBox"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), g);
        QTest::keyClick(g, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), ctl<QTabWidget>(w, "MainPageControl")->tabBar());
        QVERIFY(fx.prompts.boxes.isEmpty());
    }

    // What the small arrows beside a control do, the arrow keys do too.
    void arrowKeysInTeamTactics()
    {
        Fixture fx("[Options]\r\nTimeSteps=1\r\n");
        const QString order = tacticsAfter(fx, [](TTeamTacticForm *f) {
            choose(f->CEventBox, "T");
            choose(f->ConditBox1, ">=");
            keys(f->CTacVal1, Qt::Key_Up);
            QCOMPARE(f->CTacVal1->text(), QString("15"));
            keys(f->CTacVal1, Qt::Key_Down, 3);
            QCOMPARE(f->CTacVal1->text(), QString("-30"));
            keys(f->CTacVal2, Qt::Key_Up); // no event "T" for the second condition: by 1
            QCOMPARE(f->CTacVal2->text(), QString("1"));
            f->AddTacButton1->click();
            choose(f->ConditBox1, "<");
            f->AddTacButton1->click();
            f->TeamTacListBox1->setCurrentRow(0);
            keys(f->TeamTacListBox1, Qt::Key_Down, 1, Qt::ControlModifier); // carries the entry down
            QCOMPARE(f->TeamTacListBox1->currentRow(), 1);
            keys(f->TeamTacListBox1, Qt::Key_Up); // only moves the selection
            QCOMPARE(f->TeamTacListBox1->currentRow(), 0);
        });
        QCOMPARE(order, QString("T,<,-30,,,,N T,>=,-30,,,,N"));
    }

    void arrowKeysInPlayerConditionals()
    {
        Fixture fx;
        conditionalsAfter(fx, [](TPlayCondForm *f) {
            keys(f->rows[2].value2, Qt::Key_Down);
            QCOMPARE(f->rows[2].value2->text(), QString("-1"));
            choose(f->rows[0].event1, "T");
            keys(f->rows[0].value1, Qt::Key_Up, 2);
            QCOMPARE(f->rows[0].value1->text(), QString("2")); // time steps off: by 1
        });
    }

    // The help's list of keys names every key the menus show.
    void helpListsTheKeys()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        QFile help(QStringLiteral(PELLMORE_SOURCE_DIR "/resources/PEL2000.html"));
        QVERIFY(help.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(help.readAll());
        const QString keys = text.mid(text.indexOf("id=\"keys\""));
        QVERIFY(text.contains("href=\"#keys\""));
        QStringList shown;
        for (const QAction *a : w.findChildren<QAction *>())
            if (a->shortcutContext() != Qt::WidgetShortcut)
                for (const QKeySequence &key : a->shortcuts())
                    shown.append(key.toString(QKeySequence::NativeText));
        QCOMPARE(shown.size(), 13); // Undo has one key, Redo two

        for (const QString &key : shown + QStringList{"Shift+F10", "Menu key", "Delete", "Tab", "Escape"})
            QVERIFY2(keys.contains(key), qPrintable(key));
    }

    void nothingUnseenTakesTheFocus()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        for (const char *name : {"NewToolbarBtn", "OpenToolbarBtn", "SaveToolbarBtn", "HelpToolbarBtn"})
            QCOMPARE(ctl<QToolButton>(w, name)->focusPolicy(), Qt::NoFocus);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), grid(w)); // the grid has the focus at start
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
