#pragma once
#include <QDialog>
#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class UpDownArrows;

// The player conditionals dialog: two players to mark and three conditional
// orders, kept as one 26-field text in the player's "Conditionals" cell.
// Done keeps the edited text, Cancel the empty text; closing by the frame
// keeps nothing.
class TPlayCondForm : public QDialog {
    Q_OBJECT
public:
    TPlayCondForm(const QString &cellText, const QString &playerName, const QStringList &opponents, bool timeSteps,
                  const QColor &colour, QWidget *parent = nullptr);

    // The text for the player's cell, when Done or Cancel gave one.
    const std::optional<QString> &written() const { return result; }

    // One conditional row: 1st, 2nd or 3rd.
    struct Row {
        QComboBox *event1, *op1;
        QLineEdit *value1;
        UpDownArrows *upDown1;
        QComboBox *event2, *op2;
        QLineEdit *value2;
        UpDownArrows *upDown2;
        QComboBox *action, *position;
        QPushButton *reset;
    };

    QComboBox *MP1Combo = nullptr, *MP2Combo = nullptr;
    QLabel *playerLabel = nullptr;
    std::array<Row, 3> rows{}; // A, B, C
    QCheckBox *TimeCheck = nullptr;
    QPushButton *DoneBtn = nullptr, *CancelBtn = nullptr;

    // The text Done writes.
    QString conditionalText() const;

    void DoneBtnClick();
    void CancelBtnClick();
    void resetRow(int row);

private:
    void FormCreate(const QString &cellText, const QString &playerName, const QStringList &opponents, bool timeSteps);
    QList<QWidget *> fieldControls() const; // the 26 fields' controls, in order
    std::optional<QString> result;
};
