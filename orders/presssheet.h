#pragma once
#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class ZipSheet;

// The "Press Statement" sheet: the text and its file.
class PressSheet : public QWidget {
    Q_OBJECT
public:
    PressSheet(ZipSheet &zip, QWidget *parent = nullptr);

    void SavePressBtnClick();
    void PressHowBtnClick();
    void setColour(const QColor &colour);
    // The controls Tab reaches, in the order they stand on the screen.
    QList<QWidget *> tabStops() const;

private:
    ZipSheet &zip;
    QPlainTextEdit *PressMemo;
    QPushButton *SavePressBtn, *PressHelpBtn;
};
