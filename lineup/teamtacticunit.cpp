#include "lineup/teamtacticunit.h"
#include "app/pelmainunit1.h"
#include "app/leaguesettings.h"
#include "app/inistore.h"
#include "app/prompts.h"
#include "lineup/tactics.h"
#include "widgets/updown.h"
#include "widgets/wincolour.h"

#include "widgets/formcontrols.h"
#include "widgets/keyguard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

lineup::Condition conditionOf(const QComboBox *event, const QComboBox *op, const QLineEdit *value)
{
    return {chosenText(event), chosenText(op), lineup::finishedValueText(value->text())};
}

} // namespace

TTeamTacticForm::TTeamTacticForm(const QStringList &tactics, const QString &startStrategy, IniStore &store,
                                 bool timeSteps, const QColor &colour, QWidget *parent)
    : QDialog(parent), settings(store)
{
    setWindowTitle(QStringLiteral("Team Tactics"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(570, 240);
    centreOnScreen(this);

    addLabel(QStringLiteral("Starting Strategy "), this, 10, 12);
    StartStratBox = addPickList(this, {}, 120, 8, 130);
    addLabel(QStringLiteral("Event"), this, 10, 44);
    addLabel(QStringLiteral("Operator"), this, 60, 44);
    addLabel(QStringLiteral("Value"), this, 120, 44);
    CEventBox = addPickList(this, lineup::conditionEvents(), 10, 60, 44);
    ConditBox1 = addPickList(this, lineup::conditionOperators(), 60, 60, 54);
    CTacVal1 = new QLineEdit(QStringLiteral("0"), this);
    CTacVal1->setMaxLength(4);
    refuseCommas(CTacVal1);
    CTacVal1->setGeometry(120, 60, 40, 22);
    UpDown1 = new UpDownArrows(this);
    UpDown1->move(162, 60);
    addLabel(QStringLiteral("Event"), this, 190, 44);
    addLabel(QStringLiteral("Operator"), this, 240, 44);
    addLabel(QStringLiteral("Value"), this, 300, 44);
    CEventBox2 = addPickList(this, lineup::conditionEvents(), 190, 60, 44);
    ConditBox2 = addPickList(this, lineup::conditionOperators(), 240, 60, 54);
    CTacVal2 = new QLineEdit(QStringLiteral("0"), this);
    CTacVal2->setMaxLength(4);
    refuseCommas(CTacVal2);
    CTacVal2->setGeometry(300, 60, 40, 22);
    UpDown2 = new UpDownArrows(this);
    UpDown2->move(342, 60);
    TimeCheck = new QCheckBox(QStringLiteral("Increment Time Intervals"), this);
    TimeCheck->setGeometry(10, 88, 170, 20);
    addLabel(QStringLiteral("in 15 minute steps"), this, 190, 91);
    ListNewTac1 = new QListWidget(this);
    ListNewTac1->setGeometry(10, 112, 350, 36);
    addLabel(QStringLiteral("Use the following Team Strategy when the above conditions are true."), this, 10, 154)
        ->setFixedWidth(362);
    TeamStratBox1 = addPickList(this, {}, 10, 172, 130);
    AddTacButton1 = new QPushButton(QStringLiteral("Add Tactic ->"), this);
    AddTacButton1->setGeometry(150, 171, 100, 24);
    ResetTacButton = new QPushButton(QStringLiteral("Reset Above"), this);
    ResetTacButton->setGeometry(260, 171, 100, 24);

    addLabel(QStringLiteral("Current Team Tactics"), this, 380, 8);
    TeamTacListBox1 = new QListWidget(this);
    TeamTacListBox1->setGeometry(380, 26, 160, 100);
    TTUpDown = new UpDownArrows(this);
    TTUpDown->move(544, 26);
    for (auto [note, y] : {std::pair{"Double Click on a Tactic to delete it", 130},
                           std::pair{"Select Tactic and use arrows to move it", 162}}) {
        QLabel *l = addLabel(QString::fromLatin1(note), this, 380, y);
        l->setWordWrap(true);
        l->setFixedWidth(180);
    }
    TeamTacSaveBtn = new QPushButton(QStringLiteral("Save && Exit"), this);
    TeamTacSaveBtn->setGeometry(380, 204, 85, 26);
    TeamCancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    TeamCancelBtn->setGeometry(475, 204, 85, 26);

    for (QComboBox *b : {CEventBox, ConditBox1, CEventBox2, ConditBox2})
        connect(b, &QComboBox::currentIndexChanged, this, [this] { OnTacticChange(); });
    connect(CTacVal1, &QLineEdit::textChanged, this, [this] { valueChanged(CTacVal1); });
    connect(CTacVal2, &QLineEdit::textChanged, this, [this] { valueChanged(CTacVal2); });
    auto stepper = [this](QLineEdit *value, QComboBox *event) {
        return [this, value, event](bool up) { stepValueField(value, event, up, TimeCheck->isChecked()); };
    };
    connect(UpDown1, &UpDownArrows::stepped, this, stepper(CTacVal1, CEventBox));
    connect(UpDown2, &UpDownArrows::stepped, this, stepper(CTacVal2, CEventBox2));
    connect(TTUpDown, &UpDownArrows::stepped, this, [this](bool up) { TTUpDownClick(up); });
    connect(AddTacButton1, &QPushButton::clicked, this, [this] { runGuarded([this] { AddTacButton1Click(); }); });
    connect(ResetTacButton, &QPushButton::clicked, this, [this] { ResetTacButtonClick(); });
    connect(TeamTacListBox1, &QListWidget::itemDoubleClicked, this, [this] { TeamTacListBox1DblClick(); });
    connect(TeamTacSaveBtn, &QPushButton::clicked, this, [this] { runGuarded([this] { TeamTacSaveBtnClick(); }); });
    connect(TeamCancelBtn, &QPushButton::clicked, this, &QDialog::reject); // also Esc
    for (QLineEdit *value : {CTacVal1, CTacVal2})
        connect(value, &QLineEdit::editingFinished, this,
                [value] { value->setText(lineup::finishedValueText(value->text())); });
    deleteKeyRuns(TeamTacListBox1, [this] { TeamTacListBox1DblClick(); });
    // The arrow keys do what the arrows beside the controls do.
    upDownKeysRun(CTacVal1, stepper(CTacVal1, CEventBox));
    upDownKeysRun(CTacVal2, stepper(CTacVal2, CEventBox2));
    upDownKeysRun(TeamTacListBox1, [this](bool up) { TTUpDownClick(up); }, Qt::ControlModifier);
    onlyDefaultButton(this, nullptr); // Enter adds, resets and saves nothing
    FormCreate(tactics, startStrategy, timeSteps, colour);
}

void TTeamTacticForm::FormCreate(const QStringList &tactics, const QString &startStrategy, bool timeSteps,
                                 const QColor &colour)
{
    TeamTacListBox1->addItems(tactics);
    setBackground(this, colour);
    TimeCheck->setChecked(timeSteps);
    StartStratBox->clear();
    TeamStratBox1->clear();
    const QStringList names = league::strategyNames(settings);
    StartStratBox->addItems(names);
    TeamStratBox1->addItems(names);
    int start = 0;
    for (int i = 0; i < StartStratBox->count(); ++i)
        if (StartStratBox->itemText(i).left(1) == startStrategy && !startStrategy.isEmpty()) {
            start = i;
            break;
        }
    StartStratBox->setCurrentIndex(StartStratBox->count() > 0 ? start : -1);
    TeamStratBox1->setCurrentIndex(-1);
    TheNewTactic.clear();
    ListNewTac1->clear();
}

void TTeamTacticForm::OnTacticChange()
{
    const lineup::Condition first = conditionOf(CEventBox, ConditBox1, CTacVal1);
    const lineup::Condition second = conditionOf(CEventBox2, ConditBox2, CTacVal2);
    ListNewTac1->clear();
    ListNewTac1->addItems(lineup::readableConditions(first, second));
    TheNewTactic = lineup::tacticCode(first, second);
}

void TTeamTacticForm::valueChanged(QLineEdit *field)
{
    const QString limited = lineup::limitValueText(field->text());
    if (limited != field->text()) {
        field->setText(limited); // runs this again with the limited text
        return;
    }
    OnTacticChange();
}

void stepValueField(QLineEdit *field, const QComboBox *event, bool up, bool timeSteps)
{
    field->setText(lineup::stepValue(field->text(), up, lineup::stepFor(chosenText(event), timeSteps)));
}

void TTeamTacticForm::AddTacButton1Click()
{
    if (TheNewTactic.isEmpty())
        return;
    if (TeamTacListBox1->count() >= 5) {
        showPlain(QStringLiteral("Maximum Reached"), QStringLiteral("Only FIVE Team Conditionals allowed."));
        return;
    }
    TeamTacListBox1->addItem(TheNewTactic + u','
                             + lineup::strategyCode(TeamStratBox1->currentText(), TeamStratBox1->currentIndex() >= 0));
}

void TTeamTacticForm::ResetTacButtonClick()
{
    for (QComboBox *b : {CEventBox, ConditBox1, CEventBox2, ConditBox2, TeamStratBox1})
        b->setCurrentIndex(-1);
    CTacVal1->setText(QStringLiteral("0"));
    CTacVal2->setText(QStringLiteral("0"));
    ListNewTac1->clear();
    TheNewTactic.clear();
}

void TTeamTacticForm::TeamTacListBox1DblClick()
{
    deleteSelected(TeamTacListBox1);
}

void TTeamTacticForm::TTUpDownClick(bool up)
{
    const int i = TeamTacListBox1->currentRow();
    const int target = up ? i - 1 : i + 1;
    if (i < 0 || !TeamTacListBox1->currentItem()->isSelected() || target < 0 || target >= TeamTacListBox1->count())
        return;
    QListWidgetItem *item = TeamTacListBox1->takeItem(i);
    TeamTacListBox1->insertItem(target, item);
    TeamTacListBox1->setCurrentRow(target);
}

void TTeamTacticForm::TeamTacSaveBtnClick()
{
    saved.clear();
    for (int i = 0; i < TeamTacListBox1->count() && i < 5; ++i)
        saved.append(TeamTacListBox1->item(i)->text());
    savedStart = lineup::strategyCode(StartStratBox->currentText(), StartStratBox->currentIndex() >= 0);
    accept();
}
