#include "app/changeseasonlengthunit.h"
#include "app/inistore.h"
#include "app/leaguesettings.h"
#include "app/pelmainunit1.h"
#include "lineup/lineupdocument.h"
#include "app/prompts.h"

#include "widgets/formcontrols.h"
#include "widgets/keyguard.h"

#include <QComboBox>
#include <algorithm>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

QDoubleSpinBox *modifierField(QWidget *parent, int x, int y)
{
    auto *f = new QDoubleSpinBox(parent);
    f->setDecimals(2);
    f->setRange(0.0, 5.0);
    f->setSingleStep(0.05);
    f->setGeometry(x, y, 60, 22);
    return f;
}

// A whole number above 0, else the fallback.
int seasonLength(const QString &text, int fallback)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n > 0 ? n : fallback;
}

} // namespace

TAdminConfigForm::TAdminConfigForm(IniStore &store, QWidget *parent) : QDialog(parent), settings(store)
{
    setWindowTitle(QStringLiteral("League Administration Options"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(470, 340);
    centreOnScreen(this);

    auto *season = new QGroupBox(QStringLiteral("Season Length"), this);
    season->setGeometry(8, 8, 454, 80);
    addLabel(QStringLiteral("Set the length of the season to"), season, 10, 24);
    MatchNumEdit = new QLineEdit(season);
    MatchNumEdit->setObjectName("MatchNumEdit");
    MatchNumEdit->setMaxLength(2);
    MatchNumEdit->setGeometry(212, 20, 30, 22);
    addLabel(QStringLiteral("matches and"), season, 248, 24);
    SessNumEdit = new QLineEdit(season);
    SessNumEdit->setObjectName("SessNumEdit");
    SessNumEdit->setMaxLength(2);
    SessNumEdit->setGeometry(334, 20, 30, 22);
    addLabel(QStringLiteral("sessions"), season, 370, 24);
    addLabel(QStringLiteral("This alters the value ranges used for the Session and Match No. boxes."), season, 10, 52)
        ->setFixedWidth(436);

    auto *bonus = new QGroupBox(QStringLiteral("Change Home Bonus "), this);
    bonus->setGeometry(8, 94, 454, 100);
    addLabel(QStringLiteral("Set the Home Bonus range"), bonus, 10, 22);
    addLabel(QStringLiteral("from a minimum of"), bonus, 10, 46);
    HBminEdit = new QSpinBox(bonus);
    HBminEdit->setRange(0, 99);
    HBminEdit->setGeometry(130, 42, 50, 22);
    addLabel(QStringLiteral("to a maximum of"), bonus, 192, 46);
    HBmaxEdit = new QSpinBox(bonus);
    HBmaxEdit->setRange(0, 99);
    HBmaxEdit->setGeometry(300, 42, 50, 22);
    addLabel(QStringLiteral("This will set the Home Bonus range that PELM uses.\n"
                        "Ensure you know what range is used by your league."),
         bonus, 10, 68);

    auto *modifiers = new QGroupBox(QStringLiteral("League SL Modifiers"), this);
    modifiers->setGeometry(8, 200, 454, 96);
    addLabel(QStringLiteral("Aggression modifies SL by"), modifiers, 10, 22);
    PassEdit = modifierField(modifiers, 10, 42);
    addLabel(QStringLiteral("when playing passive"), modifiers, 76, 46);
    NormEdit = modifierField(modifiers, 232, 42);
    addLabel(QStringLiteral("when playing normal"), modifiers, 298, 46);
    AggEdit = modifierField(modifiers, 10, 68);
    addLabel(QStringLiteral("when playing aggressive"), modifiers, 76, 72);

    DoneBtn = new QPushButton(QStringLiteral("Done"), this);
    DoneBtn->setGeometry(150, 304, 80, 26);
    DoneBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setGeometry(240, 304, 80, 26);
    connect(DoneBtn, &QPushButton::clicked, this, [this] { runGuarded([this] { DoneBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject); // also Esc
    onlyDefaultButton(this, DoneBtn);
    FormCreate();
}

void TAdminConfigForm::FormCreate()
{
    // A stored length longer than the field's typing limit is shown whole.
    auto showWhole = [](QLineEdit *field, int value) {
        const QString text = QString::number(value);
        field->setMaxLength(std::max(field->maxLength(), int(text.size())));
        field->setText(text);
    };
    const IniStore file = settings.snapshot();
    showWhole(SessNumEdit, league::sessions(file));
    showWhole(MatchNumEdit, league::matches(file));
    HBminEdit->setValue(league::homeBonusMin(file));
    HBmaxEdit->setValue(league::homeBonusMax(file));
    const lineup::Modifiers m = league::styleFactors(file);
    PassEdit->setValue(m.passive);
    NormEdit->setValue(m.normal);
    AggEdit->setValue(m.aggressive);
}

void TAdminConfigForm::DoneBtnClick()
{
    const int matches = seasonLength(MatchNumEdit->text(), 30);
    const int sessions = seasonLength(SessNumEdit->text(), 15);
    settings.writeInteger("SeasonLength", "Sessions", sessions);
    settings.writeInteger("SeasonLength", "Matches", matches);
    settings.writeInteger("HomeBonus", "Min", HBminEdit->value());
    settings.writeInteger("HomeBonus", "Max", HBmaxEdit->value());
    settings.writeFloat("Aggression Modifier", "Passive", PassEdit->value());
    settings.writeFloat("Aggression Modifier", "Normal", NormEdit->value());
    settings.writeFloat("Aggression Modifier", "Aggressive", AggEdit->value());
    accept();
}

void TPelMainForm::AdminTasksClick()
{
    {
        TAdminConfigForm dialog(*shared.settings, this);
        Prompts::current().runDialog(&dialog);
    }
    // The home bonus box is built from its earlier range: an empty one
    // cannot be read back.
    const lineup::ChoiceRanges before = doc->ranges();
    if (before.homeBonusMin > before.homeBonusMax)
        showMessage(Prompts::Kind::Error, QStringLiteral("Setting HB range error EStringListError"), Prompts::Ok);
    // Choices still in range stay chosen.
    readRanges();
    readModifiers();
}

void TPelMainForm::readModifiers()
{
    doc->setModifiers(league::styleFactors(*shared.settings));
}
