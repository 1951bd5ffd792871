#pragma once
#include "lineup/suggest.h"

#include <QDialog>
#include <QVector>

class QLabel;
class QListView;
class QPushButton;
class AvailabilityModel;
namespace lineup {
class LineupDocument;
}

// "Suggest Lineup": the roster's players, each with an "available" tick,
// the best line-up of the ticked players under the squad rules, its
// formation, rating sums and lights. Apply marks the grid as one undo step;
// Cancel changes nothing.
class TSuggestLineupForm : public QDialog {
    Q_OBJECT
public:
    TSuggestLineupForm(lineup::LineupDocument &doc, QWidget *parent = nullptr);
    const lineup::Suggestion &suggestion() const { return current; }

    void ApplyBtnClick();

private:
    void recompute(); // after a tick changes
    lineup::LineupDocument &doc;
    lineup::SuggestInput input;
    lineup::Suggestion current;
    AvailabilityModel *model = nullptr;
    QListView *PlayerList = nullptr;
    QLabel *FormationLabel = nullptr;
    QLabel *SumsLabel = nullptr;
    QLabel *LightsLabel = nullptr;
    QPushButton *ApplyBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
};
