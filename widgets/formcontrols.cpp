#include "widgets/formcontrols.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpressionValidator>
#include <QGuiApplication>
#include <QScreen>

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
