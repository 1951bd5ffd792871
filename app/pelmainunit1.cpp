#include "app/pelmainunit1.h"
#include "app/helpwindow.h"
#include "app/prompts.h"
#include "roster/rosterfile.h"
#include "widgets/fonts.h"
#include "widgets/formcontrols.h"
#include "widgets/ledlight.h"
#include "widgets/nameplate.h"
#include "widgets/onresize.h"
#include "widgets/stringgrid.h"
#include "widgets/verticallabel.h"
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
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>

// The pictures are compiled into the program's static library.
static void initResources()
{
    Q_INIT_RESOURCE(pellmore);
}

namespace {

constexpr int DesignedWidth = 803;

// The name labels' places on the pitch picture of 300 by 356 pixels.
struct PitchPlace { const char *name; int x, y; };
constexpr PitchPlace PitchPlaces[20] = {
    {"pitchGK", 98, 334},  {"pitchSW", 121, 302}, {"pitchDF1", 21, 283}, {"pitchDF2", 183, 283},
    {"pitchDF3", 103, 267}, {"pitchDF4", 0, 256},  {"pitchDF5", 191, 248}, {"pitchMF1", 7, 211},
    {"pitchMF2", 183, 211}, {"pitchMF3", 55, 180}, {"pitchMF4", 159, 180}, {"pitchMF5", 95, 142},
    {"pitchWG1", 9, 108},  {"pitchWG2", 192, 108}, {"pitchWG3", 7, 157},  {"pitchWG4", 195, 149},
    {"pitchFW1", 17, 54},  {"pitchFW2", 169, 54}, {"pitchFW3", 81, 76},  {"pitchFW4", 161, 92}};
constexpr int PitchWidth = 300, PitchHeight = 356;
constexpr int DesignedHeight = 609;
const QColor CellColour = fromWinColour(16776176, QPalette());

// A label at a place; without a width or height it takes its text's, in
// the font given.
QLabel *label(const QString &text, QWidget *parent, int x, int y, int w = -1, int h = -1, const QFont *font = nullptr)
{
    auto *l = new QLabel(text, parent);
    if (font)
        l->setFont(*font);
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
    // The dialogs and message boxes share the window's font.
    QApplication::setFont(programFont());
    setFont(programFont());
    auto *body = new QWidget(this);
    setCentralWidget(body);
    buildPanels(body);
    buildMainSheet();
    buildViewerSheet();
    buildOrderSheets();
    buildMenus();
    buildPopups();
    buildToolbar(body);
    setOuterSize({DesignedWidth, DesignedHeight});
    FormCreate(settingsPath);
    centreOnScreen(this, outerSize()); // at the size of the stored preset
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
        RosterStringGrid->widenToText(c); // "Style" and "Subs" need more than 30 pixels
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
        AuctionStringGrid->widenToText(c);
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
    const QFont big = boldFont(16);
    TeamNameLabel = label(QString(), infoPanel, 6, 2, 196, 20, &big);
    TeamNameLabel->setObjectName("TeamNameLabel");
    ManageLabel = label(QString(), infoPanel, 6, 22, 196, 15);
    ManageLabel->setObjectName("ManageLabel");
    // At the panel's right end; the arrangement keeps it there.
    AbbLabel = label(QString(), infoPanel, 216, 3, 46, 17);
    AbbLabel->setObjectName("AbbLabel");
    AbbLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    validPanel = place(new QFrame(body), 380, 0, 339, 40);
    validPanel->setObjectName("validPanel");
    validPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    validPanel->setLineWidth(2);
    validPanel->setFont(programFont(10));
    const QFont bold = boldFont(10);
    QFont underlined = programFont(10);
    underlined.setUnderline(true);
    QLabel *title = label(QStringLiteral("Lineup Checker"), validPanel, 2, 4, 100, 14, &bold);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label(QStringLiteral("2:1 rule:"), validPanel, 111, 4, -1, -1, &underlined);
    label(QStringLiteral("Squad:"), validPanel, 6, 20, -1, -1, &underlined);
    auto led = [this](const char *name, const QString &text, int lx, int ly, int x, int y, QColor on,
                      const QString &rule) {
        label(text, validPanel, lx, ly)->setToolTip(rule);
        auto *l = new LedLight(validPanel);
        l->setObjectName(QString::fromLatin1(name));
        l->move(x, y);
        l->setOnColour(on);
        l->setToolTip(rule);
        return l;
    };
    // Each light says its rule; lit means the rule is kept, gray that it is not.
    const QColor red(Qt::red), purple(128, 0, 128);
    const QString keptRed = QStringLiteral("Lit red: kept. Gray: not kept.");
    const QString keptPurple = QStringLiteral("Lit purple: kept. Gray: not kept.");
    MF21Led = led("MF21Led", "MF", 162, 4, 185, 3, red,
                  "2:1 rule, midfield: the midfielders' SL total is less than twice the defenders' "
                  "(both above 0).\n" + keptRed);
    FW21Led = led("FW21Led", "FW", 205, 4, 227, 3, red,
                  "2:1 rule, attack: the forwards' SL total is less than twice the midfielders' "
                  "(both above 0).\n" + keptRed
                      + "\nLit green: not kept, but the starting strategy (L or E) is exempt from it.");
    subsLed = led("subsLed", "Five Subs", 250, 4, 315, 3, purple,
                  "Five Subs: five substitutes, marked S1 to S5.\n" + keptPurple);
    valGKLed = led("valGKLed", "GK", 46, 20, 63, 20, red, "Squad: exactly one goalkeeper starts.\n" + keptRed);
    valSWLed = led("valSWLed", "SW", 81, 20, 99, 20, red, "Squad: no more than one sweeper starts.\n" + keptRed);
    valDFLed = led("valDFLed", "DF", 119, 20, 140, 20, red, "Squad: 2 to 5 defenders start.\n" + keptRed);
    valMFLed = led("valMFLed", "MF", 162, 20, 185, 20, red, "Squad: 2 to 5 midfielders start.\n" + keptRed);
    valFWLed = led("valFWLed", "FW", 205, 20, 227, 20, red, "Squad: 1 to 4 forwards start.\n" + keptRed);
    starting11Led = led("starting11Led", "Starting 11 :", 250, 20, 315, 20, purple,
                        "Starting 11: exactly eleven players start.\n" + keptPurple);

    MainPageControl = place(new QTabWidget(body), 4, 45, 772, 500);
    MainPageControl->setObjectName("MainPageControl");
    MainPageControl->setTabPosition(QTabWidget::South);
    // The style sheet reaches the tabs only: the sheets keep the window's colours.
    MainPageControl->tabBar()->setStyleSheet(
        "QTabBar::tab { height: 25px; padding: 0 6px; color: white; background: #3a5a8a; }"
        "QTabBar::tab:selected { background: #1f3d6b; }"
        "QTabBar::tab:hover { background: #5c85c4; }");
    MainPageControl->tabBar()->setElideMode(Qt::ElideNone);
    auto sheet = [this](const char *name, const QString &caption) {
        auto *w = new QWidget;
        w->setObjectName(QString::fromLatin1(name));
        w->setAutoFillBackground(true); // in the window's colour
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
    RosterStringGrid->setFont(programFont(12));
    RosterStringGrid->setCellColour(CellColour, QColor(Qt::darkBlue));
    connect(RosterStringGrid, &StringGrid::mouseUp, this,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
                runGuarded([&] { RosterStringGridMouseUp(b, x, y); });
            });

    LUOptionsGroupBox = place(new QGroupBox(QStringLiteral("Lineup Options"), MainSheet), 524, 0, 240, 266);
    LUOptionsGroupBox->setObjectName("LUOptionsGroupBox");
    QWidget *g = LUOptionsGroupBox;
    label(QStringLiteral("Session"), g, 8, 22);
    SessionNoComboBox = dropDown(g, "SessionNoComboBox", 78, 18, 40);
    label(QStringLiteral("Opponent"), g, 124, 22);
    ChooseOppButton = place(new QPushButton(QStringLiteral("None"), g), 180, 18, 52, 22);
    ChooseOppButton->setObjectName("ChooseOppButton");
    ChooseOppButton->setToolTip(QStringLiteral("Select Opponent for current match"));
    label(QStringLiteral("Match No."), g, 8, 46);
    MatchNoComboBox = dropDown(g, "MatchNoComboBox", 78, 42, 40);
    MatchTacBtn = place(new QPushButton(QStringLiteral("Team Tactics"), g), 122, 41, 110, 23);
    MatchTacBtn->setObjectName("MatchTacBtn");
    MatchTacBtn->setToolTip(QStringLiteral("Enter Tactics for current match"));
    label(QStringLiteral("Home Bonus"), g, 8, 70);
    HBCombo = dropDown(g, "HBCombo", 78, 66, 40);
    TTListBox = place(listBox(g, "TTListBox"), 122, 66, 110, 46);
    label(QStringLiteral("Penalty Taker"), g, 8, 92);
    PTakeBox = dropDown(g, "PTakeBox", 8, 106, 106);
    label(QStringLiteral("Train (TP)"), g, 8, 132);
    label(QStringLiteral("Coach (CP)"), g, 124, 132);
    TPBox = dropDown(g, "TPBox", 8, 146, 108);
    CPBox = dropDown(g, "CPBox", 124, 146, 108);
    TPListBox = place(listBox(g, "TPListBox"), 8, 170, 108, 62);
    CPListBox = place(listBox(g, "CPListBox"), 124, 170, 108, 62);
    QLabel *note = label(QStringLiteral("Double click on a player in a list to delete them."), g, 8, 233, 224, 28);
    note->setWordWrap(true);

    connect(TPBox, &QComboBox::activated, this, [this] { handle(&TPelMainForm::TPBoxChange); });
    connect(CPBox, &QComboBox::activated, this, [this] { handle(&TPelMainForm::CPBoxChange); });
    connect(TPListBox, &QListWidget::itemDoubleClicked, this, [this] { handle(&TPelMainForm::TPListBoxDblClick); });
    connect(CPListBox, &QListWidget::itemDoubleClicked, this, [this] { handle(&TPelMainForm::CPListBoxDblClick); });
    connect(ChooseOppButton, &QPushButton::clicked, this, [this] { handle(&TPelMainForm::ChooseOppButtonClick); });
    connect(MatchTacBtn, &QPushButton::clicked, this, [this] { handle(&TPelMainForm::MatchTacBtnClick); });

    LUTotalsGroupBox = place(new QGroupBox(QStringLiteral("Lineup Totals"), MainSheet), 524, 268, 240, 76);
    LUTotalsGroupBox->setObjectName("LUTotalsGroupBox");
    LineupTotGrid = new StringGrid(7, 4, 1, LUTotalsGroupBox);
    LineupTotGrid->setObjectName("LineupTotGrid");
    LineupTotGrid->setDefaultRowHeight(13);
    LineupTotGrid->setColumnWidth(0, 38);
    for (int c = 1; c < 7; ++c)
        LineupTotGrid->setColumnWidth(c, 29);
    LineupTotGrid->setGeometry(12, 18, 38 + 6 * 29 + 2, 4 * 13 + 2);
    LineupTotGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LineupTotGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LineupTotGrid->setSelectionMode(QAbstractItemView::NoSelection);
    LineupTotGrid->setFocusPolicy(Qt::NoFocus);
    LineupTotGrid->setAttribute(Qt::WA_TransparentForMouseEvents);
    LineupTotGrid->setFont(programFont(10));
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
    QFont fixed(QStringLiteral("Liberation Mono"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPixelSize(11);
    for (QListWidget *l : {TeamInfListBox, StartersListBox, SubsListBox}) {
        l->setFont(fixed);
        QPalette pal = l->palette();
        pal.setColor(QPalette::Base, Qt::white);
        pal.setColor(QPalette::Text, Qt::black);
        l->setPalette(pal);
    }

    pitchPanel = place(new QFrame(s), 384, 0, 380, 370);
    pitchPanel->setObjectName("pitchPanel");
    FieldImage = place(new QLabel(pitchPanel), 0, 5, 300, 356);
    FieldImage->setObjectName("FieldImage");
    FieldImage->setScaledContents(true);
    FieldImage->setPixmap(QPixmap(QStringLiteral(":/pitch.png")));
    // Yellow on a dark strip, so it reads whatever the window's colour.
    auto *caption = place(new VerticalLabel(QStringLiteral("Starting Lineup"), pitchPanel), 312, 56, 20, 240);
    caption->setObjectName("StartingLineupCaption");
    caption->setFont(boldFont(14));
    QPalette captionColours = caption->palette();
    captionColours.setColor(QPalette::Window, QColor(0, 60, 0));
    captionColours.setColor(QPalette::WindowText, Qt::yellow);
    caption->setPalette(captionColours);
    for (int i = 0; i < 20; ++i) {
        auto *l = place(new NamePlate(pitchPanel), PitchPlaces[i].x, PitchPlaces[i].y, i == 0 ? 95 : 100, 17);
        l->setObjectName(QString::fromLatin1(PitchPlaces[i].name));
        l->setFont(boldFont(11));
        pitchLabels[i] = l;
    }
    // On a sheet lower than the pitch, the picture and its names shrink to fit.
    onResize(LineupSheet, [this, caption](QSize sheet) {
        const int height = std::min(370, sheet.height() - pitchPanel->y());
        pitchPanel->resize(pitchPanel->width(), height);
        const double k = std::min(1.0, (height - 10) / double(PitchHeight));
        auto scaled = [k](int v) { return int(v * k); };
        FieldImage->setGeometry(0, 5, scaled(PitchWidth), scaled(PitchHeight));
        caption->move(scaled(312), scaled(56));
        for (int i = 0; i < 20; ++i)
            pitchLabels[i]->move(scaled(PitchPlaces[i].x), 5 + scaled(PitchPlaces[i].y - 5));
    });
}

void TPelMainForm::buildOrderSheets()
{
    const QFont title = titleFont();
    label(QStringLiteral("Auction Bids"), AuctionSheet, 12, 8, -1, -1, &title);
    AuctionStringGrid = new StringGrid(3, 6, 0, AuctionSheet);
    AuctionStringGrid->setObjectName("AuctionStringGrid");
    AuctionStringGrid->setGeometry(12, 40, 50 + 100 + 320 + 4, 6 * 24 + 4);
    AuctionStringGrid->setDefaultRowHeight(24);
    AuctionStringGrid->setCellColour(CellColour, QColor(Qt::black));
    AutoSortCheckBox = place(new QCheckBox(QStringLiteral("Use Auto Sort"), AuctionSheet), 12, 200, 120, 20);
    AutoSortCheckBox->setObjectName("AutoSortCheckBox");
    SaveBidsBtn = place(new QPushButton(QStringLiteral("Save Bids"), AuctionSheet), 140, 196, 90, 25);
    SaveBidsBtn->setObjectName("SaveBidsBtn");
    BidsHelpBtn = place(new QPushButton(QStringLiteral("?"), AuctionSheet), 240, 196, 25, 25);
    BidsHelpBtn->setObjectName("BidsHelpBtn");

    label(QStringLiteral("Press"), PressSheet, 12, 8, -1, -1, &title);
    PressMemo = place(new QPlainTextEdit(PressSheet), 12, 40, 600, 340);
    PressMemo->setObjectName("PressMemo");
    PressMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    PressMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SavePressBtn = place(new QPushButton(QStringLiteral("Save Press"), PressSheet), 12, 390, 90, 25);
    SavePressBtn->setObjectName("SavePressBtn");
    PressHelpBtn = place(new QPushButton(QStringLiteral("?"), PressSheet), 112, 390, 25, 25);
    PressHelpBtn->setObjectName("PressHelpBtn");

    label(QStringLiteral("Files for this Session's Orders"), SummarySheet, 12, 8, -1, -1, &title);
    ZipListBox = place(listBox(SummarySheet, "ZipListBox"), 12, 40, 600, 300);
    ZipListBox->setSortingEnabled(false);
    AddZipListBtn = place(new QPushButton(QStringLiteral("Add Files"), SummarySheet), 12, 350, 90, 25);
    AddZipListBtn->setObjectName("AddZipListBtn");
    ZipBtn = place(new QPushButton(QStringLiteral("Save to Zip"), SummarySheet), 112, 350, 90, 25);
    ZipBtn->setObjectName("ZipBtn");
    ZipNoteLabel = label(QStringLiteral("To Delete a file from the list. \nDouble Click on it. "), SummarySheet, 620, 40);
    ZipNoteLabel->setObjectName("ZipNoteLabel");

    // Where the arrangement leaves a sheet too low or too narrow for the
    // designed places, the text box and the list give up room, never the
    // buttons below them or the note beside the list.
    onResize(PressSheet, [this](QSize sheet) {
        PressMemo->resize(std::min(600, sheet.width() - 24), std::min(340, sheet.height() - 85));
        const int y = PressMemo->y() + PressMemo->height() + 10;
        SavePressBtn->move(SavePressBtn->x(), y);
        PressHelpBtn->move(PressHelpBtn->x(), y);
    });
    onResize(SummarySheet, [this](QSize sheet) {
        ZipListBox->resize(std::min(600, sheet.width() - ZipNoteLabel->width() - 32),
                           std::min(300, sheet.height() - 85));
        ZipNoteLabel->move(ZipListBox->x() + ZipListBox->width() + 8, ZipNoteLabel->y());
        const int y = ZipListBox->y() + ZipListBox->height() + 10;
        AddZipListBtn->move(AddZipListBtn->x(), y);
        ZipBtn->move(ZipBtn->x(), y);
    });

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
}

QPoint TPelMainForm::popupPoint(const QWidget *grid, int x, int y) const
{
    return {frameGeometry().left() + grid->x() + x, frameGeometry().top() + grid->y() + y};
}
