// Colour scheme, time steps and Auto Increase.
#include "app/pelmainunit1.h"
#include "app/prompts.h"
#include "widgets/stringgrid.h"
#include "widgets/wincolour.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
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
    settings->writeBool("Options", "AutoIncr", MenuAutoIncr->isChecked());
}

void TPelMainForm::ApplyColour(int colourValue)
{
    windowColour = fromWinColour(colourValue, QApplication::palette());
    // The window and what follows its colour by itself: the panels, the
    // sheets, the group boxes and their labels, with text readable on it.
    setBackground(this, windowColour);
    keepSystemColours(menuBar());
    // The boxes and lists of "Lineup Options" and the totals grid take
    // their parent's colour, as field and as text background.
    for (QWidget *c : LUOptionsGroupBox->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (qobject_cast<QComboBox *>(c) || qobject_cast<QListWidget *>(c))
            setFieldColour(c, windowColour);
    setFieldColour(LineupTotGrid, windowColour);
    LineupTotGrid->setCellColour(windowColour, readableTextColour(windowColour));
    for (StringGrid *g : {RosterStringGrid, LineupTotGrid, AuctionStringGrid})
        g->setFixedColour(windowColour);
    for (QPushButton *b : {ChooseOppButton, MatchTacBtn, SaveBidsBtn, SavePressBtn, AddZipListBtn, ZipBtn})
        setButtonColour(b, windowColour);
    // The team's labels keep their red and blue, in a shade that reads.
    for (auto [l, hue] : {std::pair{TeamNameLabel, QColor(Qt::red)}, std::pair{AbbLabel, QColor(Qt::blue)}}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, readableShade(hue, windowColour));
        l->setPalette(pal);
    }
}
