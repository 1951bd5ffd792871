#pragma once
#include <QWidget>

// A caption written bottom-to-top, in its palette's text colour on its
// window colour.
class VerticalLabel : public QWidget {
    Q_OBJECT
public:
    explicit VerticalLabel(const QString &text, QWidget *parent = nullptr);
    QString text() const { return caption; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QString caption;
};
