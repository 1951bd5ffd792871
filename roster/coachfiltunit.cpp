#include "roster/coachfiltunit.h"
#include "app/inistore.h"
#include "app/prompts.h"
#include "roster/rosterfile.h"
#include "widgets/keyguard.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TCoachFiltForm::TCoachFiltForm(IniStore &store, QWidget *parent) : QDialog(parent), settings(store)
{
    setWindowTitle(QStringLiteral("Coaching Filter"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(300, 210);
    auto *heading = new QLabel(QStringLiteral("Set the Coaching Filter"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setGeometry(12, 10, 276, 18);
    (new QLabel(QStringLiteral("Maximum Age"), this))->setGeometry(12, 40, 130, 20);
    MaxAgeBox = new QLineEdit(this);
    MaxAgeBox->setGeometry(150, 40, 40, 21);
    (new QLabel(QStringLiteral("Minimum Skill Level"), this))->setGeometry(12, 68, 130, 20);
    MinSLBox = new QLineEdit(this);
    MinSLBox->setGeometry(150, 68, 40, 21);
    auto *note = new QLabel(QStringLiteral("Specify the Max age and Min skill of players to be included on the "
                                           "COACHING list.  NOTE: Both have to be true to be excluded"),
                            this);
    note->setWordWrap(true);
    note->setGeometry(12, 96, 276, 60);
    DoneButton = new QPushButton(QStringLiteral("Done"), this);
    DoneButton->setGeometry(60, 170, 80, 25);
    DoneButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setGeometry(160, 170, 80, 25);
    connect(DoneButton, &QPushButton::clicked, this, [this] { runGuarded([this] { DoneButtonClick(); }); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject); // also Esc
    onlyDefaultButton(this, DoneButton);
    FormCreate();
}

void TCoachFiltForm::FormCreate()
{
    MinSLBox->setText(QString::number(settings.readInteger("CoachFilt", "MinSkill", roster::DefaultMinSkill)));
    MaxAgeBox->setText(QString::number(settings.readInteger("CoachFilt", "MaxAge", roster::DefaultMaxAge)));
}

void TCoachFiltForm::DoneButtonClick()
{
    bool skillOk = false, ageOk = false;
    const int skill = MinSLBox->text().trimmed().toInt(&skillOk);
    const int age = MaxAgeBox->text().trimmed().toInt(&ageOk);
    // A refused entry keeps the dialog open with the field selected, to be
    // corrected in place.
    QLineEdit *refused = nullptr;
    if (!skillOk || skill < 1 || skill > 99) {
        showPlain(QString(), QStringLiteral("Enter a Skill Level between 1 - 99"));
        refused = MinSLBox;
    } else if (!ageOk || age < 1 || age > 10) {
        showPlain(QString(), QStringLiteral("Enter an Age between 1 - 10"));
        refused = MaxAgeBox;
    }
    if (refused) {
        refused->setFocus();
        refused->selectAll();
        return;
    }
    // A failed write is reported after the dialog has closed.
    struct Close {
        QDialog *dialog;
        ~Close() { dialog->accept(); }
    } close{this};
    settings.writeInteger("CoachFilt", "MinSkill", skill);
    settings.writeInteger("CoachFilt", "MaxAge", age);
}
