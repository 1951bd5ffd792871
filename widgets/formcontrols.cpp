#include "widgets/formcontrols.h"
#include "widgets/fonts.h"
#include "widgets/keyguard.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QGuiApplication>
#include <QRegularExpressionValidator>
#include <QScreen>

QLabel *addLabel(const QString &text, QWidget *parent, int x, int y)
{
    auto *l = new QLabel(text, parent);
    l->move(x, y);
    return l;
}

QLabel *addLabel(const QString &text, QWidget *parent, int x, int y, int w, int h, const QFont *font)
{
    QLabel *l = addLabel(text, parent, x, y);
    if (font)
        l->setFont(*font);
    l->adjustSize();
    l->resize(w < 0 ? l->width() : w, h < 0 ? l->height() : h);
    return l;
}

QLabel *addTitle(const QString &text, QWidget *sheet)
{
    const QFont title = titleFont();
    return addLabel(text, sheet, 12, 8, -1, -1, &title);
}

QListWidget *addListBox(QWidget *parent, const char *name, int x, int y, int w, int h)
{
    auto *list = new QListWidget(parent);
    nameControl(list, name);
    list->setGeometry(x, y, w, h);
    return list;
}

QPushButton *addButton(const QString &text, QWidget *parent, const char *name, int x, int y, int w, int h)
{
    auto *b = new QPushButton(text, parent);
    nameControl(b, name);
    b->setGeometry(x, y, w, h);
    return b;
}

void nameControl(QObject *control, const char *name)
{
    control->setObjectName(QString::fromLatin1(name));
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

int selectedEntry(const QListWidget *list)
{
    const QListWidgetItem *item = list->currentItem();
    return item && item->isSelected() ? list->row(item) : -1;
}

void deleteSelected(QListWidget *list)
{
    if (const int row = selectedEntry(list); row >= 0)
        delete list->takeItem(row);
}

void showEntries(QListWidget *list, const QStringList &texts)
{
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown.append(list->item(i)->text());
    if (shown == texts)
        return;
    list->clear();
    list->addItems(texts);
}

void centreOnScreen(QWidget *window, const QSize &outer)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    window->move(free.x() + (free.width() - outer.width()) / 2, free.y() + (free.height() - outer.height()) / 2);
}

namespace {

// Centres a window again when it is first shown, its frame known by then.
class CentreAtShow : public QObject {
public:
    explicit CentreAtShow(QWidget *window) : QObject(window) { window->installEventFilter(this); }
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            auto *window = static_cast<QWidget *>(object);
            centreOnScreen(window, window->frameGeometry().size());
            deleteLater();
        }
        return false;
    }
};

} // namespace

void centreOnScreen(QWidget *window)
{
    centreOnScreen(window, window->frameGeometry().size());
    new CentreAtShow(window);
}
