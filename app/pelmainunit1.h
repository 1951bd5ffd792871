#pragma once
#include "app/sharedstate.h"

#include <QMainWindow>
#include <QStringList>
#include <optional>

class QAction;
class QTabWidget;
class QWidget;
class BidsSheet;
class CheckerPanel;
class HelpWindow;
class InfoPanel;
class PressSheet;
class RosterSheet;
class ViewerSheet;
class ZipSheet;
namespace lineup {
class LineupDocument;
}

// The main window. It owns the line-up document and the settings for the
// run and composes the sheets and panels that show them; the rules and file
// formats it calls live in the layer below.
class TPelMainForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int OriginalColour = 12639424; // 0x00C0DCC0, a light green

    // settingsPath: the settings file, which must exist.
    explicit TPelMainForm(const QString &settingsPath, QWidget *parent = nullptr);
    ~TPelMainForm() override;

    // False when start-up was refused (no settings file): the program ends.
    bool started() const { return shared.settings != nullptr; }

    // The state the window owns besides its controls.
    lineup::LineupDocument &document() const { return *doc; }
    const SharedState &state() const { return shared; }
    QColor colour() const { return shared.colour; }

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
    // League administration and the working directory.
    void AdminTasksClick();
    void MenuSelectDirectoryClick();
    // The roster.
    void OpenSubMenuClick();
    // Opens a roster named on the command line as Open Roster opens the file
    // chosen; an error is shown by the default error report.
    void openRosterAtStart(const QString &path);
    void LoadRoster(const QStringList &lines);
    void MenuCoachFiltClick();
    // The line-up file, New Lineup and the viewer.
    void NewLineupMenuClick();
    void SuggestLineupMenuClick();
    void SaveLineupMenuClick();
    void SaveView1Click();
    void OpenLineupMenuClick();
    // Applies a line-up file's lines and shows them on the viewer; Open
    // Lineup also chooses the match.
    void ApplyLineup(const QStringList &lines, std::optional<int> match = std::nullopt,
                     const QString &commandText = QStringLiteral("Save & View"));
    void MainPageControlChange(int index);
    QString lineupPath() const;

    // The window's outer size (the frame included where there is one).
    QSize outerSize() const;
    void setOuterSize(QSize size);
    static QSize presetSize(int tag);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate(const QString &settingsPath);
    void buildSheets(QWidget *body);
    void buildMenus();
    void buildToolbar(QWidget *body);
    QAction *sizeEntry(int tag) const;
    void readModifiers(); // the rating factors of the play styles
    void loadRosterFile(const QString &path); // Open Roster after its chooser
    void readRanges();    // the entries of the session, match and home bonus boxes
    void showTitle();
    // Tells which marked players a roster load removed.
    void showRemovedMarks(const QStringList &players);
    bool saveLineup(); // true when the file was written
    // Asks whether to save a line-up that differs from the one last saved
    // or opened; false when the manager cancels (or the save fails).
    bool unsavedLineupAnswered();
    void showSheet(QWidget *sheet); // a switch by the program, not the user
    bool programSwitch = false;
    bool exitAsked = false;
    QList<QSize> pendingSizes; // sizes the program set, whose resize events are its own
    QSize intendedOuter;       // the outer size the program last set
    bool centred = false;      // centred on the screen at its first showing

    SharedState shared;
    lineup::LineupDocument *doc;
    InfoPanel *infoPanel = nullptr;
    CheckerPanel *validPanel = nullptr;
    QTabWidget *MainPageControl = nullptr;
    RosterSheet *rosterSheet = nullptr;
    ViewerSheet *viewerSheet = nullptr;
    BidsSheet *bidsSheet = nullptr;
    PressSheet *pressSheet = nullptr;
    ZipSheet *zipSheet = nullptr;
    QAction *Size640 = nullptr, *Size800 = nullptr, *Size1024 = nullptr, *SizeCustom = nullptr;
    QAction *MenuAutoIncr = nullptr, *Mins15On = nullptr, *Mins15Off = nullptr;
    QAction *ColourOriginal = nullptr, *ColourChoose = nullptr;
    HelpWindow *helpWindow = nullptr;
};
