#include "widgets/formcontrols.h"
#include "widgets/keyguard.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpressionValidator>

QLabel *addLabel(const QString &text, QWidget *parent, int x, int y)
{
    auto *l = new QLabel(text, parent);
    l->move(x, y);
    return l;
}

QComboBox *addPickList(QWidget *parent, const QStringList &items, int x, int y, int width)
{
    auto *box = new QComboBox(parent);
    pickOnly(box);
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setGeometry(x, y, width, 22);
    return box;
}

void refuseCommas(QLineEdit *field)
{
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^,]*")), field));
}

QString chosenText(const QComboBox *box)
{
    return box->currentIndex() < 0 ? QString() : box->currentText();
}

void deleteSelected(QListWidget *list)
{
    if (QListWidgetItem *item = list->currentItem(); item && item->isSelected())
        delete item;
}
