#include "app/workdirdlg.h"
#include "app/inistore.h"
#include "app/pelmainunit1.h"
#include "app/prompts.h"
#include "widgets/formcontrols.h"
#include "widgets/keyguard.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

TWorkDirDlg::TWorkDirDlg(IniStore &settings, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Change Working Directoy"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(380, 140);
    centreOnScreen(this);
    auto *text = new QLabel(QStringLiteral("Set the directory where files are \n'opened from' and 'saved to' to:"), this);
    text->setGeometry(12, 10, 356, 34);
    DirectoryEdit1 = new QLineEdit(this);
    DirectoryEdit1->setReadOnly(true);
    DirectoryEdit1->setGeometry(12, 52, 322, 24);
    BrowseButton = new QToolButton(this);
    BrowseButton->setText(QStringLiteral("..."));
    BrowseButton->setToolTip(QStringLiteral("Choose the directory"));
    BrowseButton->setGeometry(338, 52, 30, 24);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setGeometry(100, 100, 80, 26);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setGeometry(200, 100, 80, 26);
    connect(BrowseButton, &QToolButton::clicked, this, [this] { runGuarded([this] { BrowseButtonClick(); }); });
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject); // also Esc
    onlyDefaultButton(this, OKBtn);
    FormCreate(settings);
}

QString TWorkDirDlg::defaultFolder()
{
    return withTrailingSeparator(QDir::homePath());
}

QString TWorkDirDlg::withTrailingSeparator(const QString &folder)
{
    return folder.isEmpty() || folder.endsWith(u'/') ? folder : folder + u'/';
}

void TWorkDirDlg::FormCreate(IniStore &settings)
{
    DirectoryEdit1->setText(settings.readString("Options", "WorkingDir", defaultFolder()));
}

void TWorkDirDlg::BrowseButtonClick()
{
    const QString chosen = Prompts::current().chooseDirectory(this, DirectoryEdit1->text());
    if (!chosen.isEmpty())
        DirectoryEdit1->setText(chosen);
}

void TPelMainForm::MenuSelectDirectoryClick()
{
    TWorkDirDlg dialog(*shared.settings, this);
    if (Prompts::current().runDialog(&dialog) != QDialog::Accepted)
        return;
    shared.settings->writeString("Options", "WorkingDir",
                                 TWorkDirDlg::withTrailingSeparator(dialog.DirectoryEdit1->text()));
    const QString stored = shared.settings->readString("Options", "WorkingDir", QString());
    if (!stored.isEmpty()) {
        shared.workingDir = stored;
        shared.rosterFolder = stored;
    }
}
