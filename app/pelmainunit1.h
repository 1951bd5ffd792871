#pragma once
#include "app/inistore.h"
#include "lineup/ratings.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;
class HelpWindow;
class LedLight;
class StringGrid;

// The main window. It owns the program's whole state for the run, held in
// its controls as the manager sees it; the rules and file formats it calls
// live in the layer below.
class TPelMainForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int OriginalColour = 12639424; // 0x00C0DCC0, a light green

    // settingsPath: the settings file, which must exist.
    explicit TPelMainForm(const QString &settingsPath, QWidget *parent = nullptr);
    ~TPelMainForm() override;

    // False when start-up was refused (no settings file): the program ends.
    bool started() const { return settings != nullptr; }

    // State owned by the window besides its controls.
    std::unique_ptr<IniStore> settings;
    bool timeSteps = false;
    QStringList TeamTacticList;
    QStringList OppPlayerList;
    QString StartStrategy;
    QString workingDir;
    lineup::Modifiers modifiers;
    QString rosterFolder; // starting folder of the open-file dialogs

    // Info and checker panels.
    QFrame *infoPanel = nullptr;
    QLabel *TeamNameLabel = nullptr;
    QLabel *ManageLabel = nullptr;
    QLabel *AbbLabel = nullptr;
    QFrame *validPanel = nullptr;
    LedLight *valGKLed = nullptr, *valSWLed = nullptr, *valDFLed = nullptr, *valMFLed = nullptr,
             *valFWLed = nullptr, *starting11Led = nullptr, *subsLed = nullptr, *MF21Led = nullptr,
             *FW21Led = nullptr;

    // Sheets.
    QTabWidget *MainPageControl = nullptr;
    QWidget *MainSheet = nullptr, *LineupSheet = nullptr, *AuctionSheet = nullptr,
            *PressSheet = nullptr, *SummarySheet = nullptr;

    // "Pellmore" sheet.
    StringGrid *RosterStringGrid = nullptr;
    QGroupBox *LUOptionsGroupBox = nullptr;
    QGroupBox *LUTotalsGroupBox = nullptr;
    QComboBox *SessionNoComboBox = nullptr, *MatchNoComboBox = nullptr, *HBCombo = nullptr,
              *PTakeBox = nullptr, *TPBox = nullptr, *CPBox = nullptr;
    QPushButton *ChooseOppButton = nullptr, *MatchTacBtn = nullptr;
    QListWidget *TTListBox = nullptr, *TPListBox = nullptr, *CPListBox = nullptr;
    StringGrid *LineupTotGrid = nullptr;

    // "Lineup Viewer" sheet.
    QListWidget *TeamInfListBox = nullptr, *StartersListBox = nullptr, *SubsListBox = nullptr;
    QLabel *TeamInfLabel = nullptr, *StartersLabel = nullptr, *SubsLabel = nullptr;
    QFrame *pitchPanel = nullptr;
    QLabel *FieldImage = nullptr;
    std::array<QLabel *, 20> pitchLabels{}; // GK, SW, DF1-5, MF1-5, WG1-4, FW1-4

    // "Auction Bids", "Press Statement" and "Zip Orders" sheets.
    StringGrid *AuctionStringGrid = nullptr;
    QCheckBox *AutoSortCheckBox = nullptr;
    QPushButton *SaveBidsBtn = nullptr, *BidsHelpBtn = nullptr;
    QPlainTextEdit *PressMemo = nullptr;
    QPushButton *SavePressBtn = nullptr, *PressHelpBtn = nullptr;
    QListWidget *ZipListBox = nullptr;
    QPushButton *AddZipListBtn = nullptr, *ZipBtn = nullptr;
    QLabel *ZipNoteLabel = nullptr;

    // Toolbar, lying outside the visible part of the window.
    QWidget *ToolBar1 = nullptr;
    QToolButton *NewToolbarBtn = nullptr, *OpenToolbarBtn = nullptr, *SaveToolbarBtn = nullptr,
                *HelpToolbarBtn = nullptr;

    // Menus.
    QAction *OpenSubMenu = nullptr, *OpenLineupMenu = nullptr, *SaveLineupMenu = nullptr,
            *SaveView1 = nullptr, *NewLineupMenu = nullptr, *ExitMenu = nullptr;
    QAction *Size640 = nullptr, *Size800 = nullptr, *Size1024 = nullptr, *SizeCustom = nullptr;
    QAction *MenuAutoIncr = nullptr, *TimeStepDefault = nullptr, *Mins15On = nullptr,
            *Mins15Off = nullptr;
    QAction *ColourOriginal = nullptr, *ColourChoose = nullptr, *ColourSystem = nullptr;
    QAction *MenuCoachFilt = nullptr, *AdminTasks = nullptr, *MenuSelectDirectory = nullptr;
    QAction *HelpContents = nullptr, *About1 = nullptr;
    QMenu *PlayPopup = nullptr;
    QMenu *SubPopup = nullptr;
    QAction *PlayDeselect = nullptr;
    QAction *SubDeselect = nullptr;

    // Frame commands.
    void HelpToolbarBtnClick();
    void About1Click();
    void ExitMenuClick();
    // Display options.
    void changePageSize(int tag);
    void ArrangeControls();
    void ApplyWindowShape();
    void ApplyColour(int colourValue);
    void ColourSchemeClick(QAction *entry);
    void SetTimeStep(QAction *entry);
    void MenuAutoIncrClick();
    QColor colour() const { return windowColour; }

    // League administration and the working directory.
    void AdminTasksClick();
    void MenuSelectDirectoryClick();

    // Roster.
    void OpenSubMenuClick();
    void LoadRoster(const QStringList &lines);
    void FillPlayerBoxes(bool fullMode);
    void TPBoxChange();
    void CPBoxChange();
    void TPListBoxDblClick();
    void CPListBoxDblClick();
    void MenuCoachFiltClick();

    // Line-up selection and totals.
    void RosterStringGridMouseUp(Qt::MouseButton button, int x, int y);
    void choosePlayer(QAction *entry);
    void popSubClick(QAction *entry);
    void SetDefaultSubPosition();
    void ChooseOppButtonClick();
    void LoadOpponent(const QStringList &lines);
    void NewLineupMenuClick();
    void UpdateLineupTotals();

    // Team tactics and player conditionals.
    void MatchTacBtnClick();
    void openPlayerConditionals();

    // The line-up file and its viewer.
    void SaveLineupMenuClick();
    void SaveView1Click();
    void OpenLineupMenuClick();
    void ApplyLineup(const QStringList &lines);
    void MainPageControlChange(int index);
    QString lineupPath() const;

    // The list of files to zip, kept sorted without regard to case.
    void AddToZipList(const QString &path);

    // Session orders: bids, press and the orders archive.
    bool CheckOrdersReady();
    void AuctionStringGridMouseUp(int x, int y);
    void LotPopupClick(QAction *entry);
    void SaveBidsBtnClick();
    void AuctionBidsHowBtnClick();
    void SavePressBtnClick();
    void PressHowBtnClick();
    void ZipListBoxDblClick();
    void AddZipListBtnClick();
    void ZipBtnClick();
    QString sessionPath(const QString &suffix) const;
    // Where a grid's menu opens: the window's edge plus the grid's edge
    // within its sheet plus the pointer's place in the grid.
    QPoint popupPoint(const QWidget *grid, int x, int y) const;
    QMenu *LOTPopup = nullptr;

    // Path of a file in the working directory.
    QString pathFor(const QString &fileName) const;

    // The window's outer size (the frame included where there is one).
    QSize outerSize() const;
    void setOuterSize(QSize size);
    static QSize presetSize(int tag);
    QAction *sizeEntry(int tag) const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate(const QString &settingsPath);
    void buildPanels(QWidget *body);
    void buildMainSheet();
    void buildViewerSheet();
    void buildOrderSheets();
    void buildMenus();
    void buildPopups();
    void buildLotPopup();
    void buildToolbar(QWidget *body);
    void fillNumberBox(QComboBox *box, int from, int to);
    void readModifiers(); // the rating factors of the play styles
    QString openRosterFile(); // chooser of Open Roster and the opponent
    void handle(void (TPelMainForm::*handler)());
    bool saveLineup(); // true when the file was written
    // Saves one order file: asks before replacing, writes, lists it for
    // zipping and reports; false when the manager declined.
    bool saveOrderFile(const QString &path, const QByteArray &bytes, const QString &savedCaption,
                       const QString &replacedSuffix, const QString &notSaved);
    void showSheet(QWidget *sheet); // a switch by the program, not the user
    bool programSwitch = false;
    QList<QSize> pendingSizes; // sizes the program set, whose resize events are its own
    QSize intendedOuter; // the outer size the program last set
    bool centred = false;

    QColor windowColour;
    HelpWindow *helpWindow = nullptr;
};
