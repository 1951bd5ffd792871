#include "widgets/formcontrols.h"

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
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setGeometry(x, y, width, 22);
    return box;
}

namespace {

// Refuses a comma; drops line breaks and other control characters from
// what is typed or pasted, so "Smith" followed by CR LF lands as "Smith".
class SingleFieldValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override
    {
        if (input.contains(u','))
            return Invalid;
        for (qsizetype i = input.size() - 1; i >= 0; --i) {
            const char16_t c = input.at(i).unicode();
            if (c < 0x20 || c == 0x7F) {
                input.remove(i, 1);
                if (pos > i)
                    --pos;
            }
        }
        return Acceptable;
    }
};

} // namespace

void refuseCommas(QLineEdit *field)
{
    field->setValidator(new SingleFieldValidator(field));
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
