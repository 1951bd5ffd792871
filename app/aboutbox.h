#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
class FadingLabel;

// The About box, in the main window's colour when it is created. The
// contact address comes from the settings ("Options"/"ContactEmail"); the
// mail link and the address line are hidden while it is empty.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(const QColor &colour, const QString &contactAddress, QWidget *parent = nullptr);

    FadingLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    QLabel *Comments = nullptr;
    QLabel *MailLink = nullptr;
    QLabel *AddressLabel = nullptr;
    QPushButton *OKButton = nullptr;
};
