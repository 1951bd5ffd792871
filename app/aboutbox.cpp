#include "app/aboutbox.h"
#include "widgets/fadinglabel.h"
#include "widgets/formcontrols.h"
#include "widgets/keyguard.h"
#include "widgets/wincolour.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

TAboutBox::TAboutBox(const QColor &colour, const QString &contactAddress, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(372, 232);
    centreOnScreen(this);
    setBackground(this, colour);

    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(8, 8, 356, 180);

    auto *icon = new QLabel(panel);
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    icon->setGeometry(12, 12, 32, 32);

    // Purple fading to a light purple, both in shades that read on the colour.
    ProductName = new FadingLabel(QStringLiteral("Pellmore"), readableShade(QColor(128, 0, 128), colour),
                                  readableShade(QColor(230, 160, 230), colour), panel);
    // A handwriting face where one is installed, else the serif italic.
    QFont script;
    script.setFamilies({QStringLiteral("Lucida Handwriting"), QStringLiteral("Z003"), QStringLiteral("Liberation Serif")});
    script.setPixelSize(24);
    script.setBold(true);
    script.setItalic(true);
    ProductName->setFont(script);
    ProductName->setGeometry(60, 8, 200, 36);

    Version = new QLabel(QStringLiteral("Version 3.3.1"), panel);
    QFont bold = Version->font();
    bold.setBold(true);
    Version->setFont(bold);
    QPalette red = Version->palette();
    red.setColor(QPalette::WindowText, readableShade(Qt::red, colour));
    Version->setPalette(red);
    Version->setGeometry(60, 48, 200, 16);

    Comments = new QLabel(QStringLiteral(" \nContact the author at the address below with comments, \n"
                                         "or to ensure you have the latest version."),
                          panel);
    Comments->setGeometry(12, 68, 336, 44);

    // The link's blue in a shade that reads on the colour.
    MailLink = new QLabel(panel);
    MailLink->setText(QStringLiteral("<a href=\"mailto:%1?subject=Pellmore\" style=\"color: %2\">Email me about PELM</a>")
                          .arg(contactAddress.toHtmlEscaped(), readableShade(QColor(0, 0, 238), colour).name()));
    MailLink->setOpenExternalLinks(true);
    MailLink->setGeometry(12, 118, 200, 18);
    AddressLabel = new QLabel(contactAddress, panel);
    AddressLabel->setObjectName("AddressLabel");
    AddressLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    AddressLabel->setGeometry(12, 140, 332, 18);
    MailLink->setVisible(!contactAddress.isEmpty());
    AddressLabel->setVisible(!contactAddress.isEmpty());

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(148, 198, 75, 25);
    OKButton->setDefault(true);
    setButtonColour(OKButton, colour);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    onlyDefaultButton(this, OKButton);
}
