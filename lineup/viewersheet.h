#pragma once
#include <QWidget>
#include <array>

class QFrame;
class QLabel;
class QListWidget;

// The "Lineup Viewer" sheet: one line-up file in readable form, and its
// starters on the pitch. It shows what the file says, not the grid.
class ViewerSheet : public QWidget {
    Q_OBJECT
public:
    explicit ViewerSheet(QWidget *parent = nullptr);
    static constexpr int ListLeft = 8; // the lists' left edge

    // Fills the lists and the pitch from a line-up file's 19 lines.
    void showLineup(const QStringList &lines, const QString &homeBonusShown);
    // Arrangement: pageHeight 0 for the smallest window.
    void arrange(int pageHeight, int listWidth, int pitchLeft, int pitchWidth);
    // The controls Tab reaches, in the order they stand on the screen.
    QList<QWidget *> tabStops() const;

private:
    QListWidget *TeamInfListBox, *StartersListBox, *SubsListBox;
    QLabel *TeamInfLabel, *StartersLabel, *SubsLabel;
    QFrame *pitchPanel;
    std::array<QLabel *, 20> pitchLabels{}; // GK, SW, DF1-5, MF1-5, WG1-4, FW1-4
};
