#include "lineup/playcondunit.h"
#include "app/prompts.h"
#include "lineup/tactics.h"
#include "lineup/teamtacticunit.h"
#include "widgets/shape.h"
#include "widgets/updown.h"
#include "widgets/wincolour.h"

#include "widgets/formcontrols.h"
#include "widgets/keyguard.h"

#include <algorithm>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

QString textOf(const QWidget *control)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    auto *box = qobject_cast<const QComboBox *>(control);
    if (box->isEditable())
        return box->currentText();
    return chosenText(box);
}

} // namespace

TPlayCondForm::TPlayCondForm(const QString &cellText, const QString &playerName, const QStringList &opponents,
                             bool timeSteps, const QColor &colour, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Player Conditionals"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(557, 272);
    centreOnScreen(this);
    setMask(roundRectRegion(0, 0, 557, 272, 30, 30));
    setBackground(this, colour);

    auto *markPanel = new QFrame(this);
    markPanel->setObjectName("MarkPanel");
    markPanel->setGeometry(14, 10, 330, 52);
    addLabel(QStringLiteral("Mark Player (1)"), markPanel, 6, 4);
    addLabel(QStringLiteral("Mark Player (2)"), markPanel, 166, 4);
    MP1Combo = new QComboBox(markPanel);
    MP2Combo = new QComboBox(markPanel);
    for (QComboBox *mp : {MP1Combo, MP2Combo}) {
        mp->setEditable(true);
        completeByPopup(mp); // the text stays as typed until a name is picked
        pickOnly(mp);
        refuseCommas(mp->lineEdit());
    }
    MP1Combo->setGeometry(6, 22, 150, 22);
    MP2Combo->setGeometry(166, 22, 150, 22);
    addLabel(QStringLiteral("Conditionals for"), this, 356, 18);
    playerLabel = addLabel(QString(), this, 356, 36);
    playerLabel->setMinimumWidth(180);
    QFont bold = playerLabel->font();
    bold.setBold(true);
    playerLabel->setFont(bold);

    const int xs[] = {50, 96, 150, 212, 258, 312, 374, 424};
    const char *heads[] = {"Event", "Operator", "Value", "Event", "Operator", "Value", "Action", "Position"};
    for (int i = 0; i < 8; ++i)
        addLabel(QString::fromLatin1(heads[i]), this, xs[i] + (i == 2 || i == 5 ? 4 : 0), 68);
    const char *names[] = {"1st", "2nd", "3rd"};
    const QStringList actions{"C", "S1", "S2", "S3", "S4", "S5"};
    for (int r = 0; r < 3; ++r) {
        const int y = 86 + r * 30;
        addLabel(QString::fromLatin1(names[r]), this, 14, y + 4);
        Row &row = rows[r];
        row.event1 = addPickList(this, lineup::conditionEvents(), xs[0], y, 42);
        row.op1 = addPickList(this, lineup::conditionOperators(), xs[1], y, 50);
        row.value1 = new QLineEdit(this);
        row.value1->setGeometry(xs[2], y, 40, 22);
        row.upDown1 = new UpDownArrows(this);
        row.upDown1->move(xs[2] + 42, y);
        row.event2 = addPickList(this, lineup::conditionEvents(), xs[3], y, 42);
        row.op2 = addPickList(this, lineup::conditionOperators(), xs[4], y, 50);
        row.value2 = new QLineEdit(this);
        row.value2->setGeometry(xs[5], y, 40, 22);
        row.upDown2 = new UpDownArrows(this);
        row.upDown2->move(xs[5] + 42, y);
        row.action = addPickList(this, actions, xs[6], y, 46);
        row.position = addPickList(this, {}, xs[7], y, 50);
        row.reset = new QPushButton(QStringLiteral("Reset"), this);
        row.reset->setGeometry(482, y, 56, 22);
        for (QLineEdit *v : {row.value1, row.value2}) {
            v->setMaxLength(4);
            refuseCommas(v);
        }
        auto stepper = [this](QLineEdit *value, QComboBox *event) {
            return [this, value, event](bool up) { stepValueField(value, event, up, TimeCheck->isChecked()); };
        };
        connect(row.upDown1, &UpDownArrows::stepped, this, stepper(row.value1, row.event1));
        connect(row.upDown2, &UpDownArrows::stepped, this, stepper(row.value2, row.event2));
        upDownKeysRun(row.value1, stepper(row.value1, row.event1)); // the arrow keys step as the arrows do
        upDownKeysRun(row.value2, stepper(row.value2, row.event2));
        connect(row.reset, &QPushButton::clicked, this, [this, r] { resetRow(r); });
    }
    TimeCheck = new QCheckBox(QStringLiteral("Increment Time Intervals"), this);
    TimeCheck->setGeometry(14, 180, 170, 20);
    addLabel(QStringLiteral("in 15 minute steps"), this, 190, 183);
    addLabel(QStringLiteral("Time conditionals should be for events forward in time. i.e. use > or >="), this, 14, 204);
    addLabel(QStringLiteral("Press Cancel to delete the Conditional in the main table"), this, 14, 222);
    DoneBtn = new QPushButton(QStringLiteral("Done"), this);
    DoneBtn->setGeometry(370, 234, 75, 26);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setGeometry(455, 234, 75, 26);
    setButtonColour(DoneBtn, colour);
    setButtonColour(CancelBtn, colour);
    connect(DoneBtn, &QPushButton::clicked, this, [this] { runGuarded([this] { DoneBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { runGuarded([this] { CancelBtnClick(); }); });
    onlyDefaultButton(this, DoneBtn); // Enter is Done, never a row's Reset
    FormCreate(cellText, playerName, opponents, timeSteps);
}

QList<QWidget *> TPlayCondForm::fieldControls() const
{
    QList<QWidget *> controls{MP1Combo, MP2Combo};
    for (const Row &r : rows)
        controls << r.event1 << r.op1 << r.value1 << r.event2 << r.op2 << r.value2 << r.action << r.position;
    return controls;
}

void TPlayCondForm::FormCreate(const QString &cell, const QString &playerName, const QStringList &opponents,
                               bool timeSteps)
{
    const QStringList codes{"GK", "SW", "DF", "MF", "WG", "FW", "p", "n", "a"};
    for (const Row &r : rows)
        r.position->addItems(codes);
    for (const Row &r : rows)
        r.position->setCurrentIndex(-1);
    for (QComboBox *mp : {MP1Combo, MP2Combo}) {
        mp->addItem(QString());
        mp->addItems(opponents);
        mp->setCurrentIndex(-1);
        mp->setEditText(QString());
    }
    TimeCheck->setChecked(timeSteps);

    if (!cell.isEmpty()) {
        const QStringList fields = cell.split(u',');
        const QList<QWidget *> controls = fieldControls();
        for (int k = 0; k < fields.size() && k < controls.size(); ++k) {
            const QString &field = fields.at(k);
            QWidget *control = controls.at(k);
            if (auto *edit = qobject_cast<QLineEdit *>(control)) {
                // The typing limit never cuts a value read from the file.
                edit->setMaxLength(std::max(edit->maxLength(), int(field.size())));
                edit->setText(field);
            } else if (auto *box = qobject_cast<QComboBox *>(control); box->isEditable()) {
                box->setEditText(field);
            } else {
                // Event and operator of the 1st conditional's first condition
                // are matched without regard to case.
                const Qt::CaseSensitivity cs = (k == 2 || k == 3) ? Qt::CaseInsensitive : Qt::CaseSensitive;
                int found = -1;
                for (int i = 0; i < box->count() && found < 0; ++i)
                    if (box->itemText(i).compare(field, cs) == 0)
                        found = i;
                box->setCurrentIndex(found);
            }
        }
    }
    playerLabel->setText(playerName);
}

QString TPlayCondForm::conditionalText() const
{
    QStringList fields;
    for (const QWidget *control : fieldControls())
        fields.append(textOf(control));
    return fields.join(u',');
}

void TPlayCondForm::resetRow(int r)
{
    const Row &row = rows[r];
    for (QComboBox *b : {row.event1, row.op1, row.event2, row.op2, row.action, row.position})
        b->setCurrentIndex(-1);
    row.value1->clear();
    row.value2->clear();
}

void TPlayCondForm::DoneBtnClick()
{
    result = conditionalText();
    accept();
}

void TPlayCondForm::CancelBtnClick()
{
    result = QString();
    reject();
}
