// The recomputing pass: totals grid and checker lights from the roster grid.
#include "app/pelmainunit1.h"
#include "lineup/ratings.h"
#include "roster/rosterfile.h"
#include "widgets/ledlight.h"
#include "widgets/stringgrid.h"

namespace {

void showLamp(LedLight *led, lineup::Lamp lamp)
{
    switch (lamp) {
    case lineup::Lamp::Off: led->setLit(false); return;
    case lineup::Lamp::Red: led->setOnColour(Qt::red); break;
    case lineup::Lamp::Green: led->setOnColour(QColor(0, 160, 0)); break;
    case lineup::Lamp::Purple: led->setOnColour(QColor(128, 0, 128)); break;
    }
    led->setLit(true);
}

} // namespace

void TPelMainForm::UpdateLineupTotals()
{
    using namespace roster;
    QVector<lineup::Marks> rows;
    rows.reserve(RosterStringGrid->rows());
    for (int r = 1; r < RosterStringGrid->rows(); ++r)
        rows.append({RosterStringGrid->cell(ColSL, r), RosterStringGrid->cell(ColPos, r),
                     RosterStringGrid->cell(ColPlay, r), RosterStringGrid->cell(ColStyle, r),
                     RosterStringGrid->cell(ColSubs, r)});
    const lineup::Totals t = lineup::computeTotals(rows, modifiers);
    for (int a = 0; a < lineup::AssignedCount; ++a) {
        LineupTotGrid->setCell(a + 1, 1, QString::number(t.count[a]));
        LineupTotGrid->setCell(a + 1, 2, QString::number(t.sum[a]));
    }
    const lineup::Lights l = lineup::checkLineup(t, StartStrategy);
    showLamp(valGKLed, l.gk);
    showLamp(valSWLed, l.sw);
    showLamp(valDFLed, l.df);
    showLamp(valMFLed, l.mf);
    showLamp(valFWLed, l.fw);
    showLamp(starting11Led, l.starting11);
    showLamp(subsLed, l.subs);
    showLamp(MF21Led, l.mf21);
    showLamp(FW21Led, l.fw21);
    LineupTotGrid->clearSelectionShown();
}
