#pragma once
#include <QFrame>

class LedLight;
namespace lineup {
class LineupDocument;
}

// The "Lineup Checker" panel: nine lights showing the document's verdicts.
class CheckerPanel : public QFrame {
    Q_OBJECT
public:
    CheckerPanel(const lineup::LineupDocument &doc, QWidget *parent = nullptr);

private:
    void showLights();
    const lineup::LineupDocument &doc;
    LedLight *valGKLed, *valSWLed, *valDFLed, *valMFLed, *valFWLed, *starting11Led, *subsLed, *MF21Led, *FW21Led;
};
