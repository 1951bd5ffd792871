#include "app/aboutbox.h"
#include "widgets/fadinglabel.h"
#include "widgets/keyguard.h"
#include "widgets/wincolour.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

TAboutBox::TAboutBox(const QColor &colour, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(372, 232);
    setBackground(this, colour);

    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(8, 8, 356, 180);

    auto *icon = new QLabel(panel);
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    icon->setGeometry(12, 12, 32, 32);

    ProductName = new FadingLabel(QStringLiteral("Pellmore"), QColor(128, 0, 128), QColor(230, 160, 230), panel);
    QFont script(QStringLiteral("Lucida Handwriting"));
    script.setPixelSize(24);
    script.setBold(true);
    script.setItalic(true);
    ProductName->setFont(script);
    ProductName->setGeometry(60, 8, 200, 36);

    Version = new QLabel(QStringLiteral("Version 3.3.1"), panel);
    QFont bold = Version->font();
    bold.setBold(true);
    Version->setFont(bold);
    Version->setStyleSheet("color: red");
    Version->setGeometry(60, 48, 200, 16);

    Comments = new QLabel(QStringLiteral(" \nContact the author at the address below with comments, \n"
                                         "or to ensure you have the latest version."),
                          panel);
    Comments->setGeometry(12, 72, 336, 56);

    MailLink = new QLabel(panel);
    MailLink->setText(QStringLiteral("<a href=\"mailto:%1?subject=Pellmore\">Email me about PELM</a>")
                          .arg(QString::fromLatin1(ContactAddress)));
    MailLink->setOpenExternalLinks(true);
    MailLink->setGeometry(12, 140, 200, 20);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(148, 198, 75, 25);
    OKButton->setDefault(true);
    setButtonColour(OKButton, colour);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    onlyDefaultButton(this, OKButton);
}
