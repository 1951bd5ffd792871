#include "app/pelmainunit1.h"
#include "app/helpwindow.h"
#include "app/leaguesettings.h"
#include "app/infopanel.h"
#include "app/prompts.h"
#include "lineup/checkerpanel.h"
#include "lineup/lineupdocument.h"
#include "lineup/rostersheet.h"
#include "lineup/viewersheet.h"
#include "orders/bidssheet.h"
#include "orders/presssheet.h"
#include "orders/zipsheet.h"
#include "widgets/fonts.h"
#include "widgets/formcontrols.h"
#include "widgets/keyguard.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QTabBar>
#include <QTabWidget>
#include <QUndoStack>

// The pictures are compiled into the program's static library.
static void initResources()
{
    Q_INIT_RESOURCE(pellmore);
}

namespace {
constexpr int DesignedWidth = 803;
constexpr int DesignedHeight = 609;
} // namespace

TPelMainForm::TPelMainForm(const QString &settingsPath, QWidget *parent)
    : QMainWindow(parent), doc(new lineup::LineupDocument(this))
{
    initResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pellmore.png")));
    // The dialogs and message boxes share the window's font.
    QApplication::setFont(programFont());
    setFont(programFont());
    auto *body = new QWidget(this);
    setCentralWidget(body);
    buildSheets(body);
    buildMenus();
    buildToolbar(body);
    showTitle();
    connect(doc, &lineup::LineupDocument::modifiedChanged, this, &TPelMainForm::showTitle);
    connect(doc, &lineup::LineupDocument::choicesChanged, this, &TPelMainForm::showTitle);
    connect(doc, &lineup::LineupDocument::rosterReset, this, &TPelMainForm::showTitle);
    setOuterSize({DesignedWidth, DesignedHeight});
    FormCreate(settingsPath);
    centreOnScreen(this, outerSize()); // at the size of the stored preset
}

TPelMainForm::~TPelMainForm()
{
    // The sheets and panels show the document: they go before it.
    delete takeCentralWidget();
}

void TPelMainForm::FormCreate(const QString &settingsPath)
{
    if (!QFileInfo::exists(settingsPath)) {
        const int answer = showMessage(Prompts::Kind::Error, QStringLiteral("WARNING INI file not found (see Help)"),
                                       Prompts::Abort | Prompts::Help);
        if (answer == Prompts::Help)
            runGuarded([this] {
                // The help document, in the program's own window, before the end.
                HelpWindow help(this);
                help.openContents();
                Prompts::current().runDialog(&help);
            });
        return; // started() is false: the program ends
    }
    shared.settings = std::make_unique<IniStore>(settingsPath);
    const IniStore ini = shared.settings->snapshot(); // one read for all of start-up

    ApplyColour(ini.readInteger("Options", "ColourScheme", OriginalColour));
    MenuAutoIncr->setChecked(ini.readBool("Options", "AutoIncr", false));
    shared.timeSteps = ini.readBool("Options", "TimeSteps", false);
    Mins15On->setChecked(shared.timeSteps);
    Mins15Off->setChecked(!shared.timeSteps);
    readRanges();

    shared.workingDir = ini.readString("Options", "WorkingDir", QString());
    if (!shared.workingDir.isEmpty())
        shared.rosterFolder = shared.workingDir;

    // The stored size preset; the settings are not written at start-up.
    switch (const int preset = ini.readInteger("Options", "ScreenRes", 0)) {
    case 640:
    case 800:
    case 1024: setOuterSize(presetSize(preset)); sizeEntry(preset)->setChecked(true); break;
    case 999:
        setOuterSize({ini.readInteger("Options", "XRes", 796, 0, league::MaxWindowSide),
                      ini.readInteger("Options", "YRes", 512, 0, league::MaxWindowSide)});
        SizeCustom->setChecked(true);
        break;
    default: break;
    }
    ArrangeControls();
    readModifiers();
    showSheet(rosterSheet);
}

void TPelMainForm::readRanges()
{
    const IniStore &ini = *shared.settings;
    lineup::ChoiceRanges r;
    r.matches = league::matches(ini);
    r.sessions = league::sessions(ini);
    r.homeBonusMin = league::homeBonusMin(ini);
    r.homeBonusMax = league::homeBonusMax(ini);
    doc->setRanges(r);
}

void TPelMainForm::buildSheets(QWidget *body)
{
    infoPanel = new InfoPanel(*doc, body);
    validPanel = new CheckerPanel(*doc, body);

    MainPageControl = new QTabWidget(body);
    nameControl(MainPageControl, "MainPageControl");
    MainPageControl->setGeometry(4, 45, 772, 500);
    MainPageControl->setTabPosition(QTabWidget::South);
    // The style sheet reaches the tabs only: the sheets keep the window's colours.
    MainPageControl->tabBar()->setStyleSheet(
        "QTabBar::tab { height: 25px; padding: 0 6px; color: white; background: #3a5a8a; }"
        "QTabBar::tab:selected { background: #1f3d6b; }"
        "QTabBar::tab:hover { background: #5c85c4; }");
    MainPageControl->tabBar()->setElideMode(Qt::ElideNone);
    rosterSheet = new RosterSheet(*doc, shared);
    viewerSheet = new ViewerSheet;
    zipSheet = new ZipSheet(*doc, shared);
    bidsSheet = new BidsSheet(*doc, *zipSheet);
    pressSheet = new PressSheet(*zipSheet);
    MainPageControl->addTab(rosterSheet, QStringLiteral("Pellmore"));
    MainPageControl->addTab(viewerSheet, QStringLiteral("Lineup Viewer"));
    MainPageControl->addTab(bidsSheet, QStringLiteral("Auction Bids"));
    MainPageControl->addTab(pressSheet, QStringLiteral("Press Statement"));
    MainPageControl->addTab(zipSheet, QStringLiteral("Zip Orders"));
    for (int i = 0; i < MainPageControl->count(); ++i)
        MainPageControl->widget(i)->setAutoFillBackground(true); // in the window's colour
    connect(MainPageControl, &QTabWidget::currentChanged, this, [this](int index) {
        if (!programSwitch)
            runGuarded([&] { MainPageControlChange(index); });
    });
    // Tab follows the screen: the grid, the line-up options top to bottom,
    // the sheets' tabs, then the controls of the sheet shown.
    chainTabOrder(rosterSheet->tabStops() + QList<QWidget *>{MainPageControl->tabBar()} + viewerSheet->tabStops()
                  + bidsSheet->tabStops() + pressSheet->tabStops() + zipSheet->tabStops());
    rosterSheet->tabStops().constFirst()->setFocus();
}

void TPelMainForm::showTitle()
{
    const QString name = doc->hasRoster() ? QFileInfo(lineupPath()).fileName() : QString();
    setWindowTitle(QStringLiteral("Pellmore ") + name + QStringLiteral("[*]"));
    setWindowModified(doc->isModified());
}

void TPelMainForm::showSheet(QWidget *sheet)
{
    programSwitch = true;
    MainPageControl->setCurrentWidget(sheet);
    programSwitch = false;
}

void TPelMainForm::MainPageControlChange(int index)
{
    QWidget *sheet = MainPageControl->widget(index);
    validPanel->setVisible(sheet == rosterSheet);
    if (sheet == zipSheet)
        zipSheet->removeRepeats();
}
