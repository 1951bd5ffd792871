// Opening a roster, and the training, coaching and penalty-taker choices.
#include "app/pelerror.h"
#include "app/pelmainunit1.h"
#include "app/prompts.h"
#include "app/textfile.h"
#include "roster/coachfiltunit.h"
#include "roster/rosterfile.h"
#include "widgets/formcontrols.h"
#include "widgets/stringgrid.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

QString TPelMainForm::openRosterFile()
{
    return Prompts::current().openFile(this, QStringLiteral("Open Roster File"),
                                       QStringLiteral("Roster Files|*.ros|All files|*.*"), rosterFolder);
}

void TPelMainForm::OpenSubMenuClick()
{
    const QString path = openRosterFile();
    if (!path.isEmpty())
        loadRosterFile(path);
}

void TPelMainForm::openRosterAtStart(const QString &path)
{
    runGuarded([&] { loadRosterFile(path); });
}

void TPelMainForm::loadRosterFile(const QString &path)
{
    LoadRoster(textfile::readLines(path));
}

void TPelMainForm::LoadRoster(const QStringList &fileLines)
{
    const QStringList lines = roster::dropLeadingEmpty(fileLines);
    const QStringList team = roster::splitFields(lines.first());
    roster::checkAbbreviation(team.value(0));
    for (qsizetype r = 1; r < lines.size(); ++r) {
        const QStringList fields = roster::splitFields(lines.at(r));
        roster::checkSkill(fields.value(roster::ColName), fields.value(roster::ColSL));
    }

    RosterStringGrid->setRows(int(lines.size()));
    if (team.size() > 0)
        AbbLabel->setText(team.at(0));
    if (team.size() > 1)
        TeamNameLabel->setText(team.at(1));
    if (team.size() > 2)
        ManageLabel->setText(QStringLiteral("Coached by ") + team.at(2));
    for (int r = 1; r < lines.size(); ++r) {
        const QStringList fields = roster::splitFields(lines.at(r));
        for (int c = 0; c < fields.size() && c < roster::ColumnCount; ++c)
            RosterStringGrid->setCell(c, r, fields.at(c));
    }
    PTakeBox->clear();
    FillPlayerBoxes(true);
    StartStrategy = QStringLiteral("N");
}

void TPelMainForm::FillPlayerBoxes(bool fullMode)
{
    CPBox->clear();
    TPBox->clear();
    const int minSkill = settings->readInteger("CoachFilt", "MinSkill", roster::DefaultMinSkill);
    const int maxAge = settings->readInteger("CoachFilt", "MaxAge", roster::DefaultMaxAge);
    CPBox->addItem(QStringLiteral("OTF"));
    CPBox->addItem(QStringLiteral("SET"));
    // Entries added before a failing row stay; the boxes show no selection.
    struct NoSelection {
        QComboBox *boxes[3];
        ~NoSelection()
        {
            for (QComboBox *b : boxes)
                if (b)
                    b->setCurrentIndex(-1);
        }
    } guard{{CPBox, TPBox, fullMode ? PTakeBox : nullptr}};
    for (int r = 1; r < RosterStringGrid->rows(); ++r) {
        const QString name = RosterStringGrid->cell(roster::ColName, r);
        if (fullMode)
            PTakeBox->addItem(name);
        const int age = toWholeNumber(RosterStringGrid->cell(roster::ColAge, r));
        const int skill = toWholeNumber(RosterStringGrid->cell(roster::ColSL, r));
        switch (roster::candidateFor(age, skill, maxAge, minSkill)) {
        case roster::Candidate::Training: TPBox->addItem(name); break;
        case roster::Candidate::Coaching: CPBox->addItem(name); break;
        case roster::Candidate::None: break;
        }
    }
}

namespace {

// A pick from a choice box onto its list of at most four.
void chooseInto(QComboBox *box, QListWidget *list, const QString &message, const QString &caption)
{
    if (list->count() >= 4 || box->currentIndex() < 0) {
        if (list->count() == 4)
            showPlain(caption, message);
    } else {
        list->addItem(box->currentText());
    }
    box->setCurrentIndex(-1);
}

} // namespace

void TPelMainForm::TPBoxChange()
{
    chooseInto(TPBox, TPListBox, QStringLiteral("Four players already chosen."), QStringLiteral("Training Problem"));
}

void TPelMainForm::CPBoxChange()
{
    chooseInto(CPBox, CPListBox, QStringLiteral("Four players already chosen"), QStringLiteral("Coaching Problem"));
}

void TPelMainForm::TPListBoxDblClick()
{
    deleteSelected(TPListBox);
}

void TPelMainForm::CPListBoxDblClick()
{
    deleteSelected(CPListBox);
}

void TPelMainForm::MenuCoachFiltClick()
{
    {
        TCoachFiltForm dialog(*settings, this);
        Prompts::current().runDialog(&dialog);
    }
    if (!AbbLabel->text().isEmpty())
        FillPlayerBoxes(false);
}
