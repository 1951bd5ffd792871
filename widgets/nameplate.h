#pragma once
#include <QLabel>

// A name on a picture, drawn on a dark plate just large enough for the
// text so that it reads whatever lies beneath; nothing when empty.
class NamePlate : public QLabel {
    Q_OBJECT
public:
    explicit NamePlate(QWidget *parent = nullptr);
    static QColor plateColour() { return QColor(0, 40, 0, 210); }

protected:
    void paintEvent(QPaintEvent *) override;
};
