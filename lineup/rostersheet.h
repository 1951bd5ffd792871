#pragma once
#include <QWidget>

class GridView;
class QAction;
class QComboBox;
class QGroupBox;
class QListWidget;
class QMenu;
class QPushButton;
class RosterModel;
class StringGrid;
struct SharedState;
namespace lineup {
class LineupDocument;
}

// The "Pellmore" sheet: the roster grid, the Lineup Options and the Lineup
// Totals, all views of the line-up document; the manager's clicks and picks
// become the document's commands.
class RosterSheet : public QWidget {
    Q_OBJECT
public:
    RosterSheet(lineup::LineupDocument &doc, SharedState &shared, QWidget *parent = nullptr);

    // Grid clicks and its menus.
    void RosterStringGridMouseUp(Qt::MouseButton button, int x, int y);
    void RosterStringGridDeleteKey(); // Delete on the grid's current cell
    void choosePlayer(QAction *entry);
    void popSubClick(QAction *entry);
    void openPlayerConditionals();
    // The opponent.
    void ChooseOppButtonClick();
    void LoadOpponent(const QStringList &lines);
    // Training, coaching and penalty-taker choices.
    void FillPlayerBoxes(bool fullMode);
    void TPBoxChange();
    void CPBoxChange();
    void TPListBoxDblClick();
    void CPListBoxDblClick();
    // Team tactics.
    void MatchTacBtnClick();
    // The totals grid shows the document's totals.
    void UpdateLineupTotals();

    // The open-file chooser of Open Roster and the opponent.
    QString openRosterFile();
    void setColour(const QColor &colour);
    // Arrangement for the window's size: the grid's size and the left edge
    // of the two group boxes.
    void arrange(int gridWidth, int gridHeight, int groupLeft);
    // The controls Tab reaches, in the order they stand on the screen.
    QList<QWidget *> tabStops() const;

private:
    void buildOptions();
    void buildTotals();
    void buildPopups();
    void showChoices();     // the boxes and lists follow the document
    void showRanges();      // the entries of the session, match and home bonus boxes
    void chooseFromBox(QComboBox *box, void (lineup::LineupDocument::*set)(const QString &));
    int currentPlayer() const; // the selected row's player, or -1

    lineup::LineupDocument &doc;
    SharedState &shared;
    RosterModel *model;
    GridView *RosterStringGrid;
    QGroupBox *LUOptionsGroupBox, *LUTotalsGroupBox;
    QComboBox *SessionNoComboBox, *MatchNoComboBox, *HBCombo, *PTakeBox, *TPBox, *CPBox;
    QPushButton *ChooseOppButton, *MatchTacBtn;
    QListWidget *TTListBox, *TPListBox, *CPListBox;
    StringGrid *LineupTotGrid;
    QMenu *PlayPopup, *SubPopup;
    QAction *PlayDeselect, *SubDeselect;
    bool showing = false; // the boxes are being refilled from the document
};
