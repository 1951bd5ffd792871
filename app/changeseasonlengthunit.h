#pragma once
#include <QDialog>

class IniStore;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

// League administration: season length, home bonus range and the SL
// modifiers of the play styles.
class TAdminConfigForm : public QDialog {
    Q_OBJECT
public:
    TAdminConfigForm(IniStore &settings, QWidget *parent = nullptr);

    QLineEdit *MatchNumEdit = nullptr, *SessNumEdit = nullptr;
    QSpinBox *HBminEdit = nullptr, *HBmaxEdit = nullptr;
    QDoubleSpinBox *PassEdit = nullptr, *NormEdit = nullptr, *AggEdit = nullptr;
    QPushButton *DoneBtn = nullptr, *CancelBtn = nullptr;

    void DoneBtnClick();

private:
    void FormCreate();
    IniStore &settings;
};
