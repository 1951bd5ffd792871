#include "lineup/viewersheet.h"
#include "lineup/lineupfile.h"
#include "widgets/fonts.h"
#include "widgets/formcontrols.h"
#include "widgets/nameplate.h"
#include "widgets/onresize.h"
#include "widgets/pictureonshow.h"
#include "widgets/verticallabel.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>

namespace {

// The name labels' places on the pitch picture of 300 by 356 pixels.
struct PitchPlace { const char *name; int x, y; };
constexpr PitchPlace PitchPlaces[20] = {
    {"pitchGK", 98, 334},  {"pitchSW", 121, 302}, {"pitchDF1", 21, 283}, {"pitchDF2", 183, 283},
    {"pitchDF3", 103, 267}, {"pitchDF4", 0, 256},  {"pitchDF5", 191, 248}, {"pitchMF1", 7, 211},
    {"pitchMF2", 183, 211}, {"pitchMF3", 55, 180}, {"pitchMF4", 159, 180}, {"pitchMF5", 95, 142},
    {"pitchWG1", 9, 108},  {"pitchWG2", 192, 108}, {"pitchWG3", 7, 157},  {"pitchWG4", 195, 149},
    {"pitchFW1", 17, 54},  {"pitchFW2", 169, 54}, {"pitchFW3", 81, 76},  {"pitchFW4", 161, 92}};
constexpr int PitchWidth = 300, PitchHeight = 356;

} // namespace

ViewerSheet::ViewerSheet(QWidget *parent) : QWidget(parent)
{
    nameControl(this, "LineupSheet");
    TeamInfLabel = addLabel(QStringLiteral("Team Information"), this, 8, 4, -1);
    TeamInfListBox = addListBox(this, "TeamInfListBox", ListLeft, 20, 351, 100);
    StartersLabel = addLabel(QStringLiteral("Starters"), this, 8, 125, -1);
    StartersListBox = addListBox(this, "StartersListBox", 8, 143, 351, 166);
    SubsLabel = addLabel(QStringLiteral("Substitutes"), this, 8, 319, -1);
    SubsListBox = addListBox(this, "SubsListBox", 8, 337, 351, 100);
    QFont fixed(QStringLiteral("Liberation Mono"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPixelSize(11);
    for (QListWidget *l : {TeamInfListBox, StartersListBox, SubsListBox}) {
        l->setFont(fixed);
        QPalette pal = l->palette();
        pal.setColor(QPalette::Base, Qt::white);
        pal.setColor(QPalette::Text, Qt::black);
        l->setPalette(pal);
    }

    pitchPanel = new QFrame(this);
    nameControl(pitchPanel, "pitchPanel");
    pitchPanel->setGeometry(384, 0, 380, 370);
    auto *field = new QLabel(pitchPanel);
    nameControl(field, "FieldImage");
    field->setGeometry(0, 5, PitchWidth, PitchHeight);
    field->setScaledContents(true);
    setPictureOnShow(field, QStringLiteral(":/pitch.png"));
    // Yellow on a dark strip, so it reads whatever the window's colour.
    auto *caption = new VerticalLabel(QStringLiteral("Starting Lineup"), pitchPanel);
    nameControl(caption, "StartingLineupCaption");
    caption->setGeometry(312, 56, 20, 240);
    caption->setFont(boldFont(14));
    QPalette captionColours = caption->palette();
    captionColours.setColor(QPalette::Window, QColor(0, 60, 0));
    captionColours.setColor(QPalette::WindowText, Qt::yellow);
    caption->setPalette(captionColours);
    for (int i = 0; i < 20; ++i) {
        auto *l = new NamePlate(pitchPanel);
        l->setGeometry(PitchPlaces[i].x, PitchPlaces[i].y, i == 0 ? 95 : 100, 17);
        nameControl(l, PitchPlaces[i].name);
        l->setFont(boldFont(11));
        pitchLabels[i] = l;
    }
    // On a sheet lower than the pitch, the picture and its names shrink to fit.
    onResize(this, [this, field, caption](QSize sheet) {
        const int height = std::min(370, sheet.height() - pitchPanel->y());
        pitchPanel->resize(pitchPanel->width(), height);
        const double k = std::min(1.0, (height - 10) / double(PitchHeight));
        auto scaled = [k](int v) { return int(v * k); };
        field->setGeometry(0, 5, scaled(PitchWidth), scaled(PitchHeight));
        caption->move(scaled(312), scaled(56));
        for (int i = 0; i < 20; ++i)
            pitchLabels[i]->move(scaled(PitchPlaces[i].x), 5 + scaled(PitchPlaces[i].y - 5));
    });
}

void ViewerSheet::showLineup(const QStringList &lines, const QString &homeBonusShown)
{
    TeamInfListBox->clear();
    TeamInfListBox->addItems(lineup::viewerTeamInformation(lines, homeBonusShown));
    StartersListBox->clear();
    SubsListBox->clear();
    for (QLabel *l : pitchLabels)
        l->clear();
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
}

void ViewerSheet::arrange(int pageHeight, int listWidth, int pitchLeft, int pitchWidth)
{
    if (pageHeight > 0) {
        TeamInfListBox->resize(listWidth, pageHeight / 5);
        StartersLabel->move(StartersLabel->x(), TeamInfListBox->height() + 25);
        StartersListBox->setGeometry(StartersListBox->x(), StartersLabel->y() + 18, listWidth, pageHeight / 3);
        SubsLabel->move(SubsLabel->x(), StartersListBox->y() + StartersListBox->height() + 10);
        SubsListBox->setGeometry(SubsListBox->x(), SubsLabel->y() + 18, listWidth, pageHeight / 5);
    } else {
        TeamInfListBox->resize(listWidth, 65);
        StartersLabel->move(StartersLabel->x(), 90);
        StartersListBox->setGeometry(StartersListBox->x(), 115, listWidth, 125);
        SubsLabel->move(SubsLabel->x(), 250);
        SubsListBox->setGeometry(SubsListBox->x(), 270, listWidth, 55);
    }
    pitchPanel->setGeometry(pitchLeft, pitchPanel->y(), pitchWidth, pitchPanel->height());
}

QList<QWidget *> ViewerSheet::tabStops() const
{
    return {TeamInfListBox, StartersListBox, SubsListBox};
}
