#pragma once
#include <QFrame>

class QLabel;
namespace lineup {
class LineupDocument;
}

// The info panel: the team name, its manager and its abbreviation.
class InfoPanel : public QFrame {
    Q_OBJECT
public:
    InfoPanel(const lineup::LineupDocument &doc, QWidget *parent = nullptr);
    void setColour(const QColor &colour);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showTeam();
    const lineup::LineupDocument &doc;
    QLabel *TeamNameLabel, *ManageLabel, *AbbLabel;
};
