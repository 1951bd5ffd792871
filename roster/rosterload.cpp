// Opening a roster, and the coaching filter.
#include "app/pelmainunit1.h"
#include "app/prompts.h"
#include "app/textfile.h"
#include "lineup/lineupdocument.h"
#include "lineup/rostersheet.h"
#include "roster/coachfiltunit.h"

void TPelMainForm::OpenSubMenuClick()
{
    const QString path = rosterSheet->openRosterFile();
    if (!path.isEmpty())
        loadRosterFile(path);
}

void TPelMainForm::openRosterAtStart(const QString &path)
{
    runGuarded([&] { loadRosterFile(path); });
}

void TPelMainForm::loadRosterFile(const QString &path)
{
    const QStringList lines = textfile::readLines(path);
    // Another team's roster starts an empty line-up: ask about unsaved marks.
    if (doc->hasRoster() && lineup::LineupDocument::rosterAbbreviation(lines) != doc->team().abbreviation
        && !unsavedLineupAnswered())
        return;
    LoadRoster(lines);
}

void TPelMainForm::LoadRoster(const QStringList &lines)
{
    showRemovedMarks(doc->loadRoster(doc->readRoster(lines)));
}

void TPelMainForm::showRemovedMarks(const QStringList &lost)
{
    if (!lost.isEmpty())
        showMessage(Prompts::Kind::Information,
                    QStringLiteral("These players are not in the roster, and their line-up marks are removed: %1")
                        .arg(lost.join(QStringLiteral(", "))),
                    Prompts::Ok);
}

void TPelMainForm::MenuCoachFiltClick()
{
    {
        TCoachFiltForm dialog(*shared.settings, this);
        Prompts::current().runDialog(&dialog);
    }
    if (doc->hasRoster())
        rosterSheet->FillPlayerBoxes(false);
}
