// Colour scheme, time steps and Auto Increase.
#include "app/pelerror.h"
#include "app/pelmainunit1.h"
#include "app/prompts.h"
#include "widgets/stringgrid.h"
#include "widgets/wincolour.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>

namespace {
constexpr int SystemButtonFace = -2147483633; // 0x8000000F
} // namespace

void TPelMainForm::ColourSchemeClick(QAction *entry)
{
    if (entry == ColourOriginal) {
        settings->writeInteger("Options", "ColourScheme", OriginalColour);
    } else if (entry == ColourChoose) {
        const auto chosen = Prompts::current().chooseColour(this, windowColour);
        if (!chosen)
            return;
        settings->writeInteger("Options", "ColourScheme", toWinColour(*chosen));
    } else {
        settings->writeInteger("Options", "ColourScheme", SystemButtonFace);
    }
    ApplyColour(settings->readInteger("Options", "ColourScheme", OriginalColour));
}

void TPelMainForm::SetTimeStep(QAction *entry)
{
    timeSteps = entry == Mins15On;
    Mins15On->setChecked(timeSteps);
    Mins15Off->setChecked(!timeSteps);
    settings->writeBool("Options", "TimeSteps", timeSteps);
}

void TPelMainForm::MenuAutoIncrClick()
{
    // The entry is checkable: the trigger has toggled its tick already.
    const bool tick = MenuAutoIncr->isChecked();
    try {
        settings->writeBool("Options", "AutoIncr", tick);
    } catch (const PelError &) {
        MenuAutoIncr->setChecked(!tick); // the tick shows what the file holds
        throw;
    }
}

void TPelMainForm::ApplyColour(int colourValue)
{
    windowColour = fromWinColour(colourValue, QApplication::palette());
    setBackground(this, windowColour);
    for (StringGrid *g : {RosterStringGrid, LineupTotGrid, AuctionStringGrid})
        g->setFixedColour(windowColour);
    for (QPushButton *b : {ChooseOppButton, MatchTacBtn, SaveBidsBtn, SavePressBtn, AddZipListBtn, ZipBtn})
        setButtonColour(b, windowColour);
}
