// Save Lineup, Open Lineup, applying a line-up file, Save & View and the
// Lineup Viewer sheet.
#include "app/pelmainunit1.h"
#include "app/leaguesettings.h"
#include "app/prompts.h"
#include "app/textfile.h"
#include "lineup/lineupfile.h"
#include "roster/rosterfile.h"
#include "widgets/formcontrols.h"
#include "widgets/stringgrid.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>

using namespace roster;

QString TPelMainForm::lineupPath() const
{
    return pathFor(lineup::lineupFileName(AbbLabel->text(), MatchNoComboBox->currentText()));
}

void TPelMainForm::AddToZipList(const QString &path)
{
    int at = 0;
    while (at < ZipListBox->count() && ZipListBox->item(at)->text().compare(path, Qt::CaseInsensitive) <= 0)
        ++at;
    ZipListBox->insertItem(at, path);
}

void TPelMainForm::SaveLineupMenuClick()
{
    saveLineup();
}

bool TPelMainForm::saveLineup()
{
    if (StartStrategy.isEmpty())
        StartStrategy = QStringLiteral("N");
    lineup::LineupOrders orders;
    orders.homeBonus = chosenText(HBCombo);
    orders.strategy = StartStrategy;
    orders.tactics = TeamTacticList;
    for (int i = 0; i < CPListBox->count(); ++i)
        orders.coaching.append(CPListBox->item(i)->text());
    for (int i = 0; i < TPListBox->count(); ++i)
        orders.training.append(TPListBox->item(i)->text());
    orders.penaltyTaker = chosenText(PTakeBox);
    const StringGrid *g = RosterStringGrid;
    for (int r = 1; r < g->rows(); ++r)
        orders.rows.append({g->cell(ColName, r), g->cell(ColPlay, r), g->cell(ColStyle, r), g->cell(ColSubs, r),
                            g->cell(ColConditionals, r)});
    const lineup::ComposedLineup composed = lineup::composeLineup(orders);

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
    return saveOrderFile(path, bytes, QStringLiteral("Lineup Saved"), QStringLiteral(" has been created"),
                         QStringLiteral("Lineup not saved"));
}

void TPelMainForm::OpenLineupMenuClick()
{
    const QString path = Prompts::current().openFile(
        this, QStringLiteral("Open Lineup"), QStringLiteral("Lineup files|*.txt|All Files (*.*)|*.*"), rosterFolder);
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
    if (AbbLabel->text().isEmpty()) {
        AbbLabel->setText(parsed.abbreviation);
        try {
            checkAbbreviation(parsed.abbreviation);
            LoadRoster(textfile::readLines(pathFor(parsed.abbreviation + QStringLiteral(".ros"))));
        } catch (...) {
            // No roster is loaded: the program must not take one for open.
            AbbLabel->clear();
            throw;
        }
    }
    const int index = parsed.match <= 0 ? 0 : parsed.match - 1;
    MatchNoComboBox->setCurrentIndex(index < MatchNoComboBox->count() ? index : -1);
    ApplyLineup(lines);
}

void TPelMainForm::ApplyLineup(const QStringList &lines)
{
    const int min = league::homeBonusMin(*settings);
    const int max = league::homeBonusMax(*settings);
    TeamTacticList.clear();
    TeamInfListBox->clear();

    const lineup::LineupFile file = lineup::parseLineup(lines);
    bool ok = false;
    const int bonus = file.homeBonus.toInt(&ok, 10);
    if (!ok)
        showMessage(Prompts::Kind::Error, QStringLiteral("OpenLineup error EConvertError"), Prompts::Ok);
    if (min <= bonus && bonus <= max && bonus - min < HBCombo->count())
        HBCombo->setCurrentIndex(bonus - min);
    StartStrategy = file.strategy;
    TeamTacticList = file.tactics;

    CPListBox->clear();
    TPListBox->clear();
    CPListBox->addItems(file.coaching);
    TPListBox->addItems(file.training);
    PTakeBox->setCurrentIndex(PTakeBox->findText(file.penaltyTaker, Qt::MatchExactly | Qt::MatchCaseSensitive));
    StartersListBox->clear();
    SubsListBox->clear();
    for (QLabel *l : pitchLabels)
        l->clear();

    StringGrid *g = RosterStringGrid;
    auto mark = [g](const lineup::LineupFile::Player &p, const QString &subs) {
        for (int r = 1; r < g->rows(); ++r) {
            if (g->cell(ColName, r) != p.name)
                continue;
            g->setCell(ColStyle, r, p.style);
            g->setCell(ColPlay, r, p.play);
            if (!p.conditionals.isEmpty())
                g->setCell(ColConditionals, r, p.conditionals);
            if (!subs.isEmpty())
                g->setCell(ColSubs, r, subs);
            return;
        }
    };
    for (const auto &p : file.starters)
        mark(p, QString());
    for (int k = 0; k < file.substitutes.size(); ++k)
        mark(file.substitutes.at(k), QStringLiteral("S%1").arg(k + 1));

    // The viewer shows what the file says, not the grid.
    TeamInfListBox->addItems(lineup::viewerTeamInformation(lines, HBCombo->currentText()));
    // Pitch labels: GK 0, SW 1, DF 2-6, MF 7-11, WG 12-15, FW 16-19.
    struct Slots { const char *code; int first, count, used; };
    Slots pitch[] = {{"DF", 2, 5, 0}, {"MF", 7, 5, 0}, {"WG", 12, 4, 0}, {"FW", 16, 4, 0}};
    for (int l = 2; l < 13; ++l) {
        StartersListBox->addItem(lineup::viewerPlayerText(lines.at(l)));
        const QStringList f = lineup::fieldsOf(lines.at(l), 2);
        if (f.at(0) == QLatin1String("GK"))
            pitchLabels[0]->setText(f.at(1));
        else if (f.at(0) == QLatin1String("SW"))
            pitchLabels[1]->setText(f.at(1));
        for (Slots &s : pitch)
            if (f.at(0) == QLatin1String(s.code) && s.used < s.count)
                pitchLabels[s.first + s.used++]->setText(f.at(1));
    }
    for (int l = 13; l < 18; ++l)
        SubsListBox->addItem(QStringLiteral("S%1: ").arg(l - 12) + lineup::viewerPlayerText(lines.at(l)));

    UpdateLineupTotals();
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
    showSheet(LineupSheet);
    validPanel->hide();
}

void TPelMainForm::showSheet(QWidget *sheet)
{
    programSwitch = true;
    MainPageControl->setCurrentWidget(sheet);
    programSwitch = false;
}

void TPelMainForm::MainPageControlChange(int index)
{
    QWidget *sheet = MainPageControl->widget(index);
    validPanel->setVisible(sheet == MainSheet);
    if (sheet != SummarySheet)
        return;
    // The list is sorted, so exact repeats stand next to each other.
    for (int i = ZipListBox->count() - 1; i > 0; --i)
        if (ZipListBox->item(i)->text() == ZipListBox->item(i - 1)->text())
            delete ZipListBox->takeItem(i - 1);
}
