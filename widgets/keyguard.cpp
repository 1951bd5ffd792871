#include "widgets/keyguard.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

namespace {

Qt::KeyboardModifiers modifiersOf(const QKeyEvent *key)
{
    return key->modifiers() & ~Qt::KeypadModifier;
}

// Keys that would change a closed box's entry without the list being seen.
bool changesClosedBox(const QComboBox *box, const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: return !(modifiersOf(key) & Qt::AltModifier); // Alt+Down opens the list
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: return true;
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right: return !box->isEditable(); // they move the cursor in a typed text
    case Qt::Key_Space: // opens the list, or types a blank
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return false;
    default: break;
    }
    // Typed letters would choose the entry they begin.
    return !box->isEditable() && !key->text().isEmpty();
}

class PickOnlyGuard : public QObject {
public:
    explicit PickOnlyGuard(QComboBox *box) : QObject(box), box(box) { box->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Wheel) {
            event->ignore(); // the wheel goes on to what lies behind the box
            return true;
        }
        return event->type() == QEvent::KeyPress && changesClosedBox(box, static_cast<QKeyEvent *>(event));
    }

private:
    QComboBox *box;
};

class CellKeys : public QObject {
public:
    CellKeys(QAbstractItemView *view, CellHandler activate, std::function<void(const QModelIndex &)> erase)
        : QObject(view), view(view), activate(std::move(activate)), erase(std::move(erase))
    {
        view->setTabKeyNavigation(false);
        view->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress: return keyPress(static_cast<QKeyEvent *>(event));
        case QEvent::KeyRelease:
            if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Menu)
                menuKeySeen = false;
            return false;
        case QEvent::ContextMenu:
            // The window system may announce the Menu key as a context menu
            // besides the key itself: one press opens one menu.
            if (static_cast<QContextMenuEvent *>(event)->reason() != QContextMenuEvent::Keyboard)
                return false;
            menuKey();
            return true;
        default: return false;
        }
    }

private:
    bool keyPress(QKeyEvent *key)
    {
        const Qt::KeyboardModifiers modifiers = modifiersOf(key);
        if (key->key() == Qt::Key_Menu) {
            if (!key->isAutoRepeat())
                menuKey();
            return true;
        }
        if (key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
            run();
            return true;
        }
        if (modifiers != Qt::NoModifier)
            return false;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (!key->isAutoRepeat())
                run();
            return true;
        case Qt::Key_Delete:
            if (!erase)
                return false;
            if (const QModelIndex cell = view->currentIndex(); cell.isValid())
                erase(cell);
            return true;
        default: return false;
        }
    }

    void menuKey()
    {
        if (menuKeySeen) {
            menuKeySeen = false;
            return;
        }
        menuKeySeen = true;
        QTimer::singleShot(0, this, [this] { menuKeySeen = false; });
        run();
    }

    void run()
    {
        const QModelIndex cell = view->currentIndex();
        if (!cell.isValid())
            return;
        view->scrollTo(cell);
        activate(cell, view->visualRect(cell).center());
    }

    QAbstractItemView *view;
    CellHandler activate;
    std::function<void(const QModelIndex &)> erase;
    bool menuKeySeen = false;
};

// One key, with exactly the modifiers given, runs a handler.
class KeyRuns : public QObject {
public:
    KeyRuns(QWidget *control, QList<int> keys, Qt::KeyboardModifiers modifiers, std::function<void(int key)> handler)
        : QObject(control), keys(std::move(keys)), modifiers(modifiers), handler(std::move(handler))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!keys.contains(key->key()) || modifiersOf(key) != modifiers)
            return false;
        handler(key->key());
        return true;
    }

private:
    QList<int> keys;
    Qt::KeyboardModifiers modifiers;
    std::function<void(int)> handler;
};

} // namespace

void pickOnly(QComboBox *box)
{
    new PickOnlyGuard(box);
}

void completeByPopup(QComboBox *box)
{
    box->setInsertPolicy(QComboBox::NoInsert);
    auto *completer = new QCompleter(box->model(), box);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    box->setCompleter(completer);
}

void onlyDefaultButton(QDialog *dialog, QPushButton *defaultButton)
{
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
        button->setDefault(button == defaultButton);
    }
}

void addCellKeys(QAbstractItemView *view, CellHandler activate, std::function<void(const QModelIndex &)> erase)
{
    new CellKeys(view, std::move(activate), std::move(erase));
}

void deleteKeyRuns(QAbstractItemView *list, std::function<void()> handler)
{
    new KeyRuns(list, {Qt::Key_Delete}, Qt::NoModifier, [handler = std::move(handler)](int) { handler(); });
}

void upDownKeysRun(QWidget *control, std::function<void(bool up)> step, Qt::KeyboardModifiers modifiers)
{
    new KeyRuns(control, {Qt::Key_Up, Qt::Key_Down}, modifiers,
                [step = std::move(step)](int key) { step(key == Qt::Key_Up); });
}

void chainTabOrder(const QList<QWidget *> &widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *w : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}
