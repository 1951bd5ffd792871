#pragma once
#include <QColor>
#include <QLabel>
#include <QTimer>

// A label whose text fades between two colours while it is shown.
class FadingLabel : public QLabel {
    Q_OBJECT
public:
    FadingLabel(const QString &text, QColor from, QColor to, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *) override;
    void hideEvent(QHideEvent *) override;

private:
    void step();
    QColor from, to;
    QTimer timer;
    int phase = 0;
};
