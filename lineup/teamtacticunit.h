#pragma once
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class IniStore;
class QPushButton;
class UpDownArrows;

// An arrow step on a condition's value field: by 15 for a time event when
// time steps are on, else by 1. Shared with the player conditionals dialog.
void stepValueField(QLineEdit *field, const QComboBox *event, bool up, bool timeSteps);

// The team tactics dialog: the starting strategy and up to five conditional
// tactics. It shows the line-up's tactics when it opens; Save & Exit keeps
// the edited ones for the line-up and accepts.
class TTeamTacticForm : public QDialog {
    Q_OBJECT
public:
    TTeamTacticForm(const QStringList &tactics, const QString &startStrategy, IniStore &settings, bool timeSteps,
                    const QColor &colour, QWidget *parent = nullptr);

    // What Save & Exit kept: at most five entries and the strategy code.
    const QStringList &savedTactics() const { return saved; }
    const QString &savedStrategy() const { return savedStart; }

    QComboBox *StartStratBox = nullptr, *TeamStratBox1 = nullptr;
    QComboBox *CEventBox = nullptr, *ConditBox1 = nullptr, *CEventBox2 = nullptr, *ConditBox2 = nullptr;
    QLineEdit *CTacVal1 = nullptr, *CTacVal2 = nullptr;
    UpDownArrows *UpDown1 = nullptr, *UpDown2 = nullptr, *TTUpDown = nullptr;
    QCheckBox *TimeCheck = nullptr;
    QListWidget *ListNewTac1 = nullptr, *TeamTacListBox1 = nullptr;
    QPushButton *AddTacButton1 = nullptr, *ResetTacButton = nullptr, *TeamTacSaveBtn = nullptr,
                *TeamCancelBtn = nullptr;
    QString TheNewTactic; // the pending tactic's first six fields

    void OnTacticChange();
    void AddTacButton1Click();
    void ResetTacButtonClick();
    void TeamTacListBox1DblClick();
    void TTUpDownClick(bool up);
    void TeamTacSaveBtnClick();

private:
    void FormCreate(const QStringList &tactics, const QString &startStrategy, bool timeSteps, const QColor &colour);
    void valueChanged(QLineEdit *field);
    IniStore &settings;
    QStringList saved;
    QString savedStart;
};
