#include "app/infopanel.h"
#include "lineup/lineupdocument.h"
#include "widgets/formcontrols.h"

#include <QLabel>

InfoPanel::InfoPanel(const lineup::LineupDocument &document, QWidget *parent) : QFrame(parent), doc(document)
{
    nameControl(this, "infoPanel");
    setGeometry(4, 0, 266, 40);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    TeamNameLabel = addLabel(QString(), this, 6, 3, 200, 20);
    nameControl(TeamNameLabel, "TeamNameLabel");
    QFont big = TeamNameLabel->font();
    big.setBold(true);
    big.setPixelSize(16);
    TeamNameLabel->setFont(big);
    TeamNameLabel->setStyleSheet("color: red");
    ManageLabel = addLabel(QString(), this, 6, 22, 200, 14);
    nameControl(ManageLabel, "ManageLabel");
    AbbLabel = addLabel(QString(), this, 210, 3, 50, 16);
    nameControl(AbbLabel, "AbbLabel");
    AbbLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    AbbLabel->setStyleSheet("color: blue");
    connect(&doc, &lineup::LineupDocument::rosterReset, this, &InfoPanel::showTeam);
}

void InfoPanel::showTeam()
{
    const lineup::TeamLine &team = doc.team();
    TeamNameLabel->setText(team.name);
    ManageLabel->setText(team.manager ? QStringLiteral("Coached by ") + *team.manager : QString());
    AbbLabel->setText(team.abbreviation);
}
