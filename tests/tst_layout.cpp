// Every control of the main window and of each dialog lies inside its window,
// its parent and the window's outline, is covered by no other control, and
// shows its whole text in its own font, at every size and on every sheet;
// every text reads on its background in every colour scheme.
#include "support/fixture.h"
#include "widgets/stringgrid.h"
#include "widgets/verticallabel.h"
#include "widgets/wincolour.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QScreen>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextDocument>

namespace {

// A widget's name for a failure message: the names of its named parents
// and its own name, or its kind and text.
QString nameOf(const QWidget *w)
{
    QString own = w->objectName();
    if (own.isEmpty()) {
        own = QString::fromLatin1(w->metaObject()->className());
        if (auto *l = qobject_cast<const QLabel *>(w))
            own += " \"" + l->text() + '"';
        else if (auto *b = qobject_cast<const QAbstractButton *>(w))
            own += " \"" + b->text() + '"';
        else if (auto *g = qobject_cast<const QGroupBox *>(w))
            own += " \"" + g->title() + '"';
    }
    for (const QWidget *p = w->parentWidget(); p && !w->isWindow(); p = p->isWindow() ? nullptr : p->parentWidget())
        if (!p->objectName().isEmpty() && !p->objectName().startsWith("qt_") && !p->isWindow())
            own = p->objectName() + '/' + own;
    return own;
}

// Controls whose children are their own parts (a list's viewport, a
// combo box's arrow, a tab bar's scroll buttons): checked as one.
bool isWhole(const QWidget *w)
{
    return qobject_cast<const QAbstractScrollArea *>(w) || qobject_cast<const QComboBox *>(w)
           || qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QAbstractButton *>(w)
           || qobject_cast<const QLabel *>(w) || qobject_cast<const QLineEdit *>(w)
           || qobject_cast<const QTabBar *>(w) || qobject_cast<const QMenuBar *>(w)
           || w->inherits("LedLight") || w->inherits("UpDownArrows");
}

// The controls of a window that the manager sees: every visible widget
// below it that is not a part of another control. A tab widget's bar and
// page stack are its own parts; its current page is a control.
QList<QWidget *> controlsOf(QWidget *top)
{
    QList<QWidget *> out;
    for (QWidget *w : top->findChildren<QWidget *>()) {
        if (w->isWindow() || !w->isVisibleTo(top))
            continue;
        bool part = false;
        for (QWidget *p = w->parentWidget(); p && p != top; p = p->parentWidget())
            part = part || isWhole(p);
        const QWidget *parent = w->parentWidget();
        if (qobject_cast<const QTabWidget *>(parent))
            part = true; // the bar and the page stack
        if (!part)
            out.append(w);
    }
    return out;
}

// The part of a parent that its children may use: inside its frame, and
// below a group box's title.
QRect roomIn(const QWidget *parent)
{
    if (qobject_cast<const QGroupBox *>(parent) || qobject_cast<const QFrame *>(parent))
        return parent->contentsRect();
    return parent->rect();
}

bool holds(const QRegion &region, const QRect &r)
{
    return QRegion(r).subtracted(region).isEmpty();
}

QString plain(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)"))).replace("&&", "&");
}

// What a control shows, in its parent's coordinates: a label's text, the
// whole widget for any other control. Empty for an empty label.
QRect shownRect(const QWidget *w)
{
    auto *l = qobject_cast<const QLabel *>(w);
    if (!l)
        return w->geometry();
    if (l->text().isEmpty())
        return l->pixmap().isNull() ? QRect() : w->geometry();
    const QRect room = l->contentsRect();
    QSize need;
    if (l->wordWrap() || Qt::mightBeRichText(l->text()))
        need = l->sizeHint().boundedTo(room.size());
    else
        need = l->fontMetrics().size(0, l->text());
    return QStyle::alignedRect(l->layoutDirection(), l->alignment(), need, room).translated(w->pos());
}

// A picture that names and marks are drawn on.
bool isBackdrop(const QWidget *w)
{
    auto *l = qobject_cast<const QLabel *>(w);
    return l && l->text().isEmpty() && !l->pixmap().isNull();
}

// The whole-text rule for one control; empty when its text fits.
QString textProblem(const QWidget *w)
{
    if (auto *l = qobject_cast<const QLabel *>(w)) {
        if (l->text().isEmpty())
            return {};
        const QRect room = l->contentsRect();
        QSize need;
        if (Qt::mightBeRichText(l->text())) {
            QTextDocument doc;
            doc.setDefaultFont(l->font());
            doc.setDocumentMargin(0);
            doc.setHtml(l->text());
            if (l->wordWrap())
                doc.setTextWidth(room.width());
            need = QSize(int(std::ceil(doc.idealWidth())), int(std::ceil(doc.size().height())));
        } else if (l->wordWrap()) {
            need = l->fontMetrics()
                       .boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, l->text())
                       .size();
        } else {
            need = l->fontMetrics().size(0, l->text());
        }
        if (need.width() > room.width() || need.height() > room.height())
            return QStringLiteral("needs %1x%2, has %3x%4")
                .arg(need.width()).arg(need.height()).arg(room.width()).arg(room.height());
        return {};
    }
    if (auto *v = qobject_cast<const VerticalLabel *>(w)) {
        const QSize need = v->fontMetrics().size(0, v->text()).transposed();
        if (need.width() > v->width() || need.height() > v->height())
            return QStringLiteral("upright text needs %1x%2").arg(need.width()).arg(need.height());
        return {};
    }
    if (auto *b = qobject_cast<const QAbstractButton *>(w); b && !b->text().isEmpty()) {
        const QString text = plain(b->text());
        QRect room = b->rect().adjusted(2, 2, -2, -2);
        if (qobject_cast<const QPushButton *>(b)) {
            QStyleOptionButton opt;
            opt.initFrom(b);
            opt.text = b->text();
            room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
        } else if (qobject_cast<const QCheckBox *>(b)) {
            QStyleOptionButton opt;
            opt.initFrom(b);
            opt.text = b->text();
            room = b->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, b);
        }
        const QSize need = b->fontMetrics().size(Qt::TextShowMnemonic, text);
        if (need.width() > room.width() || need.height() > room.height())
            return QStringLiteral("caption needs %1x%2, has %3x%4")
                .arg(need.width()).arg(need.height()).arg(room.width()).arg(room.height());
        return {};
    }
    if (auto *g = qobject_cast<const QGroupBox *>(w)) {
        QStyleOptionGroupBox opt;
        opt.initFrom(g);
        opt.text = g->title();
        opt.lineWidth = 1;
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        opt.textAlignment = g->alignment();
        const QRect label = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
        if (!g->rect().contains(label) || label.width() < g->fontMetrics().horizontalAdvance(plain(g->title())))
            return QStringLiteral("title does not fit");
        return {};
    }
    if (auto *t = qobject_cast<const QTableView *>(w); t && t->model()) {
        // Header cells (the fixed row and column) show their whole text;
        // a grid without scroll bars shows every cell.
        const QAbstractItemModel *m = t->model();
        const int margin = 2 * (t->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, t) + 1);
        const QFontMetrics fm(t->font());
        for (int r = 0; r < m->rowCount(); ++r)
            for (int c = 0; c < m->columnCount(); ++c) {
                const QModelIndex index = m->index(r, c);
                const QString text = index.data().toString();
                if (text.isEmpty())
                    continue;
                if (fm.height() > t->rowHeight(r))
                    return QStringLiteral("row %1 lower than its text").arg(r);
                if (!(index.flags() & Qt::ItemIsSelectable) && fm.horizontalAdvance(text) + margin > t->columnWidth(c))
                    return QStringLiteral("header \"%1\" wider than its column").arg(text);
            }
        int width = 0, height = 0;
        for (int c = 0; c < m->columnCount(); ++c)
            width += t->columnWidth(c);
        for (int r = 0; r < m->rowCount(); ++r)
            height += t->rowHeight(r);
        if (t->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff && width > t->viewport()->width())
            return QStringLiteral("columns cut: %1 of %2").arg(t->viewport()->width()).arg(width);
        if (t->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff && height > t->viewport()->height())
            return QStringLiteral("rows cut: %1 of %2").arg(t->viewport()->height()).arg(height);
    }
    return {};
}

// What of a control must lie inside the window's outline, in its own
// coordinates: nothing of a bare container (it only holds controls), the
// captions of a menu bar, the page and the tabs of a tab widget, all of any
// other control.
QList<QRect> shownParts(const QWidget *w)
{
    if (w->metaObject() == &QWidget::staticMetaObject)
        return {};
    if (auto *bar = qobject_cast<const QMenuBar *>(w)) {
        QList<QRect> entries;
        for (QAction *a : bar->actions()) // the caption, within the entry's padding
            entries << bar->actionGeometry(a).adjusted(4, 2, -4, -2);
        return entries;
    }
    if (auto *tabs = qobject_cast<const QTabWidget *>(w)) {
        QList<QRect> parts{tabs->findChild<QStackedWidget *>()->geometry()};
        const QTabBar *bar = tabs->tabBar();
        for (int i = 0; i < bar->count(); ++i)
            parts << bar->tabRect(i).translated(bar->pos());
        return parts;
    }
    return {w->rect()};
}

// The three rules over one window as it is shown now.
QStringList layoutFaults(QWidget *top)
{
    QStringList faults;
    const QRegion outline = top->mask().isEmpty() ? QRegion(top->rect()) : top->mask();
    const QList<QWidget *> controls = controlsOf(top);
    for (QWidget *w : controls) {
        const QString name = nameOf(w);
        const QPoint origin = w->mapTo(top, QPoint(0, 0));
        if (!top->rect().contains(QRect(origin, w->size())))
            faults << name + ": outside the window";
        for (const QRect &part : shownParts(w))
            if (!holds(outline, part.translated(origin))) {
                faults << name + QStringLiteral(": outside the window's outline (%1,%2 %3x%4; mask bounds %5,%6 %7x%8)")
                    .arg(part.translated(origin).x()).arg(part.translated(origin).y()).arg(part.width()).arg(part.height())
                    .arg(outline.boundingRect().x()).arg(outline.boundingRect().y()).arg(outline.boundingRect().width()).arg(outline.boundingRect().height());
                break;
            }
        if (!roomIn(w->parentWidget()).contains(w->geometry()))
            faults << name + QStringLiteral(": outside its parent (%1,%2 %3x%4 in %5,%6 %7x%8)")
                                 .arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height())
                                 .arg(roomIn(w->parentWidget()).x()).arg(roomIn(w->parentWidget()).y())
                                 .arg(roomIn(w->parentWidget()).width()).arg(roomIn(w->parentWidget()).height());
        if (const QString p = textProblem(w); !p.isEmpty())
            faults << name + ": " + p;
        if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            const QTabBar *bar = tabs->tabBar();
            for (int i = 0; i < bar->count(); ++i)
                if (!bar->rect().contains(bar->tabRect(i))
                    || bar->fontMetrics().horizontalAdvance(plain(bar->tabText(i))) + 8 > bar->tabRect(i).width())
                    faults << name + QStringLiteral(": tab \"%1\" cut").arg(bar->tabText(i));
        }
    }
    for (int i = 0; i < controls.size(); ++i)
        for (int j = i + 1; j < controls.size(); ++j) {
            QWidget *a = controls.at(i), *b = controls.at(j);
            if (a->parentWidget() != b->parentWidget() || isBackdrop(a) || isBackdrop(b))
                continue;
            if (shownRect(a).intersects(shownRect(b)))
                faults << nameOf(a) + " and " + nameOf(b) + ": one covers the other";
        }
    return faults;
}

// The background a control's text is drawn on: its own field, or the
// nearest parent that paints one.
QColor backgroundOf(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (p->autoFillBackground() || p->isWindow())
            return p->palette().color(QPalette::Window);
    return w->palette().color(QPalette::Window);
}

// Every text of a window against what it is drawn on.
QStringList contrastFaults(QWidget *top)
{
    QStringList faults;
    auto check = [&](const QWidget *w, const QString &what, const QColor &text, const QColor &back) {
        const double ratio = contrastRatio(text, back);
        if (ratio < ReadableContrast)
            faults << QStringLiteral("%1%2: %3 on %4 is %5:1")
                          .arg(nameOf(w), what, text.name(), back.name()).arg(ratio, 0, 'f', 2);
    };
    for (QWidget *w : controlsOf(top)) {
        // WCAG 2 asks nothing of an inactive control's text (a greyed-out
        // Apply with nothing to apply).
        if (!w->isEnabled())
            continue;
        const QPalette pal = w->palette();
        if (auto *t = qobject_cast<QTableView *>(w); t && t->model()) {
            const QAbstractItemModel *m = t->model();
            for (int r = 0; r < m->rowCount(); ++r)
                for (int c = 0; c < m->columnCount(); ++c) {
                    const QModelIndex index = m->index(r, c);
                    const QVariant fore = index.data(Qt::ForegroundRole), back = index.data(Qt::BackgroundRole);
                    check(w, QStringLiteral(" cell %1,%2").arg(c).arg(r),
                          fore.isValid() ? fore.value<QColor>() : pal.color(QPalette::Text),
                          back.isValid() ? back.value<QColor>() : pal.color(QPalette::Base));
                }
        } else if (qobject_cast<QAbstractScrollArea *>(w) || qobject_cast<QLineEdit *>(w)
                   || qobject_cast<QAbstractSpinBox *>(w)) {
            check(w, QString(), pal.color(QPalette::Text), pal.color(QPalette::Base));
        } else if (auto *box = qobject_cast<QComboBox *>(w)) {
            check(w, QString(), pal.color(QPalette::ButtonText), pal.color(QPalette::Button));
            check(w, " list", pal.color(QPalette::Text), pal.color(QPalette::Base));
            Q_UNUSED(box);
        } else if (qobject_cast<QAbstractButton *>(w) && !qobject_cast<QCheckBox *>(w)) {
            check(w, QString(), pal.color(QPalette::ButtonText), pal.color(QPalette::Button));
        } else if (qobject_cast<QLabel *>(w) || qobject_cast<QCheckBox *>(w) || qobject_cast<QGroupBox *>(w)
                   || qobject_cast<VerticalLabel *>(w)) {
            // A name plate draws its own background.
            const QColor back = w->autoFillBackground() || w->inherits("NamePlate") ? pal.color(QPalette::Window)
                                                                                    : backgroundOf(w);
            check(w, QString(), pal.color(QPalette::WindowText), back);
            // A link in a label, in the colour its text gives it.
            if (auto *l = qobject_cast<QLabel *>(w); l && l->text().contains("<a ")) {
                const auto m = QRegularExpression(QStringLiteral("color: *(#[0-9a-fA-F]{6})")).match(l->text());
                check(w, " link", m.hasMatch() ? QColor(m.captured(1)) : pal.color(QPalette::Link), back);
            }
        }
    }
    return faults;
}

// Lists the faults in the test's output; a failure message holds only
// the first few.
QString joined(const QStringList &faults)
{
    for (const QString &f : faults)
        qWarning("%s", qPrintable(f));
    return QString::number(faults.size()) + " faults: " + faults.mid(0, 3).join(QStringLiteral("\n    "));
}

// A drag of the window's border to an outer size.
void drag(TPelMainForm &w, QSize outer)
{
    w.resize(outer - (w.frameGeometry().size() - w.size()));
    QCoreApplication::processEvents();
}

// A window with the example roster open and names on the pitch.
TPelMainForm &startWith(Fixture &fx)
{
    TPelMainForm &w = fx.start();
    w.show();
    QCoreApplication::processEvents();
    fx.openRoster("ABC.ros", "ABC,Athletic Borough,J. Smith\r\n" + exampleRoster().mid(exampleRoster().indexOf('\n') + 1));
    for (QLabel *l : pitchLabels(w))
        l->setText(QStringLiteral("Whittingham")); // a long name
    return w;
}

QTabWidget *tabsOf(const TPelMainForm &w)
{
    return ctl<QTabWidget>(w, "MainPageControl");
}

void showSheet(const TPelMainForm &w, const char *sheet)
{
    tabsOf(w)->setCurrentWidget(ctl<QWidget>(w, sheet));
}

QPoint screenCentre()
{
    return QGuiApplication::primaryScreen()->availableGeometry().center();
}

// Centred on the screen; a window larger than the test's screen is not
// judged (the test platform moves such windows by its frame's width).
bool centredOnScreen(const QWidget *w)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    if (w->frameGeometry().width() > screen.width() || w->frameGeometry().height() > screen.height())
        return true;
    const QPoint d = w->frameGeometry().center() - screenCentre();
    return std::abs(d.x()) <= 1 && std::abs(d.y()) <= 1;
}

struct DialogCase {
    const char *name;
    bool centred;
    std::function<void(Fixture &, TPelMainForm &)> open;
};

QList<DialogCase> dialogCases()
{
    return {
        {"Team Tactics", true, [](Fixture &, TPelMainForm &w) { ctl<QPushButton>(w, "MatchTacBtn")->click(); }},
        {"Player Conditionals", true,
         [](Fixture &, TPelMainForm &w) { clickCell(ctl<GridView>(w, "RosterStringGrid"), 8, 1); }},
        {"League Administration", true, [](Fixture &, TPelMainForm &w) { ctl<QAction>(w, "AdminTasks")->trigger(); }},
        {"User Directory", true, [](Fixture &, TPelMainForm &w) { ctl<QAction>(w, "MenuSelectDirectory")->trigger(); }},
        {"Coaching Filter", false, [](Fixture &, TPelMainForm &w) { ctl<QAction>(w, "MenuCoachFilt")->trigger(); }},
        {"Bid amount", false,
         [](Fixture &, TPelMainForm &w) {
             showSheet(w, "AuctionSheet");
             clickCell(ctl<GridView>(w, "AuctionStringGrid"), 1, 1);
         }},
        {"Bid name", true,
         [](Fixture &, TPelMainForm &w) {
             showSheet(w, "AuctionSheet");
             clickCell(ctl<GridView>(w, "AuctionStringGrid"), 2, 1);
         }},
        {"About", true, [](Fixture &, TPelMainForm &w) { ctl<QAction>(w, "About1")->trigger(); }},
        {"Suggest Lineup", false, [](Fixture &, TPelMainForm &w) { ctl<QAction>(w, "SuggestLineupMenu")->trigger(); }},
    };
}

// Opens each dialog in the window as it stands and hands it, shown, to
// the check.
void eachDialog(Fixture &fx, TPelMainForm &w, const std::function<void(const char *, bool, QDialog *)> &check)
{
    for (const DialogCase &c : dialogCases()) {
        bool seen = false;
        fx.prompts.dialogs.enqueue([&](QDialog *d) {
            d->show();
            QCoreApplication::processEvents();
            check(c.name, c.centred, d);
            seen = true;
            d->reject();
        });
        c.open(fx, w);
        QVERIFY2(seen, c.name);
        showSheet(w, "MainSheet");
    }
}

const char *const Contact = "[Options]\r\nContactEmail=manager.help@pellmore.example\r\n";

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void mainWindow_data()
    {
        QTest::addColumn<QString>("size"); // a size entry, or empty for a drag
        QTest::addColumn<QSize>("dragTo");
        QTest::newRow("start-up size") << QString() << QSize();
        QTest::newRow("F5, 640 x 480") << "Size640" << QSize();
        QTest::newRow("F6, 800 x 600") << "Size800" << QSize();
        QTest::newRow("F7, 1024 x 768") << "Size1024" << QSize();
        QTest::newRow("custom 700 x 500") << QString() << QSize(700, 500);
        QTest::newRow("custom 681 x 481") << QString() << QSize(681, 481);
        QTest::newRow("custom 1000 x 520") << QString() << QSize(1000, 520);
        QTest::newRow("custom 690 x 900") << QString() << QSize(690, 900);
        QTest::newRow("custom 1400 x 1000") << QString() << QSize(1400, 1000);
    }
    void mainWindow()
    {
        QFETCH(QString, size);
        QFETCH(QSize, dragTo);
        Fixture fx(Contact);
        TPelMainForm &w = startWith(fx);
        if (!size.isEmpty())
            ctl<QAction>(w, qPrintable(size))->trigger();
        if (dragTo.isValid())
            drag(w, dragTo);
        QCoreApplication::processEvents();
        QStringList faults;
        QTabWidget *tabs = tabsOf(w);
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            for (const QString &f : layoutFaults(&w))
                faults << tabs->tabText(i) + ": " + f;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(joined(faults)));
    }

    void dialogs()
    {
        Fixture fx(Contact);
        TPelMainForm &w = startWith(fx);
        eachDialog(fx, w, [](const char *name, bool centred, QDialog *d) {
            const QStringList faults = layoutFaults(d);
            QVERIFY2(faults.isEmpty(), qPrintable(QString::fromLatin1(name) + ":\n    " + joined(faults)));
            if (centred)
                QVERIFY2(centredOnScreen(d), qPrintable(QStringLiteral("%1 at %2,%3 %4x%5").arg(name)
                    .arg(d->frameGeometry().x()).arg(d->frameGeometry().y()).arg(d->frameGeometry().width()).arg(d->frameGeometry().height())));
        });
    }

    void sheetCommandsReachable_data()
    {
        QTest::addColumn<QString>("size");
        QTest::newRow("F5") << "Size640";
        QTest::newRow("F6") << "Size800";
    }
    // The save buttons a manager needs stay on screen at the small sizes.
    void sheetCommandsReachable()
    {
        QFETCH(QString, size);
        Fixture fx;
        TPelMainForm &w = startWith(fx);
        ctl<QAction>(w, qPrintable(size))->trigger();
        QCoreApplication::processEvents();
        for (const char *name : {"SaveBidsBtn", "SavePressBtn", "AddZipListBtn", "ZipBtn"}) {
            QPushButton *b = ctl<QPushButton>(w, name);
            tabsOf(w)->setCurrentWidget(b->parentWidget());
            QCoreApplication::processEvents();
            QVERIFY2(b->isVisible(), qPrintable(b->objectName()));
            const QRect shown(b->mapTo(&w, QPoint(0, 0)), b->size());
            QVERIFY2(holds(w.mask(), shown), qPrintable(b->objectName()));
            QVERIFY2(b->parentWidget()->rect().contains(b->geometry()), qPrintable(b->objectName()));
        }
    }

    void viewerListsShowTheWholeLineup()
    {
        Fixture fx;
        TPelMainForm &w = startWith(fx);
        showSheet(w, "LineupSheet");
        QListWidget *starters = ctl<QListWidget>(w, "StartersListBox"), *subs = ctl<QListWidget>(w, "SubsListBox");
        // Lines with conditionals are wider than the list: its scroll bar
        // below takes room too.
        for (int i = 0; i < 11; ++i)
            starters->addItem(QStringLiteral("MF Whittingham n        Smith Jones T >= 60   G < 0 S1 MF") + QString(40, u' '));
        for (int i = 1; i <= 5; ++i)
            subs->addItem(QStringLiteral("S%1: FW Whittingham a").arg(i));
        QCoreApplication::processEvents();
        QCOMPARE(w.outerSize(), QSize(803, 609));
        for (QListWidget *list : {starters, subs}) {
            const QRect last = list->visualItemRect(list->item(list->count() - 1));
            QVERIFY2(last.bottom() <= list->viewport()->rect().bottom(), qPrintable(QStringLiteral("%1: line %2 at %3, %4 high; list %5 high")
                .arg(list->objectName()).arg(list->count()).arg(last.y()).arg(last.height()).arg(list->viewport()->height())));
            QCOMPARE(list->verticalScrollBar()->maximum(), 0);
        }
    }

    void windowCentredAfterItsPreset_data()
    {
        QTest::addColumn<QByteArray>("ini");
        // Sizes that fit the test's screen; the designed size is centred
        // first, so each of these shows the centring comes after the preset.
        QTest::newRow("640 x 480") << QByteArray("[Options]\r\nScreenRes=640\r\n");
        QTest::newRow("800 x 600") << QByteArray("[Options]\r\nScreenRes=800\r\n");
        QTest::newRow("custom") << QByteArray("[Options]\r\nScreenRes=999\r\nXRes=760\r\nYRes=560\r\n");
    }
    void windowCentredAfterItsPreset()
    {
        QFETCH(QByteArray, ini);
        Fixture fx(ini);
        TPelMainForm &w = fx.start();
        w.show();
        QCoreApplication::processEvents();
        QVERIFY2(centredOnScreen(&w), qPrintable(QStringLiteral("frame %1,%2 %3x%4")
                                                     .arg(w.frameGeometry().x()).arg(w.frameGeometry().y())
                                                     .arg(w.frameGeometry().width()).arg(w.frameGeometry().height())));
    }

    void contrast_data()
    {
        QTest::addColumn<QByteArray>("scheme");
        QTest::newRow("original") << QByteArray("12639424");
        QTest::newRow("navy") << QByteArray("8388608");     // 0x800000: blue 128
        QTest::newRow("light yellow") << QByteArray("13693183"); // 0xD0F0FF
        QTest::newRow("mid gray") << QByteArray("8421504");  // 0x808080
        QTest::newRow("system") << QByteArray("-2147483633");
    }
    void contrast()
    {
        QFETCH(QByteArray, scheme);
        Fixture fx("[Options]\r\nColourScheme=" + scheme + "\r\n" + QByteArray(Contact).mid(11));
        TPelMainForm &w = startWith(fx);
        const QColor colour = w.colour();
        QStringList faults;
        QTabWidget *tabs = tabsOf(w);
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            faults << contrastFaults(&w);
        }
        // The controls that take the window's colour show it.
        for (const char *name : {"infoPanel", "validPanel", "MainSheet"}) {
            const QWidget *c = ctl<QWidget>(w, name);
            if (backgroundOf(c->findChild<QWidget *>()) != colour)
                faults << nameOf(c) + ": not in the window's colour";
        }
        for (QWidget *c : ctl<QGroupBox>(w, "LUOptionsGroupBox")->findChildren<QWidget *>())
            if ((qobject_cast<QComboBox *>(c) || qobject_cast<QListWidget *>(c))
                && c->palette().color(QPalette::Base) != colour)
                faults << nameOf(c) + ": field not in the window's colour";
        const QAbstractItemModel *totals = ctl<StringGrid>(w, "LineupTotGrid")->model();
        for (int c = 0; c < 7; ++c)
            for (int r = 0; r < 4; ++r)
                if (totals->index(r, c).data(Qt::BackgroundRole).value<QColor>() != colour)
                    faults << QStringLiteral("LineupTotGrid cell %1,%2 not in the window's colour").arg(c).arg(r);
        for (const char *name : {"ChooseOppButton", "MatchTacBtn", "SaveBidsBtn", "SavePressBtn", "AddZipListBtn", "ZipBtn"})
            if (const QPushButton *b = ctl<QPushButton>(w, name); b->palette().color(QPalette::Button) != colour)
                faults << nameOf(b) + ": face not in the window's colour";
        // The menu bar keeps the system's colours.
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::ButtonText})
            if (w.menuBar()->palette().color(role) != QApplication::palette().color(role))
                faults << QStringLiteral("menu bar: not in the system's colours");

        eachDialog(fx, w, [&](const char *name, bool, QDialog *d) {
            for (const QString &f : contrastFaults(d))
                faults << QString::fromLatin1(name) + ": " + f;
        });
        QVERIFY2(faults.isEmpty(), qPrintable(joined(faults)));
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
