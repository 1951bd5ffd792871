#pragma once
#include <QDialog>

class IniStore;
class QLineEdit;
class QPushButton;

// The coaching filter dialog: the highest age and lowest skill level of the
// players offered for coaching.
class TCoachFiltForm : public QDialog {
    Q_OBJECT
public:
    TCoachFiltForm(IniStore &settings, QWidget *parent = nullptr);

    QLineEdit *MaxAgeBox = nullptr;
    QLineEdit *MinSLBox = nullptr;
    QPushButton *DoneButton = nullptr;
    QPushButton *CancelButton = nullptr;

    void DoneButtonClick();

private:
    void FormCreate();
    IniStore &settings;
};
