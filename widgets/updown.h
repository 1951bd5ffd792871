#pragma once
#include <QWidget>

class QToolButton;

// An up/down arrow pair beside a field.
class UpDownArrows : public QWidget {
    Q_OBJECT
public:
    explicit UpDownArrows(QWidget *parent = nullptr);
    QToolButton *upButton() const { return up; }
    QToolButton *downButton() const { return down; }

signals:
    void stepped(bool up);

private:
    QToolButton *up;
    QToolButton *down;
};
