#include "orders/enterbidunit.h"
#include "app/prompts.h"
#include "orders/bids.h"
#include "widgets/formcontrols.h"
#include "widgets/keyguard.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

TEnterBidForm::TEnterBidForm(const QString &currentPrice, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Enter Bid Amount"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(260, 130);
    (new QLabel(QStringLiteral("Enter Amount to Bid"), this))->setGeometry(12, 10, 236, 18);
    BidEdit = new QLineEdit(this);
    BidEdit->setGeometry(12, 34, 80, 24);
    (new QLabel(QStringLiteral("OR"), this))->setGeometry(104, 38, 24, 18);
    BidAllBtn = new QPushButton(QStringLiteral("Bid ALL"), this);
    BidAllBtn->setGeometry(136, 33, 80, 26);
    OKBtn = new QPushButton(QStringLiteral("Done"), this);
    OKBtn->setGeometry(40, 90, 80, 26);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setGeometry(140, 90, 80, 26);
    bool ok = false;
    if (currentPrice.toInt(&ok) > 0 && ok)
        BidEdit->setText(currentPrice);
    BidEdit->installEventFilter(this);
    connect(OKBtn, &QPushButton::clicked, this, [this] { runGuarded([this] { OKBtnClick(); }); });
    connect(BidAllBtn, &QPushButton::clicked, this, [this] { BidAllBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject); // also Esc
    onlyDefaultButton(this, OKBtn);
}

void TEnterBidForm::OKBtnClick(bool closeAfterMessage)
{
    const QString text = BidEdit->text().trimmed();
    const QString problem = orders::amountProblem(text);
    if (problem.isEmpty()) {
        accepted = text;
        accept();
        return;
    }
    showPlain(QString(), problem);
    if (closeAfterMessage)
        reject(); // the cell stays as it was
}

void TEnterBidForm::BidAllBtnClick()
{
    accepted = QStringLiteral("ALL");
    accept();
}

bool TEnterBidForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == BidEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            runGuarded([this] { OKBtnClick(false); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

TBidNameDlg::TBidNameDlg(const QString &suggestion, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Enter Name"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(300, 120);
    centreOnScreen(this);
    (new QLabel(QStringLiteral("Enter Name for Player"), this))->setGeometry(12, 10, 276, 18);
    PlayNameEdit = new QLineEdit(suggestion, this);
    PlayNameEdit->setGeometry(12, 34, 200, 24);
    refuseCommas(PlayNameEdit); // a comma would add a field to the bid's line
    PlayNameEdit->setMaxLength(orders::MaxBidNameLength);
    ClearBtn = new QPushButton(QStringLiteral("Clear"), this);
    ClearBtn->setGeometry(220, 33, 68, 26);
    OKBtn = new QPushButton(QStringLiteral("Done"), this);
    OKBtn->setGeometry(60, 80, 80, 26);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setGeometry(160, 80, 80, 26);
    connect(ClearBtn, &QPushButton::clicked, PlayNameEdit, &QLineEdit::clear);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject); // also Esc
    onlyDefaultButton(this, OKBtn);
}
