#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

// The bid amount dialog. The accepted amount ("ALL" or a whole number) is
// read from amount() after it closes with the OK result.
class TEnterBidForm : public QDialog {
    Q_OBJECT
public:
    TEnterBidForm(const QString &currentPrice, QWidget *parent = nullptr);

    QLineEdit *BidEdit = nullptr;
    QPushButton *BidAllBtn = nullptr, *OKBtn = nullptr, *CancelBtn = nullptr;
    QString amount() const { return accepted; }

    // Done ends the dialog in every case; Enter in the field only on success.
    void OKBtnClick(bool closeAfterMessage = true);
    void BidAllBtnClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString accepted;
};

// The name dialog for a bid, with the suggested name.
class TBidNameDlg : public QDialog {
    Q_OBJECT
public:
    TBidNameDlg(const QString &suggestion, QWidget *parent = nullptr);

    QLineEdit *PlayNameEdit = nullptr;
    QPushButton *ClearBtn = nullptr, *OKBtn = nullptr, *CancelBtn = nullptr;
};
