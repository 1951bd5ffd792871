#include "app/pelmainunit1.h"
#include "app/helpwindow.h"
#include "app/prompts.h"
#include "roster/rosterfile.h"
#include "widgets/formcontrols.h"
#include "widgets/keyguard.h"
#include "widgets/ledlight.h"
#include "widgets/stringgrid.h"
#include "widgets/wincolour.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QUrl>

// The pictures are compiled into the program's static library.
static void initResources()
{
    Q_INIT_RESOURCE(pellmore);
}

namespace {

constexpr int DesignedWidth = 803;
constexpr int DesignedHeight = 609;
const QColor CellColour = fromWinColour(16776176, QPalette());

QLabel *label(const QString &text, QWidget *parent, int x, int y, int w = -1, int h = -1)
{
    auto *l = new QLabel(text, parent);
    l->adjustSize();
    l->setGeometry(x, y, w < 0 ? l->width() : w, h < 0 ? l->height() : h);
    return l;
}

template <typename T> T *place(T *widget, int x, int y, int w, int h)
{
    widget->setGeometry(x, y, w, h);
    return widget;
}

QComboBox *dropDown(QWidget *parent, const char *name, int x, int y, int w)
{
    QComboBox *box = addPickList(parent, {}, x, y, w);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QListWidget *listBox(QWidget *parent, const char *name)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    return list;
}

} // namespace

TPelMainForm::TPelMainForm(const QString &settingsPath, QWidget *parent) : QMainWindow(parent)
{
    initResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pellmore.png")));
    setWindowTitle(QStringLiteral("Pellmore "));
    // "MS Sans Serif" 8 point: the nearest font the system has, at 11 pixels.
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    setFont(f);
    auto *body = new QWidget(this);
    setCentralWidget(body);
    buildPanels(body);
    buildMainSheet();
    buildViewerSheet();
    buildOrderSheets();
    // Tab follows the screen: the grid, the line-up options top to bottom,
    // the sheets' tabs, then the controls of the sheet shown.
    chainTabOrder({RosterStringGrid, SessionNoComboBox, ChooseOppButton, MatchNoComboBox, MatchTacBtn, HBCombo,
                   TTListBox, PTakeBox, TPBox, CPBox, TPListBox, CPListBox, MainPageControl->tabBar(),
                   TeamInfListBox, StartersListBox, SubsListBox, AuctionStringGrid, AutoSortCheckBox, SaveBidsBtn,
                   BidsHelpBtn, PressMemo, SavePressBtn, PressHelpBtn, ZipListBox, AddZipListBtn, ZipBtn});
    RosterStringGrid->setFocus();
    buildMenus();
    buildPopups();
    buildToolbar(body);
    setOuterSize({DesignedWidth, DesignedHeight});
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormCreate(settingsPath);
}

TPelMainForm::~TPelMainForm() = default;

void TPelMainForm::FormCreate(const QString &settingsPath)
{
    if (!QFileInfo::exists(settingsPath)) {
        const int answer = showMessage(Prompts::Kind::Error, QStringLiteral("WARNING INI file not found (see Help)"),
                                       Prompts::Abort | Prompts::Help);
        if (answer == Prompts::Help) {
            const QString help = QFileInfo(settingsPath).absolutePath() + QStringLiteral("/PEL2000.html");
            if (QFileInfo::exists(help))
                QDesktopServices::openUrl(QUrl::fromLocalFile(help));
        }
        return; // started() is false: the program ends
    }
    settings = std::make_unique<IniStore>(settingsPath);
    IniStore &ini = *settings;
    TeamTacticList.clear();
    OppPlayerList.clear();

    ApplyColour(ini.readInteger("Options", "ColourScheme", OriginalColour));

    RosterStringGrid->setRows(18);
    for (int c = 0; c < roster::ColumnCount; ++c) {
        RosterStringGrid->setCell(c, 0, roster::headers().at(c));
        RosterStringGrid->setColumnWidth(c, roster::columnWidth(c));
    }

    MenuAutoIncr->setChecked(ini.readBool("Options", "AutoIncr", false));
    timeSteps = ini.readBool("Options", "TimeSteps", false);
    Mins15On->setChecked(timeSteps);
    Mins15Off->setChecked(!timeSteps);

    fillNumberBox(MatchNoComboBox, 1, ini.readInteger("SeasonLength", "Matches", 30));
    fillNumberBox(SessionNoComboBox, 1, ini.readInteger("SeasonLength", "Sessions", 10));
    fillNumberBox(HBCombo, ini.readInteger("HomeBonus", "Min", 3), ini.readInteger("HomeBonus", "Max", 8));

    workingDir = ini.readString("Options", "WorkingDir", QString());
    if (!workingDir.isEmpty())
        rosterFolder = workingDir;

    // The stored size preset; the settings are not written at start-up.
    switch (const int preset = ini.readInteger("Options", "ScreenRes", 0)) {
    case 640:
    case 800:
    case 1024: setOuterSize(presetSize(preset)); sizeEntry(preset)->setChecked(true); break;
    case 999:
        setOuterSize({ini.readInteger("Options", "XRes", 796), ini.readInteger("Options", "YRes", 512)});
        SizeCustom->setChecked(true);
        break;
    default: break;
    }
    ArrangeControls();

    readModifiers();

    const QStringList positions = lineup::assignedCodes();
    for (int c = 1; c <= 6; ++c) {
        LineupTotGrid->setCell(c, 0, positions.at(c - 1));
        LineupTotGrid->setCell(c, 1, QStringLiteral("0"));
        LineupTotGrid->setCell(c, 2, QStringLiteral("0"));
    }
    LineupTotGrid->setCell(0, 1, QStringLiteral("Num"));
    LineupTotGrid->setCell(0, 2, QStringLiteral("SL"));
    LineupTotGrid->clearSelectionShown();
    for (QLabel *l : pitchLabels)
        l->clear();
    showSheet(MainSheet);
    const int bidWidths[] = {50, 100, 320};
    const char *bidHeaders[] = {"LOT", "Price Bid", "Name"};
    for (int c = 0; c < 3; ++c) {
        AuctionStringGrid->setColumnWidth(c, bidWidths[c]);
        AuctionStringGrid->setCell(c, 0, QString::fromLatin1(bidHeaders[c]));
    }
}

QString TPelMainForm::pathFor(const QString &fileName) const
{
    return workingDir + fileName;
}

void TPelMainForm::fillNumberBox(QComboBox *box, int from, int to)
{
    box->clear();
    for (int n = from; n <= to; ++n)
        box->addItem(QString::number(n));
    box->setCurrentIndex(-1);
}

void TPelMainForm::buildPanels(QWidget *body)
{
    infoPanel = place(new QFrame(body), 4, 0, 266, 40);
    infoPanel->setObjectName("infoPanel");
    infoPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    infoPanel->setLineWidth(2);
    TeamNameLabel = label(QString(), infoPanel, 6, 3, 200, 20);
    QFont big = TeamNameLabel->font();
    big.setBold(true);
    big.setPixelSize(16);
    TeamNameLabel->setFont(big);
    TeamNameLabel->setStyleSheet("color: red");
    ManageLabel = label(QString(), infoPanel, 6, 22, 200, 14);
    AbbLabel = label(QString(), infoPanel, 210, 3, 50, 16);
    AbbLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    AbbLabel->setStyleSheet("color: blue");

    validPanel = place(new QFrame(body), 380, 0, 339, 40);
    validPanel->setObjectName("validPanel");
    validPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    validPanel->setLineWidth(2);
    QFont panelFont = font();
    panelFont.setPixelSize(10);
    validPanel->setFont(panelFont);
    QLabel *title = label(QStringLiteral("Lineup Checker"), validPanel, 2, 4, 100, 14);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont underlined = title->font();
    underlined.setBold(false);
    underlined.setUnderline(true);
    label(QStringLiteral("2:1 rule:"), validPanel, 111, 4)->setFont(underlined);
    label(QStringLiteral("Squad:"), validPanel, 6, 20)->setFont(underlined);
    auto led = [this](const char *name, const QString &text, int lx, int ly, int x, int y, QColor on) {
        label(text, validPanel, lx, ly);
        auto *l = new LedLight(validPanel);
        l->setObjectName(QString::fromLatin1(name));
        l->move(x, y);
        l->setOnColour(on);
        return l;
    };
    const QColor red(Qt::red), purple(128, 0, 128);
    MF21Led = led("MF21Led", "MF", 162, 4, 185, 3, red);
    FW21Led = led("FW21Led", "FW", 205, 4, 227, 3, red);
    subsLed = led("subsLed", "Five Subs", 250, 4, 315, 3, purple);
    valGKLed = led("valGKLed", "GK", 46, 20, 63, 20, red);
    valSWLed = led("valSWLed", "SW", 81, 20, 99, 20, red);
    valDFLed = led("valDFLed", "DF", 119, 20, 140, 20, red);
    valMFLed = led("valMFLed", "MF", 162, 20, 185, 20, red);
    valFWLed = led("valFWLed", "FW", 205, 20, 227, 20, red);
    starting11Led = led("starting11Led", "Starting 11 :", 250, 20, 315, 20, purple);

    MainPageControl = place(new QTabWidget(body), 4, 45, 772, 500);
    MainPageControl->setObjectName("MainPageControl");
    MainPageControl->setTabPosition(QTabWidget::South);
    MainPageControl->setStyleSheet(
        "QTabBar::tab { height: 25px; padding: 0 6px; color: white; background: #3a5a8a; }"
        "QTabBar::tab:selected { background: #1f3d6b; }"
        "QTabBar::tab:hover { background: #5c85c4; }");
    auto sheet = [this](const char *name, const QString &caption) {
        auto *w = new QWidget;
        w->setObjectName(QString::fromLatin1(name));
        MainPageControl->addTab(w, caption);
        return w;
    };
    MainSheet = sheet("MainSheet", "Pellmore");
    LineupSheet = sheet("LineupSheet", "Lineup Viewer");
    AuctionSheet = sheet("AuctionSheet", "Auction Bids");
    PressSheet = sheet("PressSheet", "Press Statement");
    SummarySheet = sheet("SummarySheet", "Zip Orders");
    connect(MainPageControl, &QTabWidget::currentChanged, this, [this](int index) {
        if (!programSwitch)
            runGuarded([&] { MainPageControlChange(index); });
    });
}

void TPelMainForm::buildMainSheet()
{
    RosterStringGrid = new StringGrid(roster::ColumnCount, 18, 1, MainSheet);
    RosterStringGrid->setObjectName("RosterStringGrid");
    RosterStringGrid->setGeometry(0, 0, 518, 439);
    RosterStringGrid->setCellColour(CellColour);
    QFont gridFont(QStringLiteral("MS Sans Serif"));
    gridFont.setPixelSize(12);
    RosterStringGrid->setFont(gridFont);
    RosterStringGrid->setStyleSheet("QTableWidget { color: navy; }");
    connect(RosterStringGrid, &StringGrid::mouseUp, this,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
                runGuarded([&] { RosterStringGridMouseUp(b, x, y); });
            });

    LUOptionsGroupBox = place(new QGroupBox(QStringLiteral("Lineup Options"), MainSheet), 524, 0, 240, 300);
    LUOptionsGroupBox->setObjectName("LUOptionsGroupBox");
    QWidget *g = LUOptionsGroupBox;
    label(QStringLiteral("Session"), g, 8, 20);
    SessionNoComboBox = dropDown(g, "SessionNoComboBox", 78, 16, 40);
    label(QStringLiteral("Opponent"), g, 124, 20);
    ChooseOppButton = place(new QPushButton(QStringLiteral("None"), g), 180, 15, 52, 23);
    ChooseOppButton->setObjectName("ChooseOppButton");
    ChooseOppButton->setToolTip(QStringLiteral("Select Opponent for current match"));
    label(QStringLiteral("Match No."), g, 8, 46);
    MatchNoComboBox = dropDown(g, "MatchNoComboBox", 78, 42, 40);
    MatchTacBtn = place(new QPushButton(QStringLiteral("Team Tactics"), g), 122, 41, 110, 23);
    MatchTacBtn->setObjectName("MatchTacBtn");
    MatchTacBtn->setToolTip(QStringLiteral("Enter Tactics for current match"));
    label(QStringLiteral("Home Bonus"), g, 8, 72);
    HBCombo = dropDown(g, "HBCombo", 78, 68, 40);
    TTListBox = place(listBox(g, "TTListBox"), 122, 68, 110, 52);
    label(QStringLiteral("Penalty Taker"), g, 8, 98);
    PTakeBox = dropDown(g, "PTakeBox", 8, 112, 106);
    label(QStringLiteral("Train (TP)"), g, 8, 140);
    label(QStringLiteral("Coach (CP)"), g, 124, 140);
    TPBox = dropDown(g, "TPBox", 8, 156, 108);
    CPBox = dropDown(g, "CPBox", 124, 156, 108);
    TPListBox = place(listBox(g, "TPListBox"), 8, 180, 108, 80);
    CPListBox = place(listBox(g, "CPListBox"), 124, 180, 108, 80);
    QLabel *note = label(QStringLiteral("Double click on a player in a list to delete them."), g, 8, 264, 224, 30);
    note->setWordWrap(true);

    connect(TPBox, &QComboBox::activated, this, [this] { handle(&TPelMainForm::TPBoxChange); });
    connect(CPBox, &QComboBox::activated, this, [this] { handle(&TPelMainForm::CPBoxChange); });
    connect(TPListBox, &QListWidget::itemDoubleClicked, this, [this] { handle(&TPelMainForm::TPListBoxDblClick); });
    connect(CPListBox, &QListWidget::itemDoubleClicked, this, [this] { handle(&TPelMainForm::CPListBoxDblClick); });
    deleteKeyRuns(TPListBox, [this] { handle(&TPelMainForm::TPListBoxDblClick); });
    deleteKeyRuns(CPListBox, [this] { handle(&TPelMainForm::CPListBoxDblClick); });
    addCellKeys(
        RosterStringGrid,
        [this](const QModelIndex &, QPoint at) {
            runGuarded([&] { RosterStringGridMouseUp(Qt::LeftButton, at.x(), at.y()); });
        },
        [this](const QModelIndex &) { handle(&TPelMainForm::RosterStringGridDeleteKey); });
    connect(ChooseOppButton, &QPushButton::clicked, this, [this] { handle(&TPelMainForm::ChooseOppButtonClick); });
    connect(MatchTacBtn, &QPushButton::clicked, this, [this] { handle(&TPelMainForm::MatchTacBtnClick); });

    LUTotalsGroupBox = place(new QGroupBox(QStringLiteral("Lineup Totals"), MainSheet), 524, 305, 240, 80);
    LUTotalsGroupBox->setObjectName("LUTotalsGroupBox");
    LineupTotGrid = new StringGrid(7, 4, 1, LUTotalsGroupBox);
    LineupTotGrid->setObjectName("LineupTotGrid");
    LineupTotGrid->setDefaultRowHeight(13);
    LineupTotGrid->setColumnWidth(0, 38);
    for (int c = 1; c < 7; ++c)
        LineupTotGrid->setColumnWidth(c, 29);
    LineupTotGrid->setGeometry(12, 18, 38 + 6 * 29 + 4, 4 * 13 + 4);
    LineupTotGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LineupTotGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LineupTotGrid->setSelectionMode(QAbstractItemView::NoSelection);
    LineupTotGrid->setFocusPolicy(Qt::NoFocus);
    LineupTotGrid->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont small = LineupTotGrid->font();
    small.setPixelSize(10);
    LineupTotGrid->setFont(small);
}

void TPelMainForm::buildViewerSheet()
{
    QWidget *s = LineupSheet;
    TeamInfLabel = label(QStringLiteral("Team Information"), s, 8, 4);
    TeamInfListBox = place(listBox(s, "TeamInfListBox"), 8, 20, 351, 100);
    StartersLabel = label(QStringLiteral("Starters"), s, 8, 125);
    StartersListBox = place(listBox(s, "StartersListBox"), 8, 143, 351, 166);
    SubsLabel = label(QStringLiteral("Substitutes"), s, 8, 319);
    SubsListBox = place(listBox(s, "SubsListBox"), 8, 337, 351, 100);
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    for (QListWidget *l : {TeamInfListBox, StartersListBox, SubsListBox}) {
        l->setFont(fixed);
        QPalette pal = l->palette();
        pal.setColor(QPalette::Base, Qt::white);
        l->setPalette(pal);
    }

    pitchPanel = place(new QFrame(s), 384, 0, 380, 370);
    pitchPanel->setObjectName("pitchPanel");
    FieldImage = place(new QLabel(pitchPanel), 0, 5, 300, 356);
    FieldImage->setObjectName("FieldImage");
    FieldImage->setScaledContents(true);
    FieldImage->setPixmap(QPixmap(QStringLiteral(":/pitch.png")));
    auto *caption = new QLabel(pitchPanel);
    caption->setGeometry(312, 56, 20, 240);
    QPixmap vertical(20, 240);
    vertical.fill(Qt::transparent);
    {
        QPainter p(&vertical);
        QFont bold = caption->font();
        bold.setBold(true);
        bold.setPixelSize(14);
        p.setFont(bold);
        p.setPen(Qt::yellow);
        p.translate(15, 240);
        p.rotate(-90);
        p.drawText(0, 0, QStringLiteral("Starting Lineup"));
    }
    caption->setPixmap(vertical);
    struct Place { const char *name; int x, y; };
    static const Place places[20] = {
        {"pitchGK", 98, 334},  {"pitchSW", 121, 302}, {"pitchDF1", 21, 283}, {"pitchDF2", 183, 283},
        {"pitchDF3", 103, 267}, {"pitchDF4", -1, 256}, {"pitchDF5", 191, 248}, {"pitchMF1", 7, 211},
        {"pitchMF2", 183, 211}, {"pitchMF3", 55, 180}, {"pitchMF4", 159, 180}, {"pitchMF5", 95, 142},
        {"pitchWG1", 9, 108},  {"pitchWG2", 192, 108}, {"pitchWG3", 7, 157},  {"pitchWG4", 195, 149},
        {"pitchFW1", 17, 54},  {"pitchFW2", 169, 54}, {"pitchFW3", 81, 76},  {"pitchFW4", 161, 92}};
    for (int i = 0; i < 20; ++i) {
        auto *l = place(new QLabel(pitchPanel), places[i].x, places[i].y, i == 0 ? 95 : 100, 17);
        l->setObjectName(QString::fromLatin1(places[i].name));
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet("color: white; background: transparent; font-weight: bold;");
        pitchLabels[i] = l;
    }
}

void TPelMainForm::buildOrderSheets()
{
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPixelSize(18);

    label(QStringLiteral("Auction Bids"), AuctionSheet, 12, 8)->setFont(titleFont);
    AuctionStringGrid = new StringGrid(3, 6, 0, AuctionSheet);
    AuctionStringGrid->setObjectName("AuctionStringGrid");
    AuctionStringGrid->setGeometry(12, 40, 50 + 100 + 320 + 4, 6 * 24 + 4);
    AuctionStringGrid->setDefaultRowHeight(24);
    AuctionStringGrid->setCellColour(CellColour);
    AutoSortCheckBox = place(new QCheckBox(QStringLiteral("Use Auto Sort"), AuctionSheet), 12, 200, 120, 20);
    AutoSortCheckBox->setObjectName("AutoSortCheckBox");
    SaveBidsBtn = place(new QPushButton(QStringLiteral("Save Bids"), AuctionSheet), 140, 196, 90, 25);
    SaveBidsBtn->setObjectName("SaveBidsBtn");
    BidsHelpBtn = place(new QPushButton(QStringLiteral("?"), AuctionSheet), 240, 196, 25, 25);
    BidsHelpBtn->setObjectName("BidsHelpBtn");

    label(QStringLiteral("Press"), PressSheet, 12, 8)->setFont(titleFont);
    PressMemo = place(new QPlainTextEdit(PressSheet), 12, 40, 600, 340);
    PressMemo->setObjectName("PressMemo");
    PressMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    PressMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SavePressBtn = place(new QPushButton(QStringLiteral("Save Press"), PressSheet), 12, 390, 90, 25);
    SavePressBtn->setObjectName("SavePressBtn");
    PressHelpBtn = place(new QPushButton(QStringLiteral("?"), PressSheet), 112, 390, 25, 25);
    PressHelpBtn->setObjectName("PressHelpBtn");

    label(QStringLiteral("Files for this Session's Orders"), SummarySheet, 12, 8)->setFont(titleFont);
    ZipListBox = place(listBox(SummarySheet, "ZipListBox"), 12, 40, 600, 300);
    ZipListBox->setSortingEnabled(false);
    AddZipListBtn = place(new QPushButton(QStringLiteral("Add Files"), SummarySheet), 12, 350, 90, 25);
    AddZipListBtn->setObjectName("AddZipListBtn");
    ZipBtn = place(new QPushButton(QStringLiteral("Save to Zip"), SummarySheet), 112, 350, 90, 25);
    ZipBtn->setObjectName("ZipBtn");
    label(QStringLiteral("To Delete a file from the list. \nDouble Click on it. "), SummarySheet, 620, 40);

    connect(AuctionStringGrid, &StringGrid::mouseUp, this, [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
        runGuarded([&] { AuctionStringGridMouseUp(x, y); });
    });
    AutoSortCheckBox->setChecked(true);
    AutoSortCheckBox->setToolTip(QStringLiteral("State whether entries should be sorted into Lot order (default: YES)"));
    connect(SaveBidsBtn, &QPushButton::clicked, this, [this] { handle(&TPelMainForm::SaveBidsBtnClick); });
    connect(BidsHelpBtn, &QPushButton::clicked, this, [this] { handle(&TPelMainForm::AuctionBidsHowBtnClick); });
    connect(SavePressBtn, &QPushButton::clicked, this, [this] { handle(&TPelMainForm::SavePressBtnClick); });
    connect(PressHelpBtn, &QPushButton::clicked, this, [this] { handle(&TPelMainForm::PressHowBtnClick); });
    connect(AddZipListBtn, &QPushButton::clicked, this, [this] { handle(&TPelMainForm::AddZipListBtnClick); });
    connect(ZipBtn, &QPushButton::clicked, this, [this] { handle(&TPelMainForm::ZipBtnClick); });
    connect(ZipListBox, &QListWidget::itemDoubleClicked, this, [this] { handle(&TPelMainForm::ZipListBoxDblClick); });
    deleteKeyRuns(ZipListBox, [this] { handle(&TPelMainForm::ZipListBoxDblClick); });
    addCellKeys(AuctionStringGrid, [this](const QModelIndex &, QPoint at) {
        runGuarded([&] { AuctionStringGridMouseUp(at.x(), at.y()); });
    });
}

QPoint TPelMainForm::popupPoint(const QWidget *grid, int x, int y) const
{
    return {frameGeometry().left() + grid->x() + x, frameGeometry().top() + grid->y() + y};
}
