#pragma once
#include <QColor>
#include <QWidget>

// A round indicator lamp: lit in its on colour, gray when off.
class LedLight : public QWidget {
    Q_OBJECT
public:
    explicit LedLight(QWidget *parent = nullptr);

    bool isLit() const { return lit; }
    void setLit(bool on);
    QColor onColour() const { return on; }
    void setOnColour(const QColor &colour);
    QColor offColour() const { return off; }
    QColor shownColour() const { return lit ? on : off; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    bool lit = false;
    QColor on{Qt::red};
    QColor off{Qt::gray};
};
