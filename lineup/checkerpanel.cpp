#include "lineup/checkerpanel.h"
#include "lineup/lineupdocument.h"
#include "widgets/fonts.h"
#include "widgets/formcontrols.h"
#include "widgets/ledlight.h"

#include <QLabel>

namespace {

const QColor Red(Qt::red), Green(0, 160, 0), Purple(128, 0, 128);

void showLamp(LedLight *led, lineup::Lamp lamp)
{
    switch (lamp) {
    case lineup::Lamp::Off: led->setLit(false); return;
    case lineup::Lamp::Red: led->setOnColour(Red); break;
    case lineup::Lamp::Green: led->setOnColour(Green); break;
    case lineup::Lamp::Purple: led->setOnColour(Purple); break;
    }
    led->setLit(true);
}

} // namespace

CheckerPanel::CheckerPanel(const lineup::LineupDocument &document, QWidget *parent) : QFrame(parent), doc(document)
{
    nameControl(this, "validPanel");
    setGeometry(380, 0, 339, 40);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setFont(programFont(10));
    const QFont bold = boldFont(10);
    QFont underlined = programFont(10);
    underlined.setUnderline(true);
    QLabel *title = addLabel(QStringLiteral("Lineup Checker"), this, 2, 4, 100, 14, &bold);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    addLabel(QStringLiteral("2:1 rule:"), this, 111, 4, -1, -1, &underlined);
    addLabel(QStringLiteral("Squad:"), this, 6, 20, -1, -1, &underlined);
    auto led = [this](const char *name, const char *text, int lx, int ly, int x, int y, QColor on,
                      const QString &rule) {
        addLabel(QString::fromLatin1(text), this, lx, ly, -1)->setToolTip(rule);
        auto *l = new LedLight(this);
        nameControl(l, name);
        l->move(x, y);
        l->setOnColour(on);
        l->setToolTip(rule);
        return l;
    };
    // Each light says its rule; lit means the rule is kept, gray that it is not.
    const QString keptRed = QStringLiteral("Lit red: kept. Gray: not kept.");
    const QString keptPurple = QStringLiteral("Lit purple: kept. Gray: not kept.");
    MF21Led = led("MF21Led", "MF", 162, 4, 185, 3, Red,
                  "2:1 rule, midfield: the midfielders' SL total is less than twice the defenders' "
                  "(both above 0).\n" + keptRed);
    FW21Led = led("FW21Led", "FW", 205, 4, 227, 3, Red,
                  "2:1 rule, attack: the forwards' SL total is less than twice the midfielders' "
                  "(both above 0).\n" + keptRed
                      + "\nLit green: not kept, but the starting strategy (L or E) is exempt from it.");
    subsLed = led("subsLed", "Five Subs", 250, 4, 315, 3, Purple,
                  "Five Subs: five substitutes, marked S1 to S5.\n" + keptPurple);
    valGKLed = led("valGKLed", "GK", 46, 20, 63, 20, Red, "Squad: exactly one goalkeeper starts.\n" + keptRed);
    valSWLed = led("valSWLed", "SW", 81, 20, 99, 20, Red, "Squad: no more than one sweeper starts.\n" + keptRed);
    valDFLed = led("valDFLed", "DF", 119, 20, 140, 20, Red, "Squad: 2 to 5 defenders start.\n" + keptRed);
    valMFLed = led("valMFLed", "MF", 162, 20, 185, 20, Red, "Squad: 2 to 5 midfielders start.\n" + keptRed);
    valFWLed = led("valFWLed", "FW", 205, 20, 227, 20, Red, "Squad: 1 to 4 forwards start.\n" + keptRed);
    starting11Led = led("starting11Led", "Starting 11 :", 250, 20, 315, 20, Purple,
                        "Starting 11: exactly eleven players start.\n" + keptPurple);
    connect(&doc, &lineup::LineupDocument::totalsChanged, this, &CheckerPanel::showLights);
}

void CheckerPanel::showLights()
{
    // Without a roster there is no line-up to judge: every light is off.
    const lineup::Lights l = doc.rosterRead() ? doc.lights() : lineup::Lights();
    showLamp(valGKLed, l.gk);
    showLamp(valSWLed, l.sw);
    showLamp(valDFLed, l.df);
    showLamp(valMFLed, l.mf);
    showLamp(valFWLed, l.fw);
    showLamp(starting11Led, l.starting11);
    showLamp(subsLed, l.subs);
    showLamp(MF21Led, l.mf21);
    showLamp(FW21Led, l.fw21);
}
