// Marking the line-up in the roster grid, the opponent, and New Lineup.
#include "app/pelmainunit1.h"
#include "app/prompts.h"
#include "app/textfile.h"
#include "lineup/playcondunit.h"
#include "lineup/ratings.h"
#include "roster/rosterfile.h"
#include "widgets/stringgrid.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

using namespace roster;

void TPelMainForm::RosterStringGridMouseUp(Qt::MouseButton, int x, int y)
{
    if (AbbLabel->text().isEmpty())
        return;
    const int row = RosterStringGrid->selectedRow();
    if (row < 1 || row >= RosterStringGrid->rows() || x <= 100)
        return;
    const QPoint at = popupPoint(RosterStringGrid, x, y);
    switch (RosterStringGrid->selectedCol()) {
    case ColPlay:
    case ColStyle: PlayPopup->popup(at); break;
    case ColSubs: SubPopup->popup(at); break;
    case ColConditionals: openPlayerConditionals(); break;
    default: break;
    }
}

void TPelMainForm::RosterStringGridDeleteKey()
{
    if (AbbLabel->text().isEmpty())
        return;
    switch (RosterStringGrid->selectedCol()) {
    case ColPlay:
    case ColStyle: choosePlayer(PlayDeselect); break;
    case ColSubs: popSubClick(SubDeselect); break;
    default: break;
    }
}

void TPelMainForm::openPlayerConditionals()
{
    TPlayCondForm dialog(*RosterStringGrid, OppPlayerList, timeSteps, windowColour, this);
    Prompts::current().runDialog(&dialog);
}

void TPelMainForm::choosePlayer(QAction *entry)
{
    const int row = RosterStringGrid->selectedRow();
    const QStringList chosen = entry->data().toString().split(u'|');
    const bool deselect = chosen.size() != 2;
    RosterStringGrid->setCell(ColPlay, row, deselect ? QString() : chosen.at(0));
    RosterStringGrid->setCell(ColStyle, row, deselect ? QString() : chosen.at(1));
    UpdateLineupTotals();
}

void TPelMainForm::popSubClick(QAction *entry)
{
    const QString mark = entry->data().toString();
    RosterStringGrid->setCell(ColSubs, RosterStringGrid->selectedRow(), mark);
    if (!mark.isEmpty())
        SetDefaultSubPosition();
    UpdateLineupTotals();
}

void TPelMainForm::SetDefaultSubPosition()
{
    const int row = RosterStringGrid->selectedRow();
    if (!RosterStringGrid->cell(ColPlay, row).isEmpty())
        return;
    RosterStringGrid->setCell(ColPlay, row, lineup::defaultSubPosition(RosterStringGrid->cell(ColPos, row)));
    RosterStringGrid->setCell(ColStyle, row, QStringLiteral("n"));
}

void TPelMainForm::ChooseOppButtonClick()
{
    const QString path = openRosterFile();
    if (path.isEmpty())
        return;
    OppPlayerList.clear();
    LoadOpponent(textfile::readLines(path));
}

void TPelMainForm::LoadOpponent(const QStringList &lines)
{
    const Opponent opponent = readOpponent(lines);
    ChooseOppButton->setText(opponent.abbreviation);
    if (opponent.abbreviation == AbbLabel->text()) {
        showMessage(Prompts::Kind::Warning, QStringLiteral("Choose the team you are playing AGAINST!"),
                    Prompts::Cancel);
        ChooseOppButton->setText(QStringLiteral("None"));
        return;
    }
    OppPlayerList = opponent.players;
}

void TPelMainForm::NewLineupMenuClick()
{
    if (AbbLabel->text().isEmpty())
        return;
    for (int r = 1; r < RosterStringGrid->rows(); ++r)
        for (int c : {ColPlay, ColStyle, ColSubs, ColConditionals})
            RosterStringGrid->setCell(c, r, QString());
    TPListBox->clear();
    TPBox->setCurrentIndex(-1);
    CPListBox->clear();
    CPBox->setCurrentIndex(-1);
    TTListBox->clear();
    PTakeBox->setCurrentIndex(-1);
    HBCombo->setCurrentIndex(-1);
    StartStrategy.clear();
    TeamTacticList.clear();
    ChooseOppButton->setText(QStringLiteral("None"));
    OppPlayerList.clear();
    if (MenuAutoIncr->isChecked() && MatchNoComboBox->count() > 0) {
        const int current = MatchNoComboBox->currentIndex();
        if (current < 0)
            MatchNoComboBox->setCurrentIndex(0);
        else if (current + 1 < MatchNoComboBox->count())
            MatchNoComboBox->setCurrentIndex(current + 1);
    }
}
