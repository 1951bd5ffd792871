#include "orders/presssheet.h"
#include "app/prompts.h"
#include "app/textfile.h"
#include "orders/zipsheet.h"
#include "widgets/formcontrols.h"
#include "widgets/onresize.h"
#include "widgets/wincolour.h"

#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QPushButton>

PressSheet::PressSheet(ZipSheet &zipSheet, QWidget *parent) : QWidget(parent), zip(zipSheet)
{
    nameControl(this, "PressSheet");
    addTitle(QStringLiteral("Press"), this);
    PressMemo = new QPlainTextEdit(this);
    nameControl(PressMemo, "PressMemo");
    PressMemo->setGeometry(12, 40, 600, 340);
    PressMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    PressMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SavePressBtn = addButton(QStringLiteral("Save Press"), this, "SavePressBtn", 12, 390, 90, 25);
    PressHelpBtn = addButton(QStringLiteral("?"), this, "PressHelpBtn", 112, 390, 25, 25);
    // On a sheet too low or too narrow for the text box's designed size,
    // the box gives up room, never the buttons below it.
    onResize(this, [this](QSize sheet) {
        PressMemo->resize(std::min(600, sheet.width() - 24), std::min(340, sheet.height() - 85));
        const int y = PressMemo->y() + PressMemo->height() + 10;
        SavePressBtn->move(SavePressBtn->x(), y);
        PressHelpBtn->move(PressHelpBtn->x(), y);
    });
    connect(SavePressBtn, &QPushButton::clicked, this, [this] { runGuarded([this] { SavePressBtnClick(); }); });
    connect(PressHelpBtn, &QPushButton::clicked, this, [this] { runGuarded([this] { PressHowBtnClick(); }); });
}

void PressSheet::setColour(const QColor &colour)
{
    setButtonColour(SavePressBtn, colour);
}

void PressSheet::SavePressBtnClick()
{
    if (!zip.CheckOrdersReady())
        return;
    const QString path = zip.sessionPath(QStringLiteral("Press.txt"));
    // The text exactly as it stands (toPlainText would turn no-break spaces
    // into spaces); its lines end with CR LF, the last one as typed.
    QString text = PressMemo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    const QString fileName = QFileInfo(path).fileName();
    if (const QString problem = textfile::tooLongLine(textfile::splitLines(text), fileName); !problem.isEmpty()) {
        showPlain(QStringLiteral("Press not saved"), problem + QStringLiteral(". Break the line into shorter ones."));
        return;
    }
    text.replace(u'\n', QStringLiteral("\r\n"));
    zip.saveOrderFile(path, textfile::encode(text, fileName), QStringLiteral("Press Saved"),
                      QStringLiteral(" has been saved"), QStringLiteral("Press not saved"));
}

void PressSheet::PressHowBtnClick()
{
    showPlain(QStringLiteral("How do I enter Press?"),
              QStringLiteral("First enter your press by typing in the text box and then press the Save button "
                             "to save it."));
}

QList<QWidget *> PressSheet::tabStops() const
{
    return {PressMemo, SavePressBtn, PressHelpBtn};
}
