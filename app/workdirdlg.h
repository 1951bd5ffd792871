#pragma once
#include <QDialog>

class IniStore;
class QLineEdit;
class QPushButton;
class QToolButton;

// The working directory dialog: the folder that files are opened from and
// saved to. The field is set only through its browse button.
class TWorkDirDlg : public QDialog {
    Q_OBJECT
public:
    TWorkDirDlg(IniStore &settings, QWidget *parent = nullptr);

    QLineEdit *DirectoryEdit1 = nullptr;
    QToolButton *BrowseButton = nullptr;
    QPushButton *OKBtn = nullptr, *CancelBtn = nullptr;

    // The folder the dialog offers without a stored one: the home folder.
    static QString defaultFolder();
    // Appends the separator a stored folder ends with.
    static QString withTrailingSeparator(const QString &folder);

private:
    void FormCreate(IniStore &settings);
    void BrowseButtonClick();
};
