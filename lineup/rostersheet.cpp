// The "Pellmore" sheet: marking in the roster grid, the opponent, the
// training, coaching and penalty-taker choices, team tactics and totals.
#include "lineup/rostersheet.h"
#include "app/pelerror.h"
#include "app/prompts.h"
#include "app/sharedstate.h"
#include "app/textfile.h"
#include "lineup/lineupdocument.h"
#include "lineup/playcondunit.h"
#include "lineup/rostermodel.h"
#include "lineup/teamtacticunit.h"
#include "roster/rosterfile.h"
#include "widgets/fonts.h"
#include "widgets/formcontrols.h"
#include "widgets/keyguard.h"
#include "widgets/gridview.h"
#include "widgets/stringgrid.h"
#include "widgets/wincolour.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStringListModel>

using namespace roster;
using lineup::LineupDocument;

namespace {

QComboBox *dropDown(QWidget *parent, const char *name, int x, int y, int w)
{
    QComboBox *box = addPickList(parent, {}, x, y, w);
    nameControl(box, name);
    return box;
}

// The entries from..to as decimal texts, refilled only when they differ.
void showNumbers(QComboBox *box, int from, int to, const QString &chosen)
{
    const int count = std::max(0, to - from + 1);
    if (box->count() != count || (count > 0 && box->itemText(0) != QString::number(from))) {
        box->clear();
        for (int n = from; n <= to; ++n)
            box->addItem(QString::number(n));
    }
    box->setCurrentIndex(chosen.isEmpty() ? -1 : box->findText(chosen, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

} // namespace

RosterSheet::RosterSheet(LineupDocument &document, SharedState &state, QWidget *parent)
    : QWidget(parent), doc(document), shared(state)
{
    nameControl(this, "MainSheet");
    model = new RosterModel(doc, this);
    model->setCellColour(fromWinColour(16776176, QPalette()));
    RosterStringGrid = new GridView(this);
    nameControl(RosterStringGrid, "RosterStringGrid");
    RosterStringGrid->setModel(model);
    RosterStringGrid->setGeometry(0, 0, 518, 439);
    RosterStringGrid->setFont(programFont(12));
    for (int c = 0; c < ColumnCount; ++c) {
        RosterStringGrid->setColumnWidth(c, columnWidth(c));
        RosterStringGrid->widenToText(c); // "Style" and "Subs" need more than 30 pixels
    }
    QPalette navy = RosterStringGrid->palette();
    navy.setColor(QPalette::Text, QColor(Qt::darkBlue));
    RosterStringGrid->setPalette(navy);
    connect(RosterStringGrid, &GridView::mouseUp, this, [this](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
        runGuarded([&] { RosterStringGridMouseUp(b, x, y); });
    });
    // The keys on the current cell do what a click on it does.
    addCellKeys(
        RosterStringGrid,
        [this](const QModelIndex &, QPoint at) {
            runGuarded([&] { RosterStringGridMouseUp(Qt::LeftButton, at.x(), at.y()); });
        },
        [this](const QModelIndex &) { runGuarded([this] { RosterStringGridDeleteKey(); }); });

    buildOptions();
    buildTotals();
    buildPopups();
    connect(&doc, &LineupDocument::choicesChanged, this, &RosterSheet::showChoices);
    connect(&doc, &LineupDocument::rosterReset, this, [this] { runGuarded([this] { FillPlayerBoxes(true); }); });
    connect(&doc, &LineupDocument::totalsChanged, this, &RosterSheet::UpdateLineupTotals);
    showChoices();
}

void RosterSheet::buildOptions()
{
    LUOptionsGroupBox = new QGroupBox(QStringLiteral("Lineup Options"), this);
    nameControl(LUOptionsGroupBox, "LUOptionsGroupBox");
    LUOptionsGroupBox->setGeometry(524, 0, 240, 266);
    QWidget *g = LUOptionsGroupBox;
    addLabel(QStringLiteral("Session"), g, 8, 22, -1);
    SessionNoComboBox = dropDown(g, "SessionNoComboBox", 78, 18, 40);
    addLabel(QStringLiteral("Opponent"), g, 124, 22, -1);
    ChooseOppButton = addButton(QStringLiteral("None"), g, "ChooseOppButton", 180, 18, 52, 22);
    ChooseOppButton->setToolTip(QStringLiteral("Select Opponent for current match"));
    addLabel(QStringLiteral("Match No."), g, 8, 46, -1);
    MatchNoComboBox = dropDown(g, "MatchNoComboBox", 78, 42, 40);
    MatchTacBtn = addButton(QStringLiteral("Team Tactics"), g, "MatchTacBtn", 122, 41, 110, 23);
    MatchTacBtn->setToolTip(QStringLiteral("Enter Tactics for current match"));
    addLabel(QStringLiteral("Home Bonus"), g, 8, 70, -1);
    HBCombo = dropDown(g, "HBCombo", 78, 66, 40);
    TTListBox = addListBox(g, "TTListBox", 122, 66, 110, 46);
    addLabel(QStringLiteral("Penalty Taker"), g, 8, 92, -1);
    PTakeBox = dropDown(g, "PTakeBox", 8, 106, 106);
    addLabel(QStringLiteral("Train (TP)"), g, 8, 132, -1);
    addLabel(QStringLiteral("Coach (CP)"), g, 124, 132, -1);
    TPBox = dropDown(g, "TPBox", 8, 146, 108);
    CPBox = dropDown(g, "CPBox", 124, 146, 108);
    // The player boxes hold a whole roster: plain lists of names.
    for (QComboBox *box : {PTakeBox, TPBox, CPBox})
        box->setModel(new QStringListModel(box));
    TPListBox = addListBox(g, "TPListBox", 8, 170, 108, 62);
    CPListBox = addListBox(g, "CPListBox", 124, 170, 108, 62);
    addLabel(QStringLiteral("Double click on a player in a list to delete them."), g, 8, 233, 224, 28)
        ->setWordWrap(true);

    auto guarded = [this](void (RosterSheet::*handler)()) {
        return [this, handler] { runGuarded([&] { (this->*handler)(); }); };
    };
    connect(TPBox, &QComboBox::activated, this, guarded(&RosterSheet::TPBoxChange));
    connect(CPBox, &QComboBox::activated, this, guarded(&RosterSheet::CPBoxChange));
    connect(TPListBox, &QListWidget::itemDoubleClicked, this, guarded(&RosterSheet::TPListBoxDblClick));
    connect(CPListBox, &QListWidget::itemDoubleClicked, this, guarded(&RosterSheet::CPListBoxDblClick));
    deleteKeyRuns(TPListBox, guarded(&RosterSheet::TPListBoxDblClick));
    deleteKeyRuns(CPListBox, guarded(&RosterSheet::CPListBoxDblClick));
    connect(ChooseOppButton, &QPushButton::clicked, this, guarded(&RosterSheet::ChooseOppButtonClick));
    connect(MatchTacBtn, &QPushButton::clicked, this, guarded(&RosterSheet::MatchTacBtnClick));
    const std::pair<QComboBox *, void (LineupDocument::*)(const QString &)> choices[] = {
        {SessionNoComboBox, &LineupDocument::setSession},
        {MatchNoComboBox, &LineupDocument::setMatch},
        {HBCombo, &LineupDocument::setHomeBonus},
        {PTakeBox, &LineupDocument::setPenaltyTaker}};
    for (const auto &[box, set] : choices)
        connect(box, &QComboBox::currentIndexChanged, this, [this, box, set] { chooseFromBox(box, set); });
}

void RosterSheet::buildTotals()
{
    LUTotalsGroupBox = new QGroupBox(QStringLiteral("Lineup Totals"), this);
    nameControl(LUTotalsGroupBox, "LUTotalsGroupBox");
    LUTotalsGroupBox->setGeometry(524, 268, 240, 76);
    LineupTotGrid = new StringGrid(7, 4, 1, LUTotalsGroupBox);
    nameControl(LineupTotGrid, "LineupTotGrid");
    LineupTotGrid->setDefaultRowHeight(13);
    LineupTotGrid->setColumnWidth(0, 38);
    for (int c = 1; c < 7; ++c)
        LineupTotGrid->setColumnWidth(c, 29);
    LineupTotGrid->setGeometry(12, 18, 38 + 6 * 29 + 2, 4 * 13 + 2);
    LineupTotGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LineupTotGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LineupTotGrid->setSelectionMode(QAbstractItemView::NoSelection);
    LineupTotGrid->setFocusPolicy(Qt::NoFocus);
    LineupTotGrid->setAttribute(Qt::WA_TransparentForMouseEvents);
    LineupTotGrid->setFont(programFont(10));
    const QStringList positions = lineup::assignedCodes();
    for (int c = 1; c <= 6; ++c)
        LineupTotGrid->setCell(c, 0, positions.at(c - 1));
    LineupTotGrid->setCell(0, 1, QStringLiteral("Num"));
    LineupTotGrid->setCell(0, 2, QStringLiteral("SL"));
    UpdateLineupTotals();
}

namespace {

// Delete on a grid cell runs the entry: the menu shows the key beside it.
void showsDeleteKey(QAction *entry)
{
    entry->setShortcut(QKeySequence(Qt::Key_Delete));
    entry->setShortcutContext(Qt::WidgetShortcut); // only while its menu is open
    entry->setShortcutVisibleInContextMenu(true);
}

// A menu entry's text as the manager reads it, without its access-letter mark.
QString shownText(const QAction *entry)
{
    return QString(entry->text()).remove(u'&');
}

} // namespace

void RosterSheet::buildPopups()
{
    PlayPopup = new QMenu(this);
    nameControl(PlayPopup, "PlayPopup");
    PlayDeselect = PlayPopup->addAction(QStringLiteral("[deselect]"));
    nameControl(PlayDeselect, "PlayDeselect");
    PlayDeselect->setData(QString());
    PlayPopup->setDefaultAction(PlayDeselect);
    showsDeleteKey(PlayDeselect);
    PlayPopup->addSeparator();
    QList<QAction *> playEntries{PlayDeselect};
    // The letters of the positions and of the styles in brackets open and
    // choose the entries from the keyboard.
    const char *styles[][2] = {{"[&p]assive", "p"}, {"[&n]ormal", "n"}, {"[&a]ggressive", "a"}};
    for (const QString &pos : lineup::assignedCodes()) {
        QMenu *sub = PlayPopup->addMenu(u'&' + pos);
        sub->setObjectName(pos);
        sub->addAction(QStringLiteral("Play Style"))->setEnabled(false);
        for (const auto &style : styles) {
            playEntries.append(sub->addAction(QString::fromLatin1(style[0])));
            playEntries.last()->setData(pos + u'|' + QString::fromLatin1(style[1]));
        }
    }
    for (QAction *a : playEntries)
        connect(a, &QAction::triggered, this, [this, a] { runGuarded([&] { choosePlayer(a); }); });

    SubPopup = new QMenu(this);
    nameControl(SubPopup, "SubPopup");
    SubPopup->setToolTipsVisible(true);
    SubDeselect = SubPopup->addAction(QStringLiteral("[&deselect]"));
    nameControl(SubDeselect, "SubDeselect");
    SubDeselect->setToolTip(QStringLiteral("not a sub"));
    SubDeselect->setData(QString());
    showsDeleteKey(SubDeselect);
    SubPopup->addSeparator();
    QList<QAction *> subEntries{SubDeselect};
    const char *hints[] = {"1st sub", "2nd Sub", "3rd Sub", "4th Sub", "5th Sub"};
    for (int k = 1; k <= 5; ++k) {
        subEntries.append(SubPopup->addAction(QStringLiteral("S &%1").arg(k)));
        subEntries.last()->setToolTip(QString::fromLatin1(hints[k - 1]));
        subEntries.last()->setData(QStringLiteral("S%1").arg(k));
    }
    for (QAction *a : subEntries)
        connect(a, &QAction::triggered, this, [this, a] { runGuarded([&] { popSubClick(a); }); });
}

void RosterSheet::showChoices()
{
    const QScopedValueRollback<bool> refilling(showing, true);
    const lineup::ChoiceRanges &r = doc.ranges();
    const lineup::LineupChoices &c = doc.choices();
    showNumbers(SessionNoComboBox, 1, r.sessions, c.session);
    showNumbers(MatchNoComboBox, 1, r.matches, c.match);
    showNumbers(HBCombo, r.homeBonusMin, r.homeBonusMax, c.homeBonus);
    PTakeBox->setCurrentIndex(c.penaltyTaker.isEmpty()
                                  ? -1
                                  : PTakeBox->findText(c.penaltyTaker, Qt::MatchExactly | Qt::MatchCaseSensitive));
    showEntries(TTListBox, c.TeamTacticList);
    showEntries(TPListBox, c.training);
    showEntries(CPListBox, c.coaching);
    ChooseOppButton->setText(c.opponent);
}

void RosterSheet::chooseFromBox(QComboBox *box, void (LineupDocument::*set)(const QString &))
{
    if (!showing)
        (doc.*set)(chosenText(box));
}

int RosterSheet::currentPlayer() const
{
    const int row = RosterStringGrid->selectedRow();
    return row >= 1 && row <= doc.playerCount() ? row - 1 : -1;
}

void RosterSheet::RosterStringGridMouseUp(Qt::MouseButton, int x, int y)
{
    if (!doc.hasRoster() || currentPlayer() < 0 || x <= 100)
        return;
    const QPoint at = RosterStringGrid->popupPoint(x, y);
    switch (RosterStringGrid->selectedCol()) {
    case ColPlay:
    case ColStyle: PlayPopup->popup(at); break;
    case ColSubs: SubPopup->popup(at); break;
    case ColConditionals: openPlayerConditionals(); break;
    default: break;
    }
}

void RosterSheet::RosterStringGridDeleteKey()
{
    if (!doc.hasRoster())
        return;
    switch (RosterStringGrid->selectedCol()) {
    case ColPlay:
    case ColStyle: choosePlayer(PlayDeselect); break;
    case ColSubs: popSubClick(SubDeselect); break;
    default: break;
    }
}

void RosterSheet::openPlayerConditionals()
{
    const int i = currentPlayer();
    if (i < 0)
        return;
    const lineup::Player p = doc.player(i);
    TPlayCondForm dialog(p.marks.conditionals, p.name, doc.choices().OppPlayerList, shared.timeSteps, shared.colour,
                         this);
    Prompts::current().runDialog(&dialog);
    if (const std::optional<QString> text = dialog.written())
        doc.setConditionals(i, *text);
}

void RosterSheet::choosePlayer(QAction *entry)
{
    const int i = currentPlayer();
    if (i < 0)
        return;
    const QStringList chosen = entry->data().toString().split(u'|');
    const bool deselect = chosen.size() != 2;
    const QString text = deselect ? shownText(entry) : chosen.at(0) + u' ' + shownText(entry);
    doc.choosePosition(i, deselect ? QString() : chosen.at(0), deselect ? QString() : chosen.at(1), text);
}

void RosterSheet::popSubClick(QAction *entry)
{
    if (const int i = currentPlayer(); i >= 0)
        doc.chooseSubstitute(i, entry->data().toString(), shownText(entry));
}

QString RosterSheet::openRosterFile()
{
    return Prompts::current().openFile(this, QStringLiteral("Open Roster File"),
                                       QStringLiteral("Roster Files|*.ros|All files|*.*"), shared.rosterFolder);
}

void RosterSheet::ChooseOppButtonClick()
{
    const QString path = openRosterFile();
    if (path.isEmpty())
        return;
    try {
        LoadOpponent(textfile::readLines(path));
    } catch (...) {
        // The list is emptied before the file is read; the caption stays.
        doc.setOpponent(doc.choices().opponent, {});
        throw;
    }
}

void RosterSheet::LoadOpponent(const QStringList &lines)
{
    const Opponent opponent = readOpponent(lines);
    if (opponent.abbreviation == doc.team().abbreviation) {
        showMessage(Prompts::Kind::Warning, QStringLiteral("Choose the team you are playing AGAINST!"),
                    Prompts::Cancel);
        doc.setOpponent(QStringLiteral("None"), {});
        return;
    }
    doc.setOpponent(opponent.abbreviation, opponent.players);
}

void RosterSheet::FillPlayerBoxes(bool fullMode)
{
    const QScopedValueRollback<bool> refilling(showing, true);
    const int minSkill = shared.settings->readInteger("CoachFilt", "MinSkill", DefaultMinSkill);
    const int maxAge = shared.settings->readInteger("CoachFilt", "MaxAge", DefaultMaxAge);
    QStringList coaching{QStringLiteral("OTF"), QStringLiteral("SET")}, training, takers;
    for (int i = 0; i < doc.playerCount(); ++i) {
        const lineup::Player &p = doc.player(i);
        takers.append(p.name);
        switch (candidateFor(toWholeNumber(p.age), toWholeNumber(p.skill), maxAge, minSkill)) {
        case Candidate::Training: training.append(p.name); break;
        case Candidate::Coaching: coaching.append(p.name); break;
        case Candidate::None: break;
        }
    }
    // Each box takes its entries at once, not entry by entry.
    auto fill = [](QComboBox *box, const QStringList &entries) {
        static_cast<QStringListModel *>(box->model())->setStringList(entries);
        box->setCurrentIndex(-1);
    };
    fill(CPBox, coaching);
    fill(TPBox, training);
    if (fullMode) {
        fill(PTakeBox, takers);
        showChoices();
    }
}

namespace {

// A pick from a choice box onto its list of at most four.
void chooseInto(QComboBox *box, int listed, const std::function<void(const QString &)> &add, const QString &message,
                const QString &caption)
{
    if (listed >= 4 || box->currentIndex() < 0) {
        if (listed == 4)
            showPlain(caption, message);
    } else {
        add(box->currentText());
    }
    box->setCurrentIndex(-1);
}

} // namespace

void RosterSheet::TPBoxChange()
{
    chooseInto(TPBox, int(doc.choices().training.size()), [this](const QString &e) { doc.addTraining(e); },
               QStringLiteral("Four players already chosen."), QStringLiteral("Training Problem"));
}

void RosterSheet::CPBoxChange()
{
    chooseInto(CPBox, int(doc.choices().coaching.size()), [this](const QString &e) { doc.addCoaching(e); },
               QStringLiteral("Four players already chosen"), QStringLiteral("Coaching Problem"));
}

void RosterSheet::TPListBoxDblClick()
{
    doc.removeTraining(selectedEntry(TPListBox));
}

void RosterSheet::CPListBoxDblClick()
{
    doc.removeCoaching(selectedEntry(CPListBox));
}

void RosterSheet::MatchTacBtnClick()
{
    if (!doc.hasRoster())
        return;
    const lineup::LineupChoices &c = doc.choices();
    TTeamTacticForm dialog(c.TeamTacticList, c.StartStrategy, *shared.settings, shared.timeSteps, shared.colour, this);
    if (Prompts::current().runDialog(&dialog) == QDialog::Accepted)
        doc.setTeamTactics(dialog.savedTactics(), dialog.savedStrategy());
}

void RosterSheet::UpdateLineupTotals()
{
    const lineup::Totals &t = doc.totals();
    for (int a = 0; a < lineup::AssignedCount; ++a) {
        LineupTotGrid->setCell(a + 1, 1, QString::number(t.count[a]));
        LineupTotGrid->setCell(a + 1, 2, QString::number(t.sum[a]));
    }
    LineupTotGrid->clearSelectionShown();
    if (const QString error = doc.takeError(); !error.isEmpty())
        showErrorReport(error);
}

void RosterSheet::setColour(const QColor &colour)
{
    model->setFixedColour(colour);
    // The boxes and lists of "Lineup Options" and the totals grid take the
    // window's colour, as field and as text background.
    for (QWidget *c : LUOptionsGroupBox->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (qobject_cast<QComboBox *>(c) || qobject_cast<QListWidget *>(c))
            setFieldColour(c, colour);
    setFieldColour(LineupTotGrid, colour);
    LineupTotGrid->setFixedColour(colour);
    LineupTotGrid->setCellColour(colour, readableTextColour(colour));
    setButtonColour(ChooseOppButton, colour);
    setButtonColour(MatchTacBtn, colour);
}

void RosterSheet::arrange(int gridWidth, int gridHeight, int groupLeft)
{
    RosterStringGrid->resize(gridWidth, gridHeight);
    LUOptionsGroupBox->move(groupLeft, LUOptionsGroupBox->y());
    LUTotalsGroupBox->move(groupLeft, LUTotalsGroupBox->y());
}

QList<QWidget *> RosterSheet::tabStops() const
{
    return {RosterStringGrid, SessionNoComboBox, ChooseOppButton, MatchNoComboBox, MatchTacBtn, HBCombo,
            TTListBox,        PTakeBox,          TPBox,           CPBox,           TPListBox,   CPListBox};
}
