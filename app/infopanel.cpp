#include "app/infopanel.h"
#include "lineup/lineupdocument.h"
#include "widgets/fonts.h"
#include "widgets/formcontrols.h"
#include "widgets/wincolour.h"

#include <QLabel>
#include <QResizeEvent>

InfoPanel::InfoPanel(const lineup::LineupDocument &document, QWidget *parent) : QFrame(parent), doc(document)
{
    nameControl(this, "infoPanel");
    setGeometry(4, 0, 266, 40);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    const QFont big = boldFont(16);
    TeamNameLabel = addLabel(QString(), this, 6, 2, 196, 20, &big);
    nameControl(TeamNameLabel, "TeamNameLabel");
    ManageLabel = addLabel(QString(), this, 6, 22, 196, 15);
    nameControl(ManageLabel, "ManageLabel");
    // At the panel's right end; the panel keeps it there when it resizes.
    AbbLabel = addLabel(QString(), this, 216, 3, 46, 17);
    nameControl(AbbLabel, "AbbLabel");
    AbbLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setColour(palette().color(QPalette::Window));
    connect(&doc, &lineup::LineupDocument::rosterReset, this, &InfoPanel::showTeam);
}

void InfoPanel::showTeam()
{
    const lineup::TeamLine &team = doc.team();
    TeamNameLabel->setText(team.name);
    ManageLabel->setText(team.manager ? QStringLiteral("Coached by ") + *team.manager : QString());
    AbbLabel->setText(team.abbreviation);
}

void InfoPanel::setColour(const QColor &colour)
{
    // The team's name and abbreviation keep their red and blue, in a shade
    // that reads on the colour.
    for (auto [l, hue] : {std::pair{TeamNameLabel, QColor(Qt::red)}, std::pair{AbbLabel, QColor(Qt::blue)}}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, readableShade(hue, colour));
        l->setPalette(pal);
    }
}

void InfoPanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    // The abbreviation stays at the right end, the team name beside it.
    AbbLabel->move(width() - AbbLabel->width() - 4, AbbLabel->y());
    TeamNameLabel->resize(AbbLabel->x() - TeamNameLabel->x() - 2, TeamNameLabel->height());
}
