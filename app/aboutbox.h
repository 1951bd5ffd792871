#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
class FadingLabel;

// The About box, in the main window's colour when it is created.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    static constexpr const char *ContactAddress = "pellmore-support@example.org";

    explicit TAboutBox(const QColor &colour, QWidget *parent = nullptr);

    FadingLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    QLabel *Comments = nullptr;
    QLabel *MailLink = nullptr;
    QPushButton *OKButton = nullptr;
};
