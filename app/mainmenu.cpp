// The main window's menus, popups and toolbar, and the frame's own commands.
#include "app/aboutbox.h"
#include "app/helpwindow.h"
#include "app/pelmainunit1.h"
#include "app/prompts.h"

#include <QActionGroup>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolButton>

void TPelMainForm::handle(void (TPelMainForm::*handler)())
{
    runGuarded([&] { (this->*handler)(); });
}

void TPelMainForm::buildMenus()
{
    QMenuBar *bar = menuBar();
    auto entry = [this](QMenu *menu, const char *name, const QString &caption,
                        void (TPelMainForm::*handler)() = nullptr, const QKeySequence &keys = {}) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(keys);
        if (handler)
            connect(a, &QAction::triggered, this, [this, handler] { handle(handler); });
        return a;
    };

    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    OpenSubMenu = entry(file, "OpenSubMenu", "&Open Roster", &TPelMainForm::OpenSubMenuClick, QKeySequence("Ctrl+O"));
    OpenLineupMenu = entry(file, "OpenLineupMenu", "Open &Lineup", &TPelMainForm::OpenLineupMenuClick);
    file->addSeparator();
    SaveLineupMenu = entry(file, "SaveLineupMenu", "&Save Lineup", &TPelMainForm::SaveLineupMenuClick,
                           QKeySequence("Ctrl+S"));
    SaveView1 = entry(file, "SaveView1", "Save && &View", &TPelMainForm::SaveView1Click, QKeySequence("Ctrl+E"));
    NewLineupMenu = entry(file, "NewLineupMenu", "&New Lineup", &TPelMainForm::NewLineupMenuClick,
                          QKeySequence("Ctrl+N"));
    file->addSeparator();
    ExitMenu = entry(file, "ExitMenu", "E&xit", &TPelMainForm::ExitMenuClick, QKeySequence("Ctrl+X"));

    QMenu *options = bar->addMenu(QStringLiteral("&Options"));
    QMenu *formSize = options->addMenu(QStringLiteral("Form Size"));
    Size640 = entry(formSize, "Size640", "640 x 480", nullptr, QKeySequence(Qt::Key_F5));
    Size800 = entry(formSize, "Size800", "800 x 600", nullptr, QKeySequence(Qt::Key_F6));
    Size1024 = entry(formSize, "Size1024", "1024 x 768", nullptr, QKeySequence(Qt::Key_F7));
    SizeCustom = entry(formSize, "SizeCustom", "Custom");
    const int tags[] = {640, 800, 1024, 999};
    int i = 0;
    for (QAction *a : {Size640, Size800, Size1024, SizeCustom}) {
        a->setCheckable(true);
        const int tag = tags[i++];
        a->setData(tag);
        connect(a, &QAction::triggered, this, [this, tag] { runGuarded([&] { changePageSize(tag); }); });
    }

    QMenu *configure = options->addMenu(QStringLiteral("Configure"));
    MenuAutoIncr = entry(configure, "MenuAutoIncr", "Auto Increase", &TPelMainForm::MenuAutoIncrClick);
    MenuAutoIncr->setCheckable(true);
    QMenu *steps = configure->addMenu(QStringLiteral("Set Time Steps"));
    TimeStepDefault = entry(steps, "TimeStepDefault", "Default");
    TimeStepDefault->setEnabled(false);
    Mins15On = entry(steps, "Mins15On", "15 mins ON");
    Mins15Off = entry(steps, "Mins15Off", "15 mins OFF");
    auto *stepGroup = new QActionGroup(this);
    for (QAction *a : {Mins15On, Mins15Off}) {
        a->setCheckable(true);
        stepGroup->addAction(a);
    }
    Mins15On->setData(151);
    Mins15Off->setData(152);
    for (QAction *a : {Mins15On, Mins15Off})
        connect(a, &QAction::triggered, this, [this, a] { runGuarded([&] { SetTimeStep(a); }); });
    QMenu *colours = configure->addMenu(QStringLiteral("Colour Scheme"));
    ColourOriginal = entry(colours, "ColourOriginal", "Original");
    ColourChoose = entry(colours, "ColourChoose", "Choose");
    ColourSystem = entry(colours, "ColourSystem", "System");
    for (QAction *a : {ColourOriginal, ColourChoose, ColourSystem})
        connect(a, &QAction::triggered, this, [this, a] { runGuarded([&] { ColourSchemeClick(a); }); });
    MenuCoachFilt = entry(configure, "MenuCoachFilt", "Coaching Filter", &TPelMainForm::MenuCoachFiltClick);
    configure->addSeparator();
    AdminTasks = entry(configure, "AdminTasks", "Admin Tasks", &TPelMainForm::AdminTasksClick);
    options->addSeparator();
    MenuSelectDirectory =
        entry(options, "MenuSelectDirectory", "User Directory", &TPelMainForm::MenuSelectDirectoryClick);

    QMenu *help = bar->addMenu(QStringLiteral("Help"));
    HelpContents = entry(help, "HelpContents", "&Contents", &TPelMainForm::HelpToolbarBtnClick);
    About1 = entry(help, "About1", "&About...", &TPelMainForm::About1Click);
    // F1 on the Help menu opens the help, as a manager expects of F1.
    auto *f1 = new QAction(this);
    f1->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(f1);
    connect(f1, &QAction::triggered, this, [this] { handle(&TPelMainForm::HelpToolbarBtnClick); });
}

void TPelMainForm::buildPopups()
{
    buildLotPopup();
    PlayPopup = new QMenu(this);
    PlayPopup->setObjectName("PlayPopup");
    PlayDeselect = PlayPopup->addAction(QStringLiteral("[deselect]"));
    PlayDeselect->setData(QString());
    PlayPopup->setDefaultAction(PlayDeselect);
    connect(PlayDeselect, &QAction::triggered, this, [this] { runGuarded([&] { choosePlayer(PlayDeselect); }); });
    PlayPopup->addSeparator();
    const char *styles[][2] = {{"[p]assive", "p"}, {"[n]ormal", "n"}, {"[a]ggressive", "a"}};
    for (const QString &pos : lineup::assignedCodes()) {
        QMenu *sub = PlayPopup->addMenu(pos);
        sub->setObjectName(pos);
        sub->addAction(QStringLiteral("Play Style"))->setEnabled(false);
        for (const auto &style : styles) {
            QAction *a = sub->addAction(QString::fromLatin1(style[0]));
            a->setData(pos + u'|' + QString::fromLatin1(style[1]));
            connect(a, &QAction::triggered, this, [this, a] { runGuarded([&] { choosePlayer(a); }); });
        }
    }

    SubPopup = new QMenu(this);
    SubPopup->setObjectName("SubPopup");
    SubPopup->setToolTipsVisible(true);
    SubDeselect = SubPopup->addAction(QStringLiteral("[deselect]"));
    SubDeselect->setToolTip(QStringLiteral("not a sub"));
    SubDeselect->setData(QString());
    connect(SubDeselect, &QAction::triggered, this, [this] { runGuarded([&] { popSubClick(SubDeselect); }); });
    SubPopup->addSeparator();
    const char *hints[] = {"1st sub", "2nd Sub", "3rd Sub", "4th Sub", "5th Sub"};
    for (int k = 1; k <= 5; ++k) {
        QAction *a = SubPopup->addAction(QStringLiteral("S %1").arg(k));
        a->setToolTip(QString::fromLatin1(hints[k - 1]));
        a->setData(QStringLiteral("S%1").arg(k));
        connect(a, &QAction::triggered, this, [this, a] { runGuarded([&] { popSubClick(a); }); });
    }
}

void TPelMainForm::buildLotPopup()
{
    LOTPopup = new QMenu(this);
    LOTPopup->setObjectName("LOTPopup");
    QAction *deselect = LOTPopup->addAction(QStringLiteral("[Deselect]"));
    deselect->setData(QString());
    LOTPopup->addSeparator();
    QList<QAction *> entries{deselect};
    for (int lot = 1; lot <= 10; ++lot) {
        entries.append(LOTPopup->addAction(QString::number(lot)));
        entries.last()->setData(QString::number(lot));
    }
    for (QAction *a : entries)
        connect(a, &QAction::triggered, this, [this, a] { runGuarded([&] { LotPopupClick(a); }); });
}

void TPelMainForm::buildToolbar(QWidget *body)
{
    ToolBar1 = new QWidget(body);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setGeometry(-100, 0, 105, 26);
    // Placed outside the visible part of the window; hidden too, so that no
    // sliver of it shows at the window's left edge.
    ToolBar1->hide();
    auto button = [this](const char *name, QStyle::StandardPixmap icon, const QString &hint, int x,
                         void (TPelMainForm::*handler)()) {
        auto *b = new QToolButton(ToolBar1);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoRaise(true);
        b->setIcon(style()->standardIcon(icon));
        b->setToolTip(hint);
        b->setGeometry(x, 1, 24, 24);
        if (handler)
            connect(b, &QToolButton::clicked, this, [this, handler] { handle(handler); });
        return b;
    };
    NewToolbarBtn = button("NewToolbarBtn", QStyle::SP_FileIcon, "New Lineup - resets for next match", 2,
                           &TPelMainForm::NewLineupMenuClick);
    OpenToolbarBtn = button("OpenToolbarBtn", QStyle::SP_DialogOpenButton, "Open Roster File", 27,
                            &TPelMainForm::OpenSubMenuClick);
    SaveToolbarBtn = button("SaveToolbarBtn", QStyle::SP_DialogSaveButton, "Save Current Lineup", 52,
                            &TPelMainForm::SaveLineupMenuClick);
    HelpToolbarBtn = button("HelpToolbarBtn", QStyle::SP_DialogHelpButton, "Help on PELM", 77,
                            &TPelMainForm::HelpToolbarBtnClick);
}

void TPelMainForm::HelpToolbarBtnClick()
{
    if (!helpWindow)
        helpWindow = new HelpWindow(this);
    helpWindow->showContents();
}

void TPelMainForm::About1Click()
{
    TAboutBox box(windowColour, settings->readString("Options", "ContactEmail", QString()), this);
    Prompts::current().runDialog(&box);
}

void TPelMainForm::ExitMenuClick()
{
    if (ZipListBox->count() > 0
        && showMessage(Prompts::Kind::Confirmation, QStringLiteral("Orders not Zipped. Exit Anyway?"),
                       Prompts::Yes | Prompts::No) != Prompts::Yes)
        return;
    close();
}
