#include "bench/drive.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

namespace bench {

namespace {

// An entry's text as the manager reads it, without its access-letter mark.
QString shownText(const QAction *a)
{
    return QString(a->text()).remove(u'&');
}

} // namespace

QAction *menuEntry(const QWidget *window, const QString &text)
{
    for (QAction *a : window->findChildren<QAction *>())
        if (a->text() == text)
            return a;
    return nullptr;
}

QAction *menuEntryStartingWith(const QWidget *window, const QString &prefix)
{
    for (QAction *a : window->findChildren<QAction *>())
        if (shownText(a).startsWith(prefix))
            return a;
    return nullptr;
}

QAction *popupEntry(const QWidget *window, const char *popup, const QString &submenu, const QString &entry)
{
    const QMenu *menu = window->findChild<QMenu *>(QString::fromLatin1(popup));
    if (menu && !submenu.isEmpty()) {
        const QMenu *sub = nullptr;
        for (QAction *a : menu->actions())
            if (a->menu() && shownText(a) == submenu)
                sub = a->menu();
        menu = sub;
    }
    if (!menu)
        return nullptr;
    for (QAction *a : menu->actions())
        if (shownText(a) == entry)
            return a;
    return nullptr;
}

namespace {

// Counts every event delivered, to tell when the event queue has run dry.
class EventCounter : public QObject {
public:
    bool eventFilter(QObject *, QEvent *) override
    {
        ++count;
        return false;
    }
    long long count = 0;
};

} // namespace

void settle()
{
    static EventCounter *counter = [] {
        auto *c = new EventCounter;
        QCoreApplication::instance()->installEventFilter(c);
        return c;
    }();
    // A delayed layout runs from a zero timer and posts the repaint it needs:
    // go round until a round delivers nothing.
    for (int round = 0; round < 20; ++round) {
        const long long before = counter->count;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        if (counter->count == before)
            break;
    }
}

void showAndSettle(QWidget *window)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        qWarning("window not exposed");
    settle();
}

void closePopups()
{
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
}

int columnOf(const QAbstractItemView *grid, const QString &header)
{
    const QAbstractItemModel *m = grid->model();
    for (int c = 0; c < m->columnCount(); ++c)
        if (m->headerData(c, Qt::Horizontal).toString() == header
            || m->data(m->index(0, c)).toString() == header)
            return c;
    return -1;
}

int rowOf(const QAbstractItemView *grid, const QString &name)
{
    const QAbstractItemModel *m = grid->model();
    for (int r = 0; r < m->rowCount(); ++r)
        if (m->data(m->index(r, 0)).toString() == name)
            return r;
    return -1;
}

void clickCell(QAbstractItemView *grid, int row, int column)
{
    const QModelIndex index = grid->model()->index(row, column);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
}

} // namespace bench
