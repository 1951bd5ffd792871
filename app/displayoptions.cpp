// Colour scheme, time steps and Auto Increase.
#include "app/pelerror.h"
#include "app/pelmainunit1.h"
#include "app/infopanel.h"
#include "app/prompts.h"
#include "lineup/rostersheet.h"
#include "orders/bidssheet.h"
#include "orders/presssheet.h"
#include "orders/zipsheet.h"
#include "widgets/wincolour.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>

namespace {
constexpr int SystemButtonFace = -2147483633; // 0x8000000F
} // namespace

void TPelMainForm::ColourSchemeClick(QAction *entry)
{
    if (entry == ColourOriginal) {
        shared.settings->writeInteger("Options", "ColourScheme", OriginalColour);
    } else if (entry == ColourChoose) {
        const auto chosen = Prompts::current().chooseColour(this, shared.colour);
        if (!chosen)
            return;
        shared.settings->writeInteger("Options", "ColourScheme", toWinColour(*chosen));
    } else {
        shared.settings->writeInteger("Options", "ColourScheme", SystemButtonFace);
    }
    ApplyColour(shared.settings->readInteger("Options", "ColourScheme", OriginalColour));
}

void TPelMainForm::SetTimeStep(QAction *entry)
{
    shared.timeSteps = entry == Mins15On;
    Mins15On->setChecked(shared.timeSteps);
    Mins15Off->setChecked(!shared.timeSteps);
    shared.settings->writeBool("Options", "TimeSteps", shared.timeSteps);
}

void TPelMainForm::MenuAutoIncrClick()
{
    // The entry is checkable: the trigger has toggled its tick already.
    const bool tick = MenuAutoIncr->isChecked();
    try {
        shared.settings->writeBool("Options", "AutoIncr", tick);
    } catch (const PelError &) {
        MenuAutoIncr->setChecked(!tick); // the tick shows what the file holds
        throw;
    }
}

void TPelMainForm::ApplyColour(int colourValue)
{
    shared.colour = fromWinColour(colourValue, QApplication::palette());
    // The window and what follows its colour by itself: the panels, the
    // sheets, the group boxes and their labels, with text readable on it.
    setBackground(this, shared.colour);
    keepSystemColours(menuBar());
    infoPanel->setColour(shared.colour);
    rosterSheet->setColour(shared.colour);
    bidsSheet->setColour(shared.colour);
    pressSheet->setColour(shared.colour);
    zipSheet->setColour(shared.colour);
}
