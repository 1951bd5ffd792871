// The main window's menus and toolbar, and the frame's own commands.
#include "app/aboutbox.h"
#include "app/helpwindow.h"
#include "app/pelmainunit1.h"
#include "app/prompts.h"
#include "lineup/lineupdocument.h"
#include "orders/zipsheet.h"
#include "widgets/formcontrols.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolButton>
#include <QUndoStack>

void TPelMainForm::buildMenus()
{
    QMenuBar *bar = menuBar();
    auto entry = [this](QMenu *menu, const char *name, const QString &caption,
                        void (TPelMainForm::*handler)() = nullptr, const QKeySequence &keys = {}) {
        QAction *a = menu->addAction(caption);
        nameControl(a, name);
        a->setShortcut(keys);
        if (handler)
            connect(a, &QAction::triggered, this, [this, handler] { runGuarded([&] { (this->*handler)(); }); });
        return a;
    };

    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    entry(file, "OpenSubMenu", "&Open Roster", &TPelMainForm::OpenSubMenuClick, QKeySequence("Ctrl+O"));
    entry(file, "OpenLineupMenu", "Open &Lineup", &TPelMainForm::OpenLineupMenuClick);
    file->addSeparator();
    entry(file, "SaveLineupMenu", "&Save Lineup", &TPelMainForm::SaveLineupMenuClick, QKeySequence("Ctrl+S"));
    entry(file, "SaveView1", "Save && &View", &TPelMainForm::SaveView1Click, QKeySequence("Ctrl+E"));
    entry(file, "NewLineupMenu", "&New Lineup", &TPelMainForm::NewLineupMenuClick, QKeySequence("Ctrl+N"));
    QAction *suggest = entry(file, "SuggestLineupMenu", "Su&ggest Lineup", &TPelMainForm::SuggestLineupMenuClick,
                             QKeySequence("Ctrl+G"));
    // Enabled while a roster is open.
    auto followRoster = [this, suggest] { suggest->setEnabled(doc->hasRoster()); };
    connect(doc, &lineup::LineupDocument::rosterReset, suggest, followRoster);
    followRoster();
    file->addSeparator();
    entry(file, "ExitMenu", "E&xit", &TPelMainForm::ExitMenuClick, QKeySequence("Ctrl+X"));

    // Every change to the line-up can be undone; the entries name the command.
    QMenu *edit = bar->addMenu(QStringLiteral("&Edit"));
    QAction *undo = doc->undoStack()->createUndoAction(edit, QStringLiteral("Undo"));
    nameControl(undo, "UndoMenu");
    undo->setShortcut(QKeySequence("Ctrl+Z"));
    QAction *redo = doc->undoStack()->createRedoAction(edit, QStringLiteral("Redo"));
    nameControl(redo, "RedoMenu");
    redo->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
    edit->addAction(undo);
    edit->addAction(redo);

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
    entry(steps, "TimeStepDefault", "Default")->setEnabled(false);
    Mins15On = entry(steps, "Mins15On", "15 mins ON");
    Mins15Off = entry(steps, "Mins15Off", "15 mins OFF");
    auto *stepGroup = new QActionGroup(this);
    for (QAction *a : {Mins15On, Mins15Off}) {
        a->setCheckable(true);
        stepGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, a] { runGuarded([&] { SetTimeStep(a); }); });
    }
    Mins15On->setData(151);
    Mins15Off->setData(152);
    QMenu *colours = configure->addMenu(QStringLiteral("Colour Scheme"));
    ColourOriginal = entry(colours, "ColourOriginal", "Original");
    ColourChoose = entry(colours, "ColourChoose", "Choose");
    QAction *system = entry(colours, "ColourSystem", "System");
    for (QAction *a : {ColourOriginal, ColourChoose, system})
        connect(a, &QAction::triggered, this, [this, a] { runGuarded([&] { ColourSchemeClick(a); }); });
    entry(configure, "MenuCoachFilt", "Coaching Filter", &TPelMainForm::MenuCoachFiltClick);
    configure->addSeparator();
    entry(configure, "AdminTasks", "Admin Tasks", &TPelMainForm::AdminTasksClick);
    options->addSeparator();
    entry(options, "MenuSelectDirectory", "User Directory", &TPelMainForm::MenuSelectDirectoryClick);

    QMenu *help = bar->addMenu(QStringLiteral("Help"));
    // F1 opens the help, shown beside the entry it runs.
    entry(help, "HelpContents", "&Contents", &TPelMainForm::HelpToolbarBtnClick, QKeySequence(Qt::Key_F1));
    entry(help, "About1", "&About...", &TPelMainForm::About1Click);
}

void TPelMainForm::buildToolbar(QWidget *body)
{
    auto *toolBar = new QWidget(body);
    nameControl(toolBar, "ToolBar1");
    toolBar->setGeometry(-100, 0, 105, 26);
    // Placed outside the visible part of the window; hidden too, so that no
    // sliver of it shows at the window's left edge.
    toolBar->hide();
    auto button = [this, toolBar](const char *name, QStyle::StandardPixmap icon, const QString &hint, int x,
                                  void (TPelMainForm::*handler)()) {
        auto *b = new QToolButton(toolBar);
        nameControl(b, name);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus); // off the screen: Tab never reaches it
        b->setIcon(style()->standardIcon(icon));
        b->setToolTip(hint);
        b->setGeometry(x, 1, 24, 24);
        connect(b, &QToolButton::clicked, this, [this, handler] { runGuarded([&] { (this->*handler)(); }); });
    };
    button("NewToolbarBtn", QStyle::SP_FileIcon, "New Lineup - resets for next match", 2,
           &TPelMainForm::NewLineupMenuClick);
    button("OpenToolbarBtn", QStyle::SP_DialogOpenButton, "Open Roster File", 27, &TPelMainForm::OpenSubMenuClick);
    button("SaveToolbarBtn", QStyle::SP_DialogSaveButton, "Save Current Lineup", 52,
           &TPelMainForm::SaveLineupMenuClick);
    button("HelpToolbarBtn", QStyle::SP_DialogHelpButton, "Help on PELM", 77, &TPelMainForm::HelpToolbarBtnClick);
}

void TPelMainForm::HelpToolbarBtnClick()
{
    if (!helpWindow)
        helpWindow = new HelpWindow(this);
    helpWindow->showContents();
}

void TPelMainForm::About1Click()
{
    TAboutBox box(shared.colour, shared.settings->readString("Options", "ContactEmail", QString()), this);
    Prompts::current().runDialog(&box);
}

bool TPelMainForm::unsavedLineupAnswered()
{
    if (!doc->isModified())
        return true;
    const int answer = showMessage(
        Prompts::Kind::Confirmation,
        QStringLiteral("The line-up %1 has changes that are not saved. Save them?").arg(QFileInfo(lineupPath()).fileName()),
        Prompts::Save | Prompts::Discard | Prompts::Cancel);
    if (answer == Prompts::Save)
        return saveLineup();
    return answer == Prompts::Discard;
}

void TPelMainForm::ExitMenuClick()
{
    if (!unsavedLineupAnswered())
        return;
    if (zipSheet->hasFiles()
        && showMessage(Prompts::Kind::Confirmation, QStringLiteral("Orders not Zipped. Exit Anyway?"),
                       Prompts::Yes | Prompts::No, Prompts::No) != Prompts::Yes)
        return;
    exitAsked = true;
    close();
    exitAsked = false;
}

void TPelMainForm::closeEvent(QCloseEvent *event)
{
    // Closing by the window's frame asks only about an unsaved line-up.
    bool close = true;
    if (!exitAsked && started())
        runGuarded([&] { close = unsavedLineupAnswered(); });
    if (close)
        event->accept();
    else
        event->ignore();
}
