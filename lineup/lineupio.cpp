// New Lineup, Save Lineup, Open Lineup, applying a line-up file and Save & View.
#include "app/pelmainunit1.h"
#include "app/leaguesettings.h"
#include "app/prompts.h"
#include "app/textfile.h"
#include "lineup/checkerpanel.h"
#include "lineup/lineupdocument.h"
#include "lineup/lineupfile.h"
#include "lineup/suggestlineupunit.h"
#include "lineup/viewersheet.h"
#include "orders/zipsheet.h"
#include "roster/rosterfile.h"

#include <QAction>
#include <QFileInfo>

QString TPelMainForm::lineupPath() const
{
    return shared.pathFor(lineup::lineupFileName(doc->team().abbreviation, doc->choices().match));
}

void TPelMainForm::NewLineupMenuClick()
{
    doc->newLineup(MenuAutoIncr->isChecked());
}

void TPelMainForm::SuggestLineupMenuClick()
{
    if (!doc->hasRoster())
        return;
    TSuggestLineupForm dialog(*doc, this);
    Prompts::current().runDialog(&dialog);
}

void TPelMainForm::SaveLineupMenuClick()
{
    saveLineup();
}

bool TPelMainForm::saveLineup()
{
    doc->ensureStartStrategy();
    const lineup::ComposedLineup composed = doc->compose();
    if (composed.starters != 11) {
        showPlain(QStringLiteral("Invalid Lineup"), QStringLiteral("You need 11 starting players, Lineup not saved"));
        return false;
    }
    if (!composed.substitutesComplete) {
        showPlain(QStringLiteral("Invalid Lineup"), QStringLiteral("You need 5 substitutes, Lineup not saved"));
        return false;
    }
    const QString path = lineupPath();
    if (const QString problem = composed.tooLong(QFileInfo(path).fileName()); !problem.isEmpty()) {
        showPlain(QStringLiteral("Invalid Lineup"), problem + QStringLiteral(". Lineup not saved"));
        return false;
    }
    const QByteArray bytes = textfile::encode(textfile::joinLines(composed.lines), QFileInfo(path).fileName());
    if (!zipSheet->saveOrderFile(path, bytes, QStringLiteral("Lineup Saved"), QStringLiteral(" has been created"),
                                 QStringLiteral("Lineup not saved")))
        return false;
    doc->markSaved();
    return true;
}

void TPelMainForm::OpenLineupMenuClick()
{
    if (!unsavedLineupAnswered())
        return;
    const QString path = Prompts::current().openFile(this, QStringLiteral("Open Lineup"),
                                                     QStringLiteral("Lineup files|*.txt|All Files (*.*)|*.*"),
                                                     shared.rosterFolder);
    if (path.isEmpty())
        return;
    const QStringList lines = textfile::readLines(path);
    if (lines.size() != lineup::LineupLines) {
        showPlain(QStringLiteral("Lineup Error"), QStringLiteral("Not a valid Lineup file"));
        return;
    }
    const lineup::LineupName parsed = lineup::parseLineupName(path);
    if (!parsed.matchValid)
        showMessage(Prompts::Kind::Error, QStringLiteral("OpenLineup error (reading Match No)EConvertError"),
                    Prompts::Ok);
    // Without a roster, the team's roster is read first; when it cannot be
    // read nothing changes, as for Open Roster.
    std::optional<lineup::LineupDocument::CommandGroup> group;
    if (!doc->hasRoster()) {
        roster::checkAbbreviation(parsed.abbreviation);
        auto roster = doc->readRoster(textfile::readLines(shared.pathFor(parsed.abbreviation + QStringLiteral(".ros"))));
        group.emplace(*doc, QStringLiteral("Open Lineup"));
        showRemovedMarks(doc->loadRoster(std::move(roster)));
    }
    ApplyLineup(lines, parsed.match, QStringLiteral("Open Lineup"));
    group.reset();
    doc->markSaved();
}

void TPelMainForm::ApplyLineup(const QStringList &lines, std::optional<int> match, const QString &commandText)
{
    const lineup::LineupFile file = lineup::parseLineup(lines);
    if (!doc->applyLineup(file, match, commandText))
        showMessage(Prompts::Kind::Error, QStringLiteral("OpenLineup error EConvertError"), Prompts::Ok);
    // The viewer shows what the file says, not the grid.
    viewerSheet->showLineup(lines, doc->choices().homeBonus);
}

void TPelMainForm::SaveView1Click()
{
    // A refused or declined save stops here: applying an older file of that
    // name would re-mark the grid over the manager's unsaved line-up.
    if (!saveLineup())
        return;
    const QStringList lines = textfile::readLines(lineupPath());
    if (lines.size() != lineup::LineupLines) {
        showPlain(QStringLiteral("Lineup Error"), QStringLiteral("Not a valid Lineup file"));
        return;
    }
    ApplyLineup(lines);
    doc->markSaved();
    showSheet(viewerSheet);
    validPanel->hide();
}
